#include "translations.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstring>

namespace lukana::platform {

namespace {

// The texts of the print and page-setup dialogs that Qt's own Japanese translation lacks or
// leaves half English.
struct OwnText {
    const char* context;
    const char* source;
    const char* japanese;
};
constexpr OwnText kOwnTexts[] = {
    {"QPrintSettingsOutput", "Pages", "ページ指定"},
    {"QPrintSettingsOutput", "Double Sided Printing", "両面印刷"},
    {"QPrintSettingsOutput", "Off", "片面"},
    {"QPrintSettingsOutput", "Long side binding", "長辺綴じ"},
    {"QPrintSettingsOutput", "Short side binding", "短辺綴じ"},
    {"QPrintPropertiesWidget", "Advanced", "詳細設定"},
    {"QPrintPropertiesWidget", "There are conflicts in some options. Please fix them.",
     "競合しているオプションがあります。直してください。"},
    {"QPageSize", "A3 Extra", "A3 エクストラ"},
    {"QPageSize", "A4 Extra", "A4 エクストラ"},
    {"QPageSize", "A4 Plus", "A4 プラス"},
    {"QPageSize", "A4 Small", "A4 スモール"},
    {"QPageSize", "A5 Extra", "A5 エクストラ"},
    {"QPageSize", "B5 Extra", "B5 エクストラ"},
    {"QPageSize", "Super A", "スーパー A"},
    {"QPageSize", "Super B", "スーパー B"},
    // Qt's translation leaves these half English ("レター Extra").
    {"QPageSize", "Legal Extra", "リーガル エクストラ"},
    {"QPageSize", "Letter Extra", "レター エクストラ"},
    {"QPageSize", "Letter Plus", "レター プラス"},
    {"QPageSize", "Letter Small", "レター スモール"},
};

// Answers only for its own table; every other text falls through to Qt's translation.
class OwnJapanese : public QTranslator {
  public:
    using QTranslator::QTranslator;
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override {
        (void)disambiguation;
        (void)n;
        if (!context || !source)
            return {};
        for (const OwnText& t : kOwnTexts)
            if (std::strcmp(context, t.context) == 0 && std::strcmp(source, t.source) == 0)
                return QString::fromUtf8(t.japanese);
        return {};
    }
    bool isEmpty() const override { return false; }
};

// Qt's file list writes sizes and modification times in the system's locale, whatever the
// default one, and names a folder's type untranslated; they follow the default (Japanese)
// locale instead.
class LocalListing : public QIdentityProxyModel {
  public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& index, int role) const override {
        constexpr int kSizeColumn = 1, kTypeColumn = 2, kModifiedColumn = 3;
        auto* files = qobject_cast<QFileSystemModel*>(sourceModel());
        if (!files || role != Qt::DisplayRole)
            return QIdentityProxyModel::data(index, role);
        const QModelIndex source = mapToSource(index);
        switch (index.column()) {
        case kSizeColumn:
            if (!files->isDir(source))
                return QLocale().formattedDataSize(files->size(source));
            break;
        case kTypeColumn:
            if (files->isDir(source))
                return QStringLiteral("フォルダ");
            break;
        case kModifiedColumn:
            return QLocale().toString(files->lastModified(source), QLocale::ShortFormat);
        default:
            break;
        }
        return QIdentityProxyModel::data(index, role);
    }
};

// Gives every file dialog the program shows its list in Japanese as it opens, those the
// print dialog opens itself included. A native dialog has no such list and is left alone.
class FileDialogListing : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show)
            if (auto* dialog = qobject_cast<QFileDialog*>(watched); dialog && !dialog->proxyModel())
                dialog->setProxyModel(new LocalListing(dialog));
        return false;
    }
};

} // namespace

bool installQtJapanese() {
    // Dates and file types in the dialogs follow the default locale, not the system's.
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    // Lives as long as the application: the translator must outlive every dialog.
    auto* translator = new QTranslator(QCoreApplication::instance());
    const bool loaded =
        translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (loaded)
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
    // Installed last, so asked first.
    QCoreApplication::installTranslator(new OwnJapanese(QCoreApplication::instance()));
    QCoreApplication::instance()->installEventFilter(
        new FileDialogListing(QCoreApplication::instance()));
    return loaded;
}

} // namespace lukana::platform
