#include "number_editor.h"

#include "platform/controls.h"
#include "platform/grid.h"
#include "storage/routines.h"

namespace lukana {

void openNumberEditor(platform::Grid& grid, platform::TextBox& editor, int row, int col) {
    grid.placeEditor(&editor, row, col);
    const QString text = grid.text(row, col);
    editor.setTextQuietly(leadingNumber(text.toStdString()) > 0 ? text : QString());
    editor.setFocus();
}

} // namespace lukana
