#pragma once
// Key and focus events of any control, for the windows' in-cell editors (Enter moves on,
// losing the focus hides the editor) without a subclass per control. Each call replaces the
// control's earlier handler of that kind.
#include <QWidget>

#include <functional>

namespace lukana::platform {

// Runs before the control sees the key; returning true keeps the key from the control.
using KeyHandler = std::function<bool(int key, Qt::KeyboardModifiers modifiers)>;
using FocusHandler = std::function<void()>;

void onKeyDown(QWidget* control, KeyHandler handler);
// Not while the control's own drop-down list or context menu is open.
void onFocusLost(QWidget* control, FocusHandler handler);
void onFocusGained(QWidget* control, FocusHandler handler);

} // namespace lukana::platform
