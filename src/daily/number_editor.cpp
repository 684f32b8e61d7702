#include "number_editor.h"

#include "platform/controls.h"
#include "platform/grid.h"
#include "storage/routines.h"

namespace lukana {

void openNumberEditor(platform::Grid& grid, platform::TextBox& editor, int row, int col) {
    const QString text = grid.text(row, col);
    editor.setTextQuietly(leadingNumber(text.toStdString()) > 0 ? text : QString());
    grid.placeEditor(&editor, row, col);
    editor.setFocus();
}

} // namespace lukana
