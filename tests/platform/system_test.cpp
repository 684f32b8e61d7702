#include "platform/dialogs.h"
#include "platform/fonts.h"
#include "platform/registry.h"
#include "platform/translations.h"
#include "support/files.h"
#include "support/temp_dir.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPageSize>
#include <QPrinter>
#include <QRegularExpression>
#include <QSettings>
#include <QTabWidget>
#include <QTimer>
#include <QTreeView>

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

// English as a user meets it: a word of Latin letters holding a small letter, alone ("Cancel")
// or beside Japanese ("レター Extra"). Names such as "OK", "A4" or "JIS B5" and units ("10in",
// "ミリメートル (mm)") read the same in a Japanese dialog.
bool speaksEnglish(const QString& text) {
    static const QRegularExpression word(QStringLiteral("(?<![A-Za-z0-9])[A-Za-z]*[a-z][A-Za-z]*"));
    static const QStringList units{"mm", "cm", "in", "pt", "pc"};
    for (const auto& match : word.globalMatch(text))
        if (!units.contains(match.captured()))
            return true;
    return false;
}

// The texts a user reads in a dialog, its file names aside.
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
    // The folder list, and the file types the program names itself, aside.
    for (auto* w : dialog.findChildren<QComboBox*>())
        if (w->objectName() != QLatin1String("lookInCombo") &&
            w->objectName() != QLatin1String("fileTypeCombo"))
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

// What a file dialog lists of each entry of its folder, once its list has read the folder:
// "name: size | type | date", in the order listed.
QStringList listedEntries(QDialog& dialog, int entries) {
    auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    if (!view)
        return {};
    const QAbstractItemModel* model = view->model();
    QDeadlineTimer deadline(10000);
    while (model->rowCount(view->rootIndex()) < entries && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    QStringList listed;
    for (int row = 0; row < model->rowCount(view->rootIndex()); ++row) {
        const QModelIndex name = model->index(row, 0, view->rootIndex());
        listed << name.data().toString() + QStringLiteral(": ") +
                      QStringList{name.siblingAtColumn(1).data().toString(),
                                  name.siblingAtColumn(2).data().toString(),
                                  name.siblingAtColumn(3).data().toString()}
                          .join(QStringLiteral(" | "));
    }
    listed.sort();
    return listed;
}

} // namespace

TEST(Translations, PrintPageSetupAndFileDialogsShowNoEnglishText) {
    installQtJapanese();
    // A folder and a file the file dialogs list: their sizes, types and dates are written in
    // Japanese too.
    TempDir folder;
    const QString root = QString::fromStdString(folder.str());
    ASSERT_TRUE(QDir(root).mkdir(QStringLiteral("sub")));
    writeBytes((root + QStringLiteral("/a.csv")).toStdString(), std::string(85, 'a'));
    const auto date = [&](const char* name) {
        return QLocale(QLocale::Japanese, QLocale::Japan)
            .toString(QFileInfo(root + QLatin1Char('/') + QLatin1String(name)).lastModified(),
                      QLocale::ShortFormat)
            .toStdString();
    };
    // The model sorts its rows on a later timer, so the entries are compared in name order.
    const std::string listedInJapanese = "a.csv: 85 バイト | CSV ドキュメント | " + date("a.csv") +
                                         "\nsub:  | フォルダ | " + date("sub");
    const auto listed = [](QStringList& into) {
        return [&into](QDialog& d) { into = listedEntries(d, 2); };
    };
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFileName(root + QStringLiteral("/b.pdf"));

    QStringList print;
    QStringList browsed;
    inspectNextDialog(print, [&](QDialog& d) {
        // The printer's properties and the file to print to open from buttons of the dialog.
        for (auto* b : d.findChildren<QAbstractButton*>()) {
            if (b->objectName() == QLatin1String("properties") && b->isEnabled()) {
                inspectNextDialog(print);
                b->click();
            }
            if (b->objectName() == QLatin1String("fileBrowser") && b->isEnabled()) {
                inspectNextDialog(print, listed(browsed));
                b->click();
            }
        }
    });
    EXPECT_FALSE(choosePrinter(printer));
    EXPECT_EQ(print, QStringList{});
    EXPECT_EQ(browsed.join(QStringLiteral("\n")).toStdString(), listedInJapanese);

    QStringList pageSetup;
    QPageSetupDialog setup(&printer);
    setup.show();
    pageSetup << englishTexts(setup);
    EXPECT_EQ(pageSetup, QStringList{});

    QStringList file;
    QStringList saved;
    inspectNextDialog(file, listed(saved));
    EXPECT_FALSE(
        chooseSaveFile({QStringLiteral("名前を付けて保存"), QStringLiteral("csvﾌｧｲﾙ (*.csv)"),
                        QStringLiteral("b.csv"), root}));
    EXPECT_EQ(file, QStringList{});
    EXPECT_EQ(saved.join(QStringLiteral("\n")).toStdString(), listedInJapanese);
}

TEST(Translations, EveryPageSizeHasAWhollyJapaneseName) {
    installQtJapanese();
    QStringList english;
    for (int id = 0; id <= QPageSize::LastPageSize; ++id) {
        const QString name = QPageSize::name(QPageSize::PageSizeId(id));
        if (speaksEnglish(name))
            english << name;
    }
    EXPECT_EQ(english.join(QStringLiteral(", ")).toStdString(), "");
}
