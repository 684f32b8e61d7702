// Backup and recovery of the data root, and the id counters after a recovery.
#include "settings_dialog_fixture.h"
#include "shell/backup.h"
#include "shell/data_transfer.h"
#include "shell/id_counter_merge.h"
#include "storage/masters.h"

#include <QDir>
#include <QPushButton>

using namespace lukana;
using platform::Answer;
namespace fs = std::filesystem;

namespace {

// Every file below a folder with its bytes, by relative path.
std::map<std::string, std::string> treeOf(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(folder))
        if (e.is_regular_file())
            files[fs::relative(e.path(), folder).generic_string()] = readBytes(e.path().string());
    return files;
}

class BackupTest : public SettingsDialogTest {
  protected:
    void SetUp() override {
        SettingsDialogTest::SetUp();
        fs::create_directories(root("本店"));
        writeBytes(root("misena.dat"), "departments\r\n");
        writeBytes(root("login.dat"), " 0\r\n");
        writeBytes(root("本店/simebi.dat"), " 20\r\n 25\r\n 31\r\n 15\r\n");
        setVolumeListHook([this] {
            return std::vector<VolumeEntry>{{QString::fromStdString(usb.str()), "USB"}};
        });
        setFolderChoiceHook({});
        setRestoreFaultHook({});
    }
    void TearDown() override {
        setVolumeListHook({});
        setFolderChoiceHook({});
        setRestoreFaultHook({});
        SettingsDialogTest::TearDown();
    }
    std::string usbRoot(const std::string& name = {}) const {
        return (usb.path() / "ktlukana" / name).string();
    }
    // Opens the dialog, lets act press its buttons, and returns the texts of the boxes shown.
    template <class Dialog> QStringList run(TestScript& script, std::function<void(Dialog&)> act) {
        Dialog w;
        script.template window<Dialog>(act);
        runModal(w);
        QStringList texts;
        for (const auto& box : script.boxes())
            texts << box.text;
        return texts;
    }

    TempDir usb;
};

using RecoveryTest = BackupTest;

} // namespace

TEST_F(BackupTest, BackupCopiesTheDataRootIntoTheChosenVolume) {
    // An older backup: a file of the same name is replaced, one the data root lacks stays.
    fs::create_directories(usbRoot("閉店"));
    writeBytes(usbRoot("misena.dat"), "old\r\n");
    writeBytes(usbRoot("閉店/simebi.dat"), " 1\r\n");
    TestScript script;
    script.answer(Answer::Ok);
    const QStringList boxes = run<BackupDialog>(script, [&](BackupDialog& d) {
        EXPECT_EQ(d.windowTitle(), "データのバックアップ");
        EXPECT_EQ(d.driveChoice()->currentText(), QString::fromStdString(usb.str()) + " (USB)");
        EXPECT_EQ(backupDrive, usb.str());
        d.okButton()->click();
    });
    EXPECT_EQ(boxes, QStringList{"バックアップが正常に終了しました"});
    auto expected = treeOf(root());
    expected["閉店/simebi.dat"] = " 1\r\n";
    expected.erase("login.dat"); // the lock of the running program stays behind
    EXPECT_EQ(treeOf(usbRoot()), expected);
}

TEST_F(BackupTest, TheLoginLockIsNeitherBackedUpNorRecovered) {
    // An older backup that took the lock along.
    fs::create_directories(usbRoot());
    writeBytes(usbRoot("login.dat"), " 0\r\n");
    ASSERT_TRUE(backupDataRoot(usb.str()).ok());
    EXPECT_FALSE(fs::exists(usbRoot("login.dat")));
    EXPECT_EQ(readBytes(usbRoot("misena.dat")), "departments\r\n");

    // A backup holding a lock, restored over a tree without one and over one with its own.
    for (bool rootHasLock : {false, true}) {
        writeBytes(usbRoot("login.dat"), " 1\r\n");
        fs::remove(root("login.dat"));
        if (rootHasLock)
            writeBytes(root("login.dat"), " 0\r\n");
        const RestoreOutcome restored = restoreDataRoot(usb.str());
        ASSERT_TRUE(restored.status.ok()) << restored.status.message();
        EXPECT_EQ(fs::exists(root("login.dat")), rootHasLock);
        if (rootHasLock) {
            EXPECT_EQ(readBytes(root("login.dat")), " 0\r\n");
        }
        EXPECT_EQ(readBytes(root("本店/simebi.dat")), " 20\r\n 25\r\n 31\r\n 15\r\n");
    }
}

