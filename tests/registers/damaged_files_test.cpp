// Register files that exist but cannot be read are moved aside before a save can replace them.
#include "department_fixture.h"
#include "platform/text.h"
#include "registers/damaged_files.h"
#include "registers/register_window.h"

#include <QPushButton>

#include <functional>

using namespace lukana;
using namespace lukana::platform;
namespace fs = std::filesystem;

namespace {

class DamagedFilesTest : public DepartmentRegisterTest {
  protected:
    void TearDown() override {
        setMoveAsideHook({});
        DepartmentRegisterTest::TearDown();
    }
    // The copies moved aside next to path.
    static std::vector<fs::path> asideCopies(const std::string& path) {
        const fs::path file(path);
        std::vector<fs::path> found;
        for (const auto& e : fs::directory_iterator(file.parent_path()))
            if (e.path().filename().string().starts_with(file.filename().string() + ".broken-"))
                found.push_back(e.path());
        return found;
    }
};

} // namespace

TEST_F(DamagedFilesTest, EachRegisterMovesADamagedFileAsideTellsAndSavesAroundIt) {
    struct Case {
        const char* what;
        std::function<std::string()> path;
        std::string damaged; // the count promises more entries than follow
        void (*open)();
    };
    const Case cases[] = {
        {"menu items", [] { return departmentFile("本店", "menud.dat"); },
         lines({" 3", " 10", "B01", " 8", "Beer", " 500"}), openMenuItemRegister},
        {"categories of the menu items", [] { return departmentFile("本店", "mbun.dat"); },
         lines({" 3", " 6", "Drinks"}), openMenuItemRegister},
        {"menu categories", [] { return departmentFile("本店", "mbun.dat"); },
         lines({" 3", " 6", "Drinks"}), openMenuCategoryRegister},
        {"suppliers", [] { return rootFilePath("siire.dat"); },
         lines({" 3", "A", " 10", " 0", " 20"}), openSupplierRegister},
        {"departments of the suppliers", [] { return rootFilePath("misena.dat"); },
         lines({" 3", "本店", " 2"}), openSupplierRegister},
        {"banks", [] { return departmentFile("支店", "kouza.dat"); },
         lines({" 3", "りそな", " 20"}), openBankRegister},
        {"departments", [] { return rootFilePath("misena.dat"); }, lines({" 3", "本店", " 2"}),
         openDepartmentRegister},
    };
    denpyouBusyo = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = c.path();
        const QString file = fileNameText(path);
        auto openAndSave = [&](TestScript& script) {
            script.window<RegisterWindow>([](RegisterWindow& w) {
                w.saveButton()->click();
                w.backButton()->click();
            });
            c.open();
        };
        {
            fs::remove(path);
            TestScript script;
            openAndSave(script);
            EXPECT_TRUE(script.boxes().empty()); // a missing file is no news
        }
        fs::remove(path);
        writeBytes(path, c.damaged);
        TestScript script;
        script.answer(Answer::Ok);
        openAndSave(script);
        const auto aside = asideCopies(path);
        ASSERT_EQ(aside.size(), 1u);
        EXPECT_EQ(readBytes(aside[0].string()), c.damaged);
        ASSERT_EQ(script.boxes().size(), 1u);
        const MessageBoxRecord& box = script.boxes()[0];
        EXPECT_TRUE(box.text.startsWith(file + " が壊れていて読めませんでした。"))
            << box.text.toStdString();
        EXPECT_EQ(box.text.section('\r', -1).toStdString(), aside[0].string());
        EXPECT_EQ(box.icon, Icon::Warning);
        EXPECT_EQ(box.buttons, Buttons::Ok);
        fs::remove(aside[0]);
    }
}

TEST_F(DamagedFilesTest, AFileThatCannotBeMovedIsToldAndNeverWrittenOver) {
    // A name too long for any aside name, yet short enough for the writer's temporary file:
    // only the refusal keeps a save off it.
    const std::string stuck = (fs::path(dataRoot()) / std::string(240, 'k')).string();
    const std::string damaged = lines({" 3", "りそな", " 20"});
    writeBytes(stuck, damaged);
    RegisterFileGuard guard;
    TestScript script;
    script.answer(Answer::Ok);
    EXPECT_FALSE(guard.read(stuck, readBanks));
    ASSERT_EQ(script.boxes().size(), 1u);
    EXPECT_TRUE(script.boxes()[0].text.endsWith(QString::fromStdString(stuck)));
    EXPECT_EQ(script.boxes()[0].icon, Icon::Warning);

    kouzaCount = 1;
    const Status refused = guard.write(stuck, writeBanks);
    EXPECT_FALSE(refused.ok());
    EXPECT_NE(refused.message().find(stuck), std::string::npos);
    EXPECT_EQ(readBytes(stuck), damaged);
    EXPECT_TRUE(asideCopies(stuck).empty());

    // Any other file is written as ever.
    EXPECT_TRUE(guard.write(rootFilePath("kouza.dat"), writeBanks).ok());

    // Once the file reads again, saves go through.
    writeBytes(stuck, lines({" 1", "りそな", " 20"}));
    EXPECT_TRUE(guard.read(stuck, readBanks));
    EXPECT_TRUE(guard.write(stuck, writeBanks).ok());
    EXPECT_EQ(script.boxes().size(), 1u);
}

TEST_F(DamagedFilesTest, AccountTitlesAndSubAccountsAreNotSavedOverADamagedFileLeftInPlace) {
    const struct {
        const char* file;
        void (*load)(); // what reads the file before the register saves it
        void (*open)();
    } cases[] = {
        {"ty.dat", loadAccountTitlesTelling, [] { openSubAccountRegister(3); }}, // start-up
        {"tekiyou.dat", [] {}, [] { openAccountTitleRegister(2); }}, // it reads the file itself
    };
    setMoveAsideHook([](const std::string&) { return std::optional<std::string>(); });
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string path = rootFilePath(c.file);
        const std::string damaged = lines({" 3", "現金", " 3"});
        writeBytes(path, damaged);
        TestScript script;
        script.answer(Answer::Ok); // told that the file stays
        c.load();
        script.answer(Answer::Ok); // the refused save
        script.window<RegisterWindow>([&](RegisterWindow& w) {
            w.saveButton()->click();
            EXPECT_EQ(readBytes(path), damaged);
            fs::rename(path, path + ".moved"); // the user moves it away
            w.saveButton()->click();
            w.backButton()->click();
        });
        c.open();
        ASSERT_EQ(script.boxes().size(), 2u);
        EXPECT_TRUE(script.boxes()[0].text.endsWith(QString::fromStdString(path)));
        EXPECT_TRUE(script.boxes()[1].text.startsWith(QStringLiteral("保存できませんでした。")));
        EXPECT_TRUE(script.boxes()[1].text.contains(QString::fromStdString(path)));
        EXPECT_NE(readBytes(path), damaged);
        EXPECT_TRUE((std::string(c.file) == "ty.dat" ? readSubAccounts : readAccountTitles)(path));
    }
}
