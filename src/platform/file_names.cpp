#include "file_names.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <array>

namespace lukana::platform {

namespace {

std::array<QString, 2>& remembered() {
    static std::array<QString, 2> folders;
    return folders;
}

QString& folderOf(FileKind kind) {
    return remembered()[kind == FileKind::Csv ? 0 : 1];
}

QString documentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

bool forbidden(QChar c) {
    return c.unicode() < 0x20 || QStringLiteral("\\/:*?\"<>|").contains(c);
}

} // namespace

QString fileNameFrom(const QStringList& parts) {
    QStringList kept;
    for (const QString& part : parts) {
        QString clean = part.trimmed();
        for (QChar& c : clean)
            if (forbidden(c))
                c = QLatin1Char('_');
        if (!clean.isEmpty())
            kept << clean;
    }
    return kept.join(QLatin1Char('_'));
}

QString fileDate(int year, int month, int day) {
    QString text = QStringLiteral("%1%2")
                       .arg(year, 4, 10, QLatin1Char('0'))
                       .arg(month, 2, 10, QLatin1Char('0'));
    if (day > 0)
        text += QStringLiteral("%1").arg(day, 2, 10, QLatin1Char('0'));
    return text;
}

QString lastFolder(FileKind kind) {
    const QString& folder = folderOf(kind);
    // A folder removed since (a USB stick taken out) is no place to propose.
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : documentsFolder();
}

void rememberFolder(FileKind kind, const QString& filePath) {
    const QString folder = QFileInfo(filePath).absolutePath();
    if (!folder.isEmpty())
        folderOf(kind) = folder;
}

void forgetFolders() {
    remembered() = {};
}

} // namespace lukana::platform
