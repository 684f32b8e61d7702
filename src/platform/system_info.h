#pragma once
#include <QString>

namespace lukana::platform {

// Login name of the user running the program; empty when the system names none.
QString userName();

} // namespace lukana::platform
