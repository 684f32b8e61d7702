#include "damaged_file.h"

#include "message_box.h"
#include "text.h"

namespace lukana::platform {

QString movedAsideMessage(const QString& file, const std::string& movedTo, bool rebuilt) {
    const QString what = rebuilt ? QStringLiteral("%1 が壊れていて読めなかったため、"
                                                  "初期の内容で作り直しました。")
                                 : QStringLiteral("%1 が壊れていて読めませんでした。");
    // The path goes last, on a line of its own, so that it can be copied whole.
    return (what + QStringLiteral("\r壊れたファイルは次の場所に移してあります。\r%2"))
        .arg(file, QString::fromStdString(movedTo));
}

QString notMovedAsideMessage(const QString& file, const std::string& path,
                             const QString& keptNote) {
    const QString note =
        keptNote.isEmpty() ? QStringLiteral("このファイルはそのまま残し、上書きの保存はしません。")
                           : keptNote;
    return QStringLiteral("%1 が壊れていて読めず、別の名前に移すこともできませんでした。\r%2\r%3")
        .arg(file, note, QString::fromStdString(path));
}

void tellDamagedFile(const DamagedFile& damaged, bool rebuilt, const QString& keptNote) {
    const QString file = fileNameText(damaged.path);
    msgBox(damaged.movedTo ? movedAsideMessage(file, *damaged.movedTo, rebuilt)
                           : notMovedAsideMessage(file, damaged.path, keptNote),
           Buttons::Ok, Icon::Warning);
}

} // namespace lukana::platform
