#pragma once
// A fresh drive with its data root and fresh shared state, for the settings, backup and
// recovery dialogs.
#include "shell/shell_state.h"
#include "storage/atomic_file.h"
#include "storage/paths.h"
#include "storage/state.h"
#include "support/files.h"
#include "support/temp_dir.h"
#include "support/ui_script.h"

#include <filesystem>
#include <gtest/gtest.h>

class SettingsDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        lukana::resetSharedState();
        lukana::resetShellState();
        lukana::driveRoot = drive.str();
        lukana::setWriteFaultHook({});
        std::filesystem::create_directories(lukana::dataRoot());
        lukana::todayYear = 2004;
        lukana::todayMonth = 3;
        lukana::todayDay = 15;
    }
    void TearDown() override { lukana::setWriteFaultHook({}); }

    std::string root(const std::string& name = {}) const {
        return (drive.path() / "ktlukana" / name).string();
    }
    // Registers departments in memory, each with its folder.
    void departments(std::initializer_list<const char*> names) {
        lukana::busyoCount = 0;
        for (const char* name : names) {
            lukana::busyoNames[lukana::busyoCount++] = name;
            std::filesystem::create_directories(root(name));
        }
    }

    TempDir drive;
};
