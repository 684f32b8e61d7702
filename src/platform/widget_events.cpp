#include "widget_events.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>

namespace lukana::platform {
namespace {

const QString kFilterName = QStringLiteral("lukana-control-events");

// One filter per control, child of it, so it goes with the control.
class ControlEvents : public QObject {
  public:
    explicit ControlEvents(QWidget* control) : QObject(control) {
        setObjectName(kFilterName);
        control->installEventFilter(this);
    }

    static ControlEvents* of(QWidget* control) {
        QObject* found = control->findChild<QObject*>(kFilterName, Qt::FindDirectChildrenOnly);
        return found ? static_cast<ControlEvents*>(found) : new ControlEvents(control);
    }

    KeyHandler keyDown;
    FocusHandler focusLost;
    FocusHandler focusGained;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::KeyPress:
            if (keyDown) {
                auto* key = static_cast<QKeyEvent*>(event);
                return keyDown(key->key(), key->modifiers());
            }
            break;
        case QEvent::FocusOut:
            // A drop-down list or context menu takes the focus only while it is open: the
            // control is still in use.
            if (focusLost && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason &&
                !QApplication::activePopupWidget())
                focusLost();
            break;
        case QEvent::FocusIn:
            if (focusGained)
                focusGained();
            break;
        default:
            break;
        }
        return false;
    }
};

} // namespace

void onKeyDown(QWidget* control, KeyHandler handler) {
    ControlEvents::of(control)->keyDown = std::move(handler);
}

void onFocusLost(QWidget* control, FocusHandler handler) {
    ControlEvents::of(control)->focusLost = std::move(handler);
}

void onFocusGained(QWidget* control, FocusHandler handler) {
    ControlEvents::of(control)->focusGained = std::move(handler);
}

} // namespace lukana::platform
