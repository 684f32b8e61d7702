#pragma once
// A fresh drive root, fresh shared state and registry, and helpers to script the start.
#include "platform/pointer.h"
#include "registers/department_register.h"
#include "shell/backup.h"
#include "shell/closing_days.h"
#include "shell/login_files.h"
#include "shell/login_window.h"
#include "shell/main_window.h"
#include "shell/openers.h"
#include "shell/shell_state.h"
#include "shell/startup.h"
#include "shell/window_openers.h"
#include "storage/atomic_file.h"
#include "storage/cp932.h"
#include "storage/paths.h"
#include "storage/state.h"
#include "support/departments.h"
#include "support/files.h"
#include "support/temp_dir.h"
#include "support/ui_script.h"

#include <QPushButton>
#include <QSettings>

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

class ShellTest : public ::testing::Test {
  protected:
    void SetUp() override {
        lukana::resetSharedState();
        lukana::resetShellState();
        lukana::driveRoot = drive.str();
        lukana::mainWindowLinks() = {};
        lukana::setWriteFaultHook({});
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                           QString::fromStdString(drive.str() + "/settings"));
    }
    void TearDown() override { lukana::setWriteFaultHook({}); }

    std::string root(const std::string& name = {}) const {
        return (drive.path() / "ktlukana" / name).string();
    }
    static std::string cp932(const std::string& utf8) { return *lukana::toCp932(utf8); }

    // The login window: types the password and presses OK.
    static std::function<void(lukana::LoginWindow&)> login(const QString& typed) {
        return [typed](lukana::LoginWindow& w) {
            w.passwordBox()->setText(typed);
            w.okButton()->click();
        };
    }
    // The department register at the first start: inserts the name, saves and goes back.
    static std::function<void(lukana::DepartmentRegister&)>
    registerDepartment(const QString& name) {
        return [name](lukana::DepartmentRegister& w) {
            w.nameBox()->setText(name);
            w.editButtons()[0]->click();
            w.saveButton()->click();
            w.backButton()->click();
        };
    }
    // The first start up to the shown main window, registering one department.
    std::unique_ptr<lukana::MainWindow> firstStart(TestScript& script, const QString& pw = "pw") {
        script.window<lukana::LoginWindow>(login(pw));
        script.answer(lukana::platform::Answer::Ok);
        script.window<lukana::DepartmentRegister>(registerDepartment("本店"));
        script.answer(lukana::platform::Answer::Ok);
        return lukana::Main();
    }
    // The first start with every window's real link in place.
    std::unique_ptr<lukana::MainWindow> firstStartWithLinks(TestScript& script) {
        lukana::fillWindowLinks();
        return firstStart(script);
    }
    // Closes the main window with the given answer to the backup question.
    static void exitProgram(TestScript& script, lukana::MainWindow& main,
                            lukana::platform::Answer backup) {
        script.answer(backup);
        main.button("exitButton")->click();
    }
    // A later start on the existing tree, resetting memory as a new run would.
    // then scripts what follows the login.
    std::unique_ptr<lukana::MainWindow> laterStart(TestScript& script, const QString& pw = "pw",
                                                   const std::function<void()>& then = {}) {
        lukana::resetSharedState();
        lukana::resetShellState();
        lukana::driveRoot = drive.str();
        script.window<lukana::LoginWindow>(login(pw));
        if (then)
            then();
        return lukana::Main();
    }

    TempDir drive;
};
