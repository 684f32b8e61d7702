#pragma once
// The department register opened through its opener, over the two departments of
// RegisterTest, with a program folder of its own for the lookup tables.
#include "register_fixture.h"
#include "registers/department_register.h"
#include "registers/openers.h"

#include <QPushButton>

#include <functional>

class DepartmentRegisterTest : public RegisterTest {
  protected:
    void SetUp() override {
        RegisterTest::SetUp();
        lukana::programDir = program.str();
    }
    void TearDown() override {
        lukana::programDir.clear();
        RegisterTest::TearDown();
    }

    static std::string misenaPath() { return lukana::rootFilePath("misena.dat"); }
    // misena.dat as the departments in memory stand.
    static void saveMisena() { ASSERT_TRUE(lukana::writeDepartments(misenaPath()).ok()); }
    static void noDepartments() {
        lukana::busyoCount = 0;
        lukana::rebuildBusyoLists();
    }
    static bool folderExists(const std::string& name) {
        return std::filesystem::is_directory(lukana::busyoFolderPath(name));
    }

    // Opens the register through its opener and hands it to act; a window act leaves open is
    // then unloaded without the leave question.
    static void withRegister(TestScript& script,
                             std::function<void(lukana::DepartmentRegister&)> act) {
        script.window<lukana::DepartmentRegister>([act](lukana::DepartmentRegister& w) {
            act(w);
            if (w.isOpen())
                w.unloadWindow();
        });
        lukana::openDepartmentRegister();
    }

    TempDir program;
};
