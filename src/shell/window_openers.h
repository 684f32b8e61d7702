#pragma once

namespace lukana {

// Gives the main window's buttons the windows they open.
void registerWindowOpeners();

} // namespace lukana
