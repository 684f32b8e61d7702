#include "system_info.h"

#include <pwd.h>
#include <unistd.h>

namespace lukana::platform {

QString userName() {
    if (const passwd* pw = ::getpwuid(::geteuid()); pw && pw->pw_name)
        return QString::fromLocal8Bit(pw->pw_name);
    return {};
}

} // namespace lukana::platform
