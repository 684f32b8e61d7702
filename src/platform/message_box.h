#pragma once
// Message boxes of every window: the fixed texts, buttons, icons and titles the windows use.
#include <QString>

#include <functional>
#include <optional>

class QMessageBox;
class QWidget;

namespace lukana::platform {

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Icon { None, Information, Warning, Critical, Question };
enum class Answer { Ok, Cancel, Yes, No };

// Caption of a box that names no title of its own.
inline const QString kAppTitle = QStringLiteral("ルカナ");

struct MessageBoxRecord {
    QString text;
    QString title; // as shown: the application title when the caller named none
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    Answer defaultButton = Answer::Ok;
    QWidget* parent = nullptr; // the window it belongs to, shown over
};

// Shows a box and returns the answer. Without a default button the first button is the
// default. Line breaks may be CR, LF or CR LF.
Answer msgBox(const QString& text, Buttons buttons = Buttons::Ok, Icon icon = Icon::None,
              std::optional<Answer> defaultButton = std::nullopt, const QString& title = {});

// The answer a box gives when it is dismissed without a choice (Escape, close box).
Answer dismissAnswer(Buttons buttons);

// Widens a box, before it is shown, so that each line of its text that fits across the
// screen stays on one line (Qt would wrap at half the screen, in the middle of a word).
void keepLinesWhole(QMessageBox& box);

// Test seam: when set, every box goes to the hook instead of the screen.
using MessageBoxHook = std::function<Answer(const MessageBoxRecord&)>;
void setMessageBoxHook(MessageBoxHook hook);

} // namespace lukana::platform
