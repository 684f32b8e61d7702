#include "platform/fonts.h"
#include "platform/registry.h"
#include "support/temp_dir.h"

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
