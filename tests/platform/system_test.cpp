#include "platform/dialogs.h"
#include "platform/fonts.h"
#include "platform/registry.h"
#include "platform/translations.h"
#include "support/temp_dir.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QSettings>
#include <QTabWidget>
#include <QTimer>

#include <functional>
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

namespace {

// English as a user meets it: a text of ASCII only with a word holding a small letter. Names
// such as "OK", "A4" or "JIS B5" read the same in a Japanese dialog.
bool speaksEnglish(const QString& text) {
    for (QChar c : text)
        if (c.unicode() > 127)
            return false;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        const QChar a = text[i], b = text[i + 1];
        const auto letter = [](QChar c) { return c.isLetter(); };
        if (letter(a) && letter(b) && (a.isLower() || b.isLower()))
            return true;
    }
    return false;
}

// The texts a user reads in a dialog, its file names (the folder list) aside.
QStringList englishTexts(QWidget& dialog) {
    QStringList found;
    const auto check = [&](const QString& text) {
        if (speaksEnglish(text))
            found << text;
    };
    check(dialog.windowTitle());
    for (auto* w : dialog.findChildren<QLabel*>())
        check(w->text());
    for (auto* w : dialog.findChildren<QAbstractButton*>())
        check(w->text());
    for (auto* w : dialog.findChildren<QGroupBox*>())
        check(w->title());
    for (auto* w : dialog.findChildren<QComboBox*>())
        if (w->objectName() != QLatin1String("lookInCombo"))
            for (int i = 0; i < w->count(); ++i)
                check(w->itemText(i));
    for (auto* w : dialog.findChildren<QTabWidget*>())
        for (int i = 0; i < w->count(); ++i)
            check(w->tabText(i));
    return found;
}

// Runs once the dialog opened next is up: collects its English texts and closes it.
void inspectNextDialog(QStringList& found, const std::function<void(QDialog&)>& more = {}) {
    QTimer::singleShot(0, [&found, more] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        found << englishTexts(*dialog);
        if (more)
            more(*dialog);
        dialog->reject();
    });
}

} // namespace

TEST(Translations, PrintPageSetupAndFileDialogsShowNoEnglishText) {
    installQtJapanese();
    QPrinter printer(QPrinter::HighResolution);

    QStringList print;
    inspectNextDialog(print, [&](QDialog& d) {
        // The printer's properties open from a button of the print dialog.
        for (auto* b : d.findChildren<QAbstractButton*>())
            if (b->objectName() == QLatin1String("properties") && b->isEnabled()) {
                inspectNextDialog(print);
                b->click();
            }
    });
    EXPECT_FALSE(choosePrinter(printer));
    EXPECT_EQ(print, QStringList{});

    QStringList pageSetup;
    QPageSetupDialog setup(&printer);
    setup.show();
    pageSetup << englishTexts(setup);
    EXPECT_EQ(pageSetup, QStringList{});

    QStringList file;
    inspectNextDialog(file);
    EXPECT_FALSE(
        chooseSaveFile({QStringLiteral("名前を付けて保存"), QStringLiteral("csvﾌｧｲﾙ (*.csv)"),
                        QStringLiteral("a.csv"), QDir::tempPath()}));
    EXPECT_EQ(file, QStringList{});
}
