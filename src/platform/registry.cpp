#include "registry.h"

#include "message_box.h"

#include <QSettings>

namespace lukana::platform {

bool saveSetting(const QString& section, const QString& key, const QString& value) {
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, kAppTitle, kAppTitle);
    settings.beginGroup(section);
    settings.setValue(key, value);
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace lukana::platform
