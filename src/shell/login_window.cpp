#include "login_window.h"

#include "login_files.h"
#include "platform/message_box.h"
#include "platform/system_info.h"
#include "shell_state.h"
#include "storage/paths.h"
#include "storage/state.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace lukana {

using namespace platform;

LoginWindow::LoginWindow(QWidget* parent)
    : Window(parent), userNameBox(new TextBox(this)), passwordBox(new TextBox(this)),
      okButton(new QPushButton(QStringLiteral("OK"), this)),
      cancelButton(new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this)) {
    setWindowTitle(QStringLiteral("ﾛｸﾞｵﾝ"));
    makeFixedDialog();
    setEscapeButton(cancelButton);
    passwordBox->setEchoMode(QLineEdit::Password);
    passwordBox->setStyleSheet(QStringLiteral("lineedit-password-character: 42;")); // "*"
    // A comma would cut the stored password short, so none can be typed.
    passwordBox->setStripCommas(true);

    auto* userLabel = new QLabel(QStringLiteral("ﾕｰｻﾞｰ名(&U):"), this);
    userLabel->setBuddy(userNameBox);
    auto* passwordLabel = new QLabel(QStringLiteral("ﾊﾟｽﾜｰﾄﾞ(&P):"), this);
    passwordLabel->setBuddy(passwordBox);
    auto* note1 = new QLabel(QStringLiteral("初回に入力したパスワードが次回からのパスワードになりま"
                                            "すので、絶対に覚えておいてください。"),
                             this);
    auto* note2 = new QLabel(QStringLiteral("キャンセルをクリックした場合はタイムカード機能だけが"
                                            "使用できるようになります。"),
                             this);
    note1->setWordWrap(true);
    note2->setWordWrap(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(userLabel, 0, 0);
    grid->addWidget(userNameBox, 0, 1, 1, 2);
    grid->addWidget(passwordLabel, 1, 0);
    grid->addWidget(passwordBox, 1, 1, 1, 2);
    grid->addWidget(note1, 2, 0, 1, 3);
    grid->addWidget(note2, 3, 0, 1, 3);
    grid->addWidget(okButton, 4, 1);
    grid->addWidget(cancelButton, 4, 2);
    setFixedWidth(380);

    okButton->setDefault(true);
    okButton->setAutoDefault(true);
    connect(okButton, &QPushButton::clicked, this, [this] { onOkClicked(); });
    connect(cancelButton, &QPushButton::clicked, this, [this] { onCancelClicked(); });
    connect(passwordBox, &QLineEdit::returnPressed, this, [this] { onOkClicked(); });
}

void LoginWindow::formLoad() {
    accepted = false;
    userNameBox->setText(userName());
    passwordBox->setFocus();
}

void LoginWindow::onOkClicked() {
    const std::string typed = passwordBox->text().toStdString();
    if (passwMissing != 0) {
        const std::string before = password;
        password = typed;
        if (Status s = writePassword(rootFilePath("passw.dat")); !s) {
            password = before;
            msgBox(QStringLiteral("パスワードを保存できませんでした (passw.dat)。\r%1")
                       .arg(QString::fromStdString(s.message())),
                   Buttons::Ok, Icon::Critical);
            return;
        }
        accepted = true;
        hideWindow();
        return;
    }
    if (typed == password) {
        accepted = true;
        hideWindow();
        return;
    }
    msgBox(QStringLiteral("ﾊﾟｽﾜｰﾄﾞが正しくありません。もう一度入力してください !"), Buttons::Ok,
           Icon::None, std::nullopt, QStringLiteral("ﾛｸﾞｲﾝ"));
    passwordBox->setFocus();
    passwordBox->selectAll();
}

void LoginWindow::onCancelClicked() {
    accepted = false;
    hideWindow();
}

} // namespace lukana
