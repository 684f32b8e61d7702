#include "platform/fonts.h"
#include "platform/registry.h"
#include "platform/translations.h"
#include "support/temp_dir.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <QSettings>

#include <gtest/gtest.h>

using namespace lukana::platform;

TEST(Fonts, WindowsFontNamesRenderWithInstalledFonts) {
    installFonts();
    struct Case {
        const char* asked;
        const char* rendered;
    };
    for (auto [asked, rendered] :
         {Case{"ＭＳ ゴシック", "IPAGothic"}, Case{"ＭＳ Ｐゴシック", "IPAPGothic"},
          Case{"ＭＳ 明朝", "IPAMincho"}, Case{"Courier New", "Liberation Mono"}}) {
        QFontInfo info(QFont(QString::fromUtf8(asked)));
        EXPECT_EQ(info.family(), rendered) << asked;
    }
}

TEST(Registry, WritesIniValuesUnderTheApplicationTitle) {
    TempDir dir;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       QString::fromStdString(dir.str()));
    ASSERT_TRUE(saveSetting("Settings", "MainLeft", "1500"));
    QSettings check(QSettings::IniFormat, QSettings::UserScope, "ルカナ", "ルカナ");
    EXPECT_EQ(check.value("Settings/MainLeft").toString(), "1500");
    EXPECT_TRUE(check.fileName().startsWith(QString::fromStdString(dir.str())));
}

TEST(Translations, StandardDialogsSpeakJapanese) {
    // The texts the standard dialogs take their buttons and labels from.
    const auto cancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
    const auto lookIn = [] { return QCoreApplication::translate("QFileDialog", "Look in:"); };
    ASSERT_TRUE(installQtJapanese());
    EXPECT_EQ(cancel(), QStringLiteral("キャンセル"));
    EXPECT_NE(lookIn(), QStringLiteral("Look in:"));
}
