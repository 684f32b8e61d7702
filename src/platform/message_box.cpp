#include "message_box.h"

#include "window.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

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

void keepLinesWhole(QMessageBox& box) {
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    QScreen* screen = box.screen();
    if (!label || !screen)
        return;
    // Qt's own largest box on this screen, less the icon and the margins.
    const int screenWidth = screen->availableGeometry().width();
    const int widest = (screenWidth <= 1024 ? screenWidth : std::min(screenWidth - 480, 1000)) -
                       box.iconPixmap().width() - 80;
    const QFontMetrics metrics(label->font());
    int needed = 0;
    for (const QString& line : label->text().split(QLatin1Char('\n')))
        needed = std::max(needed, metrics.horizontalAdvance(line) + 2);
    label->setMinimumWidth(std::min(needed, widest));
}

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
    const QString shownTitle = title.isEmpty() ? kAppTitle : title;
    MessageBoxRecord record{
        text, shownTitle, buttons, icon, defaultButton.value_or(answers.front()), messageOwner()};
    if (hook())
        return hook()(record);

    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(qtIcon(icon), record.title, shown, QMessageBox::NoButton, record.parent);
    std::vector<std::pair<QPushButton*, Answer>> made;
    for (Answer a : answers) {
        QPushButton* b = box.addButton(captionOf(a), roleOf(a));
        made.emplace_back(b, a);
        if (a == record.defaultButton)
            box.setDefaultButton(b);
        if (a == dismissAnswer(buttons))
            box.setEscapeButton(b);
    }
    keepLinesWhole(box);
    box.exec();
    for (auto& [button, answer] : made)
        if (box.clickedButton() == button)
            return answer;
    return dismissAnswer(buttons);
}

} // namespace lukana::platform
