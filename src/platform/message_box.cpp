#include "message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <vector>

namespace lukana::platform {
namespace {

MessageBoxHook& hook() {
    static MessageBoxHook h;
    return h;
}

std::vector<Answer> answersOf(Buttons buttons) {
    switch (buttons) {
    case Buttons::Ok:
        return {Answer::Ok};
    case Buttons::OkCancel:
        return {Answer::Ok, Answer::Cancel};
    case Buttons::YesNo:
        return {Answer::Yes, Answer::No};
    case Buttons::YesNoCancel:
        return {Answer::Yes, Answer::No, Answer::Cancel};
    }
    return {Answer::Ok};
}

QString captionOf(Answer a) {
    switch (a) {
    case Answer::Ok:
        return QStringLiteral("OK");
    case Answer::Cancel:
        return QStringLiteral("キャンセル");
    case Answer::Yes:
        return QStringLiteral("はい(&Y)");
    case Answer::No:
        return QStringLiteral("いいえ(&N)");
    }
    return {};
}

QMessageBox::ButtonRole roleOf(Answer a) {
    switch (a) {
    case Answer::Ok:
    case Answer::Yes:
        return QMessageBox::AcceptRole;
    case Answer::No:
        return QMessageBox::RejectRole;
    case Answer::Cancel:
        return QMessageBox::RejectRole;
    }
    return QMessageBox::AcceptRole;
}

QMessageBox::Icon qtIcon(Icon icon) {
    switch (icon) {
    case Icon::None:
        return QMessageBox::NoIcon;
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Warning:
        return QMessageBox::Warning;
    case Icon::Critical:
        return QMessageBox::Critical;
    case Icon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void setMessageBoxHook(MessageBoxHook h) {
    hook() = std::move(h);
}

Answer dismissAnswer(Buttons buttons) {
    switch (buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::OkCancel:
    case Buttons::YesNoCancel:
        return Answer::Cancel;
    case Buttons::YesNo:
        return Answer::No;
    }
    return Answer::Ok;
}

Answer msgBox(const QString& text, Buttons buttons, Icon icon, std::optional<Answer> defaultButton,
              const QString& title) {
    const std::vector<Answer> answers = answersOf(buttons);
    MessageBoxRecord record{text, title.isEmpty() ? kAppTitle : title, buttons, icon,
                            defaultButton.value_or(answers.front())};
    if (hook())
        return hook()(record);

    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(qtIcon(icon), record.title, shown, QMessageBox::NoButton,
                    QApplication::activeWindow());
    std::vector<std::pair<QPushButton*, Answer>> made;
    for (Answer a : answers) {
        QPushButton* b = box.addButton(captionOf(a), roleOf(a));
        made.emplace_back(b, a);
        if (a == record.defaultButton)
            box.setDefaultButton(b);
        if (a == dismissAnswer(buttons))
            box.setEscapeButton(b);
    }
    box.exec();
    for (auto& [button, answer] : made)
        if (box.clickedButton() == button)
            return answer;
    return dismissAnswer(buttons);
}

} // namespace lukana::platform
