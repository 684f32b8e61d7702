#include "damaged_file.h"

#include "message_box.h"
#include "text.h"

#include <filesystem>

namespace lukana::platform {

QString movedAsideMessage(const QString& file, const std::string& movedTo, bool rebuilt) {
    const QString what = rebuilt ? QStringLiteral("%1 が壊れていて読めなかったため、"
                                                  "初期の内容で作り直しました。")
                                 : QStringLiteral("%1 が壊れていて読めませんでした。");
    // The path goes last, on a line of its own, so that it can be copied whole.
    return (what + QStringLiteral("\r壊れたファイルは次の場所に移してあります。\r%2"))
        .arg(file, QString::fromStdString(movedTo));
}

QString notMovedAsideMessage(const QString& file, const std::string& path) {
    return QStringLiteral("%1 が壊れていて読めず、別の名前に移すこともできませんでした。\r"
                          "このファイルはそのまま残し、上書きの保存はしません。\r%2")
        .arg(file, QString::fromStdString(path));
}

void tellDamagedFile(const std::string& path, const std::optional<std::string>& movedTo,
                     bool rebuilt) {
    const QString file = fileNameText(path);
    msgBox(movedTo ? movedAsideMessage(file, *movedTo, rebuilt) : notMovedAsideMessage(file, path),
           Buttons::Ok, Icon::Warning);
}

} // namespace lukana::platform