TEST_F(BackupTest, TheDataRootsOwnDriveIsRefusedBeforeAnythingIsCopied) {
    fs::create_directories(root("本店/sub"));
    for (const std::string& chosen : {drive.str(), root(), root("本店/sub")}) {
        setVolumeListHook([&] {
            return std::vector<VolumeEntry>{{QString::fromStdString(chosen), ""}};
        });
        TestScript backup;
        backup.answer(Answer::Ok);
        EXPECT_EQ(run<BackupDialog>(backup,
                                    [](BackupDialog& d) {
                                        d.okButton()->click();
                                        d.cancelButton()->click();
                                    }),
                  QStringList{"同じドライブには処理できません。"})
            << chosen;
        recovDone = 1;
        TestScript recovery;
        recovery.answer(Answer::Ok);
        EXPECT_EQ(run<RecoveryDialog>(recovery,
                                      [](RecoveryDialog& d) {
                                          d.okButton()->click();
                                          d.cancelButton()->click();
                                      }),
                  QStringList{"同じドライブから処理できません。"})
            << chosen;
        EXPECT_EQ(recovDone, 0); // Cancel
    }
    EXPECT_FALSE(fs::exists(root("ktlukana")));
    EXPECT_FALSE(fs::exists(root("本店/sub/ktlukana")));
    // The same through a link to the data root's drive.
    fs::create_directory_symlink(drive.path(), usb.path() / "link");
    EXPECT_TRUE(isSameDrive((usb.path() / "link").string()));
    EXPECT_FALSE(isSameDrive(usb.str()));
    EXPECT_FALSE(isSameDrive(drive.str() + "/ktlukanabu"));
}

TEST_F(BackupTest, ChoosingTheFolderOrAVolumeThatIsNotThere) {
    const std::string gone = (usb.path() / "unplugged").string();
    const std::string other = (usb.path() / "elsewhere").string();
    fs::create_directories(other);
    setVolumeListHook([&] {
        return std::vector<VolumeEntry>{{QString::fromStdString(usb.str()), "USB"},
                                        {QString::fromStdString(gone), "DVD"}};
    });
    setFolderChoiceHook([&](const QString& start) {
        EXPECT_EQ(start, QDir::homePath());
        return QString::fromStdString(other);
    });
    TestScript script;
    script.answer(Answer::Ok).answer(Answer::Ok);
    const QStringList boxes = run<BackupDialog>(script, [&](BackupDialog& d) {
        d.driveChoice()->setListIndex(1);
        EXPECT_EQ(backupDrive, usb.str());
        EXPECT_EQ(d.driveChoice()->listIndex(), 0);
        d.otherFolderButton()->click();
        EXPECT_EQ(backupDrive, other);
        d.okButton()->click();
    });
    EXPECT_EQ(boxes,
              (QStringList{"デバイスが準備されていません", "バックアップが正常に終了しました"}));
    EXPECT_EQ(readBytes(other + "/ktlukana/misena.dat"), "departments\r\n");
}

TEST_F(BackupTest, NoVolumeChosenIsRefused) {
    setVolumeListHook([] { return std::vector<VolumeEntry>{}; });
    TestScript script;
    script.answer(Answer::Ok);
    EXPECT_EQ(run<BackupDialog>(script,
                                [](BackupDialog& d) {
                                    d.okButton()->click();
                                    d.cancelButton()->click();
                                }),
              QStringList{"フォルダが選択されていません"});
}

TEST_F(RecoveryTest, RecoveryRestoresTheBackupOverTheDataRootAndEndsTheRun) {
    ASSERT_TRUE(backupDataRoot(usb.str()).ok());
    const auto backup = treeOf(usbRoot());
    // Since the backup: a file changed, one added, a department added.
    writeBytes(root("misena.dat"), "changed\r\n");
    fs::remove(root("login.dat"));
    fs::create_directories(root("支店"));
    writeBytes(root("支店/simebi.dat"), " 5\r\n");

    TestScript script;
    script.answer(Answer::Ok);
    const QStringList boxes = run<RecoveryDialog>(script, [](RecoveryDialog& d) {
        EXPECT_EQ(d.windowTitle(), "データのリカバリー");
        d.okButton()->click();
        EXPECT_FALSE(d.isOpen());
    });
    EXPECT_EQ(boxes, QStringList{"リカバリーが正常に終了しました。リカバリーしたデータを利用するた"
                                 "めにソフトを終了しますので、もう一度起動してください。"});
    EXPECT_EQ(recovDone, 1);
    auto expected = backup;
    expected["支店/simebi.dat"] = " 5\r\n"; // what only the data root holds stays
    EXPECT_EQ(treeOf(root()), expected);
    EXPECT_FALSE(fs::exists(stagingFolder()));
}

