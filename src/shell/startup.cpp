#include "startup.h"

#include "login_files.h"
#include "login_window.h"
#include "main_window.h"
#include "platform/message_box.h"
#include "shell_state.h"
#include "splash_window.h"
#include "storage/masters.h"
#include "storage/paths.h"
#include "storage/settings.h"
#include "storage/state.h"

#include <QDate>

#include <filesystem>

namespace lukana {

using namespace platform;
namespace fs = std::filesystem;

namespace {

Status makeFolder(const fs::path& folder) {
    std::error_code ec;
    if (fs::is_directory(folder, ec))
        return {};
    fs::create_directory(folder, ec);
    if (!fs::is_directory(folder, ec))
        return Status::failure("フォルダーを作成できません: " + folder.string() +
                               (ec ? " (" + systemReason(ec) + ")" : std::string()));
    return {};
}

void tellStartFailure(const QString& what, const Status& s) {
    msgBox(QStringLiteral("%1\r%2\rプログラムを終了します。")
               .arg(what, QString::fromStdString(s.message())),
           Buttons::Ok, Icon::Critical);
}

// Removes the lock this start took, when the start ends before the main window.
void releaseOwnLock() {
    if (loginLock != 1)
        return;
    std::error_code ec;
    fs::remove(rootFilePath("login.dat"), ec);
}

} // namespace

void endProgramBySystem() {
    if (mainForm && mainForm->isLoaded())
        mainForm->endBySystem();
    else
        releaseOwnLock();
}

DataTreeResult ensureDataTree() {
    DataTreeResult result;
    const fs::path root = dataRoot();
    std::error_code ec;
    if (!fs::is_directory(root, ec)) {
        result.createdRoot = true;
        for (const fs::path& folder : {root, fs::path(backupRoot()), root / "data"})
            if (result.status = makeFolder(folder); !result.status)
                return result;
    }
    if (!fs::is_directory(root / "sift", ec)) {
        for (const fs::path& folder : {root / "sift", root / "sift" / "csv"})
            if (result.status = makeFolder(folder); !result.status)
                return result;
    }
    result.status = makeFolder(root / "siire");
    return result;
}

std::unique_ptr<MainWindow> Main() {
    rootName = "ktlukana";
    SplashWindow splash;
    showModeless(splash);
    splash.repaint();
    auto main = std::make_unique<MainWindow>();
    mainForm = main.get();
    auto endHere = [&]() -> std::unique_ptr<MainWindow> {
        mainForm = nullptr;
        return nullptr;
    };

    const QDate today = QDate::currentDate();
    todayYear = today.year();
    todayMonth = today.month();
    todayDay = today.day();

    DataTreeResult tree = ensureDataTree();
    if (!tree.status) {
        tellStartFailure(QStringLiteral("データフォルダーを作成できませんでした。"), tree.status);
        return endHere();
    }

    passwMissing = 0;
    if (!readPassword(rootFilePath("passw.dat")))
        passwMissing = 1;

    {
        LoginWindow login;
        splash.makeRoomBelowTitle(login);
        runModal(login);
        if (!login.accepted())
            return endHere();
        login.unloadWindow();
    }
    if (Status s = writePassword(rootFilePath("passw.dat")); !s) {
        tellStartFailure(QStringLiteral("passw.dat を保存できませんでした。"), s);
        return endHere();
    }

    // The lock: an unreadable or empty file is replaced; of two starts creating it at once,
    // the second finds the first one's file and is warned.
    loginLock = 0;
    const std::string lockPath = rootFilePath("login.dat");
    if (!readLoginLock(lockPath)) {
        std::error_code ec;
        fs::remove(lockPath, ec);
        bool existed = false;
        loginLock = 0;
        if (Status s = createLoginLock(lockPath, existed); !s) {
            tellStartFailure(QStringLiteral("login.dat を保存できませんでした。"), s);
            return endHere();
        }
        loginLock = existed ? 0 : 1;
    }
    if (loginLock == 0) {
        Answer a = msgBox(
            QStringLiteral(
                "このソフトは既に誰かがログインしています。アクセスするとファイルを壊すこ"
                "とになりますが、ソフトの異常終了などで再起動した場合などは「ＯＫ」ボタン"
                "をクリックして強制的にログインしてください。但しこの場合のデータの保証"
                "はありません。"),
            Buttons::OkCancel, Icon::None, Answer::Cancel, QStringLiteral("ログインできません"));
        if (a != Answer::Ok)
            return endHere();
    }

    if (!readIdCounters(rootFilePath("ttid.dat")) && !tree.createdRoot)
        msgBox(QStringLiteral("IDファイルが壊れている可能性があります。新規の個人情報の登録を避"
                              "けてサポート窓口までご連絡ください。"));

    if (!readTaxTable(rootFilePath("opt.dat"))) {
        setStandardTaxRates();
        if (Status s = writeTaxTable(rootFilePath("opt.dat")); !s) {
            tellStartFailure(QStringLiteral("opt.dat を保存できませんでした。"), s);
            releaseOwnLock();
            return endHere();
        }
    }

    main->load();
    splash.unloadWindow();
    showModeless(*main);
    return main;
}

} // namespace lukana
