#pragma once
// A fresh drive root with two departments, fresh shared state, and helpers to drive a
// register window as the user would.
#include "platform/message_box.h"
#include "platform/pointer.h"
#include "registers/rename_dialogs.h"
#include "storage/atomic_file.h"
#include "storage/cp932.h"
#include "storage/masters.h"
#include "storage/paths.h"
#include "storage/state.h"
#include "support/departments.h"
#include "support/files.h"
#include "support/temp_dir.h"
#include "support/ui_script.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>

#include <filesystem>
#include <gtest/gtest.h>
#include <initializer_list>

class RegisterTest : public ::testing::Test {
  protected:
    void SetUp() override {
        lukana::resetSharedState();
        lukana::supplierRenameMode = 0;
        lukana::driveRoot = drive.str();
        lukana::setWriteFaultHook({});
        std::filesystem::create_directories(lukana::dataRoot());
        addBusyo("本店", 2);
        addBusyo("支店", 4);
        lukana::ttidKyoutuu = 4;
        lukana::curBusyo = 0;
    }
    void TearDown() override {
        lukana::setWriteFaultHook({});
        lukana::platform::setMousePointer(lukana::platform::Pointer::Normal);
    }

    static std::string departmentFile(const std::string& busyo, const std::string& name) {
        return lukana::busyoFilePath(busyo, name);
    }
    // The values as a data file holds them: code page 932, each followed by CR LF.
    static std::string lines(std::initializer_list<std::string> values) {
        std::string bytes;
        for (const std::string& v : values)
            bytes += *lukana::toCp932(v) + "\r\n";
        return bytes;
    }
    // ttid.dat with every counter 0 but the shared one of departments and menus.
    static std::string ttidWithKyoutuu(int value) {
        std::string bytes;
        for (int i = 0; i < 9; ++i)
            bytes += " 0\r\n";
        return bytes + " " + std::to_string(value) + "\r\n";
    }

    static void pressEnter(QWidget* widget) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QApplication::sendEvent(widget, &press);
    }
    static void clickRow(QListWidget* list, int row) { clickListRow(list, row); }
    static QStringList rows(const QListWidget* list) {
        QStringList names;
        for (int i = 0; i < list->count(); ++i)
            names << list->item(i)->text();
        return names;
    }

    TempDir drive;
};