TEST_F(RecoveryTest, AFailureBeforeTheDataRootIsTouchedLeavesItAsItWas) {
    ASSERT_TRUE(backupDataRoot(usb.str()).ok());
    writeBytes(root("misena.dat"), "changed\r\n");
    writeBytes(root("本店/simebi.dat"), " 1\r\n");
    const auto before = treeOf(root());

    struct Case {
        const char* what;
        std::function<void()> arrange, undo;
    };
    int writes = 0;
    const Case cases[] = {
        {"the staging copy fails half-way",
         [&] {
             writes = 0;
             setWriteFaultHook(
                 [&](WriteStage s) { return s == WriteStage::Create && ++writes == 2; });
         },
         [] { setWriteFaultHook({}); }},
        {"a backup file where the data root has a folder",
         [&] {
             writeBytes(usbRoot("本店/extra.dat"), "x");
             fs::create_directories(root("本店/extra.dat"));
         },
         [&] {
             fs::remove(usbRoot("本店/extra.dat"));
             fs::remove(root("本店/extra.dat"));
         }},
    };
    for (const Case& c : cases) {
        c.arrange();
        TestScript script;
        script.answer(Answer::Ok);
        const QStringList boxes = run<RecoveryDialog>(script, [&](RecoveryDialog& d) {
            d.okButton()->click();
            EXPECT_TRUE(d.isOpen()) << c.what;
            d.cancelButton()->click();
        });
        c.undo();
        ASSERT_EQ(boxes.size(), 1) << c.what;
        EXPECT_TRUE(boxes[0].startsWith("リカバリー失敗しました。\r本体のデータは元のままです。"))
            << c.what;
        EXPECT_EQ(recovDone, 0) << c.what;
        EXPECT_EQ(treeOf(root()), before) << c.what;
        EXPECT_FALSE(fs::exists(stagingFolder())) << c.what;
    }
}

TEST_F(RecoveryTest, AFailureAfterTheDataRootWasTouchedEndsTheRun) {
    ASSERT_TRUE(backupDataRoot(usb.str()).ok());
    setRestoreFaultHook([](const std::string& rel) { return rel == "本店/simebi.dat"; });
    TestScript script;
    script.answer(Answer::Ok);
    const QStringList boxes = run<RecoveryDialog>(script, [](RecoveryDialog& d) {
        d.okButton()->click();
        EXPECT_FALSE(d.isOpen());
    });
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(
        boxes[0].startsWith("リカバリー失敗しました。\r本体のデータは一部だけ置き換えられて"));
    EXPECT_EQ(recovDone, 1); // the main window ends the run
}

TEST_F(RecoveryTest, AVolumeWithoutBackupOrOverlappingTheStagingFolderIsRefused) {
    TestScript script;
    script.answer(Answer::Ok);
    EXPECT_EQ(run<RecoveryDialog>(script,
                                  [](RecoveryDialog& d) {
                                      d.okButton()->click();
                                      d.cancelButton()->click();
                                  }),
              QStringList{"そのドライブにバックアップデータはありません"});

    fs::create_directories(stagingFolder() + "/ktlukana");
    setVolumeListHook([] {
        return std::vector<VolumeEntry>{{QString::fromStdString(stagingFolder()), ""}};
    });
    TestScript overlap;
    overlap.answer(Answer::Ok);
    EXPECT_EQ(run<RecoveryDialog>(overlap,
                                  [](RecoveryDialog& d) {
                                      d.okButton()->click();
                                      d.cancelButton()->click();
                                  }),
              QStringList{"コピー元とコピー先が重なっているため処理できません。"});
    EXPECT_TRUE(fs::exists(stagingFolder() + "/ktlukana"));
}

TEST_F(RecoveryTest, CountersAfterARecoveryAreTheLargerOfMemoryAndTheRestoredFile) {
    ttidSiire = 40;
    ttidTekiyou = 16;
    ttidKyoutuu = 7;
    // Slots in file order; the file ends after the seventh.
    writeBytes(root("ttid.dat"), " 0\r\n 0\r\n 0\r\n 0\r\n 12\r\n 36\r\n 14\r\n");
    ASSERT_TRUE(mergeIdCountersWithFile(root("ttid.dat")).ok());
    EXPECT_EQ(ttidSiire, 40);
    EXPECT_EQ(ttidTekiyou, 36);
    EXPECT_EQ(ttidTy, 14);
    EXPECT_EQ(ttidKyoutuu, 7);

    EXPECT_FALSE(mergeIdCountersWithFile(root("missing.dat")).ok());
    EXPECT_EQ(ttidTekiyou, 36);
    EXPECT_EQ(ttidSiire, 40);
}
