// The program as a process under a system locale other than Japanese: its dialogs still speak
// Japanese, because its own start-up makes them.
#include "support/temp_dir.h"

#include <QProcess>

#include <gtest/gtest.h>

TEST(ProgramLanguage, StartUpMakesTheDialogsJapaneseWhateverTheSystemLocale) {
    for (const char* locale : {"C", "en_US.UTF-8", "en_GB.UTF-8"}) {
        SCOPED_TRACE(locale);
        TempDir drive;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_CONFIG_HOME", QString::fromStdString(drive.str() + "/config"));
        env.insert("LANG", locale);
        env.insert("LC_ALL", locale);
        env.remove("LANGUAGE");
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(LUKANA_DIALOG_TEXTS, {"--drive", QString::fromStdString(drive.str())});
        ASSERT_TRUE(p.waitForFinished(30000)) << "the login was not answered";
        EXPECT_EQ(p.exitCode(), 0);
        EXPECT_EQ(p.readAllStandardError().count("script:"), 0);
        // The print dialog's title, a page size, a file's date and a file type, then a folder's
        // type and a file's size as a file dialog lists them.
        const QString texts = QString::fromUtf8(p.readAllStandardOutput()).trimmed();
        EXPECT_EQ(texts.toStdString(), "印刷\nレター エクストラ\n2026/12/11 11:58\nCSV ドキュメント"
                                       "\nフォルダ\n85 バイト");
    }
}
