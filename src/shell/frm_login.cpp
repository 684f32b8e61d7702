#include "frm_login.h"

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

frmLogin::frmLogin(QWidget* parent)
    : Window(parent), txtUserName(new TextBox(this)), txtPassword(new TextBox(this)),
      cmdOK(new QPushButton(QStringLiteral("OK"), this)),
      cmdCancel(new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this)) {
    setWindowTitle(QStringLiteral("ﾛｸﾞｵﾝ"));
    txtPassword->setEchoMode(QLineEdit::Password);
    txtPassword->setStyleSheet(QStringLiteral("lineedit-password-character: 42;")); // "*"
    // A comma would cut the stored password short, so none can be typed.
    txtPassword->setStripCommas(true);

    auto* userLabel = new QLabel(QStringLiteral("ﾕｰｻﾞｰ名(&U):"), this);
    userLabel->setBuddy(txtUserName);
    auto* passwordLabel = new QLabel(QStringLiteral("ﾊﾟｽﾜｰﾄﾞ(&P):"), this);
    passwordLabel->setBuddy(txtPassword);
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
    grid->addWidget(txtUserName, 0, 1, 1, 2);
    grid->addWidget(passwordLabel, 1, 0);
    grid->addWidget(txtPassword, 1, 1, 1, 2);
    grid->addWidget(note1, 2, 0, 1, 3);
    grid->addWidget(note2, 3, 0, 1, 3);
    grid->addWidget(cmdOK, 4, 1);
    grid->addWidget(cmdCancel, 4, 2);
    setFixedWidth(380);

    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    connect(txtPassword, &QLineEdit::returnPressed, this, [this] { cmdOK_Click(); });
}

void frmLogin::formLoad() {
    OK = false;
    txtUserName->setText(userName());
    txtPassword->setFocus();
}

void frmLogin::cmdOK_Click() {
    const std::string typed = txtPassword->text().toStdString();
    if (passwMissing != 0) {
        const std::string before = password;
        password = typed;
        filePath = rootFilePath("passw.dat");
        if (Status s = passwHozon(); !s) {
            password = before;
            msgBox(QStringLiteral("パスワードを保存できませんでした (passw.dat)。\r%1")
                       .arg(QString::fromStdString(s.message())),
                   Buttons::Ok, Icon::Critical);
            return;
        }
        OK = true;
        hideWindow();
        return;
    }
    if (typed == password) {
        OK = true;
        hideWindow();
        return;
    }
    msgBox(QStringLiteral("ﾊﾟｽﾜｰﾄﾞが正しくありません。もう一度入力してください !"), Buttons::Ok,
           Icon::None, std::nullopt, QStringLiteral("ﾛｸﾞｲﾝ"));
    txtPassword->setFocus();
    txtPassword->selectAll();
}

void frmLogin::cmdCancel_Click() {
    OK = false;
    hideWindow();
}

} // namespace lukana
