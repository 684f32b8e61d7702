#pragma once
// Qt's own texts (the buttons and labels of the standard dialogs) in Japanese.
namespace lukana::platform {

// Loads Qt's Japanese translations from Qt's translations folder and installs them; false
// when they are not there (the standard dialogs then speak English).
bool installQtJapanese();

} // namespace lukana::platform
