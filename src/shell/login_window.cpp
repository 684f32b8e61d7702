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
    : Window(parent), userNameBox_(new TextBox(this)), passwordBox_(new TextBox(this)),
      okButton_(new QPushButton(QStringLiteral("OK"), this)),
      cancelButton_(new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this)) {
    setWindowTitle(QStringLiteral("ﾛｸﾞｵﾝ"));
    makeFixedDialog();
    setEscapeButton(cancelButton_);
    passwordBox_->setEchoMode(QLineEdit::Password);
    passwordBox_->setStyleSheet(QStringLiteral("lineedit-password-character: 42;")); // "*"
    // A comma would cut the stored password short, so none can be typed.
    passwordBox_->setStripCommas(true);

    auto* userLabel = new QLabel(QStringLiteral("ﾕｰｻﾞｰ名(&U):"), this);
    userLabel->setBuddy(userNameBox_);
    auto* passwordLabel = new QLabel(QStringLiteral("ﾊﾟｽﾜｰﾄﾞ(&P):"), this);
    passwordLabel->setBuddy(passwordBox_);
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
    grid->addWidget(userNameBox_, 0, 1, 1, 2);
    grid->addWidget(passwordLabel, 1, 0);
    grid->addWidget(passwordBox_, 1, 1, 1, 2);
    grid->addWidget(note1, 2, 0, 1, 3);
    grid->addWidget(note2, 3, 0, 1, 3);
    grid->addWidget(okButton_, 4, 1);
    grid->addWidget(cancelButton_, 4, 2);
    setFixedWidth(380);

    okButton_->setDefault(true);
    okButton_->setAutoDefault(true);
    connect(okButton_, &QPushButton::clicked, this, [this] { onOkClicked(); });
    connect(cancelButton_, &QPushButton::clicked, this, [this] { onCancelClicked(); });
    connect(passwordBox_, &QLineEdit::returnPressed, this, [this] { onOkClicked(); });
}

void LoginWindow::formLoad() {
    accepted_ = false;
    userNameBox_->setText(userName());
    passwordBox_->setFocus();
}

void LoginWindow::onOkClicked() {
    const std::string typed = passwordBox_->text().toStdString();
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
        accepted_ = true;
        hideWindow();
        return;
    }
    if (typed == password) {
        accepted_ = true;
        hideWindow();
        return;
    }
    msgBox(QStringLiteral("ﾊﾟｽﾜｰﾄﾞが正しくありません。もう一度入力してください !"), Buttons::Ok,
           Icon::None, std::nullopt, QStringLiteral("ﾛｸﾞｲﾝ"));
    passwordBox_->setFocus();
    passwordBox_->selectAll();
}

void LoginWindow::onCancelClicked() {
    accepted_ = false;
    hideWindow();
}

} // namespace lukana
