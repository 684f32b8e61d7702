#include "pointer.h"

#include <QApplication>
#include <QCursor>

namespace lukana::platform {
namespace {
Pointer current = Pointer::Normal;
}

void setMousePointer(Pointer pointer) {
    if (pointer == current)
        return;
    current = pointer;
    if (pointer == Pointer::Busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

Pointer mousePointer() {
    return current;
}

} // namespace lukana::platform
