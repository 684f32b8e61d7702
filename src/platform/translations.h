#pragma once
// Qt's own texts (the buttons and labels of the standard dialogs) in Japanese.
namespace lukana::platform {

// Whatever the system's locale: makes Japanese the default locale, loads Qt's Japanese
// translations from Qt's translations folder and installs them, then our own Japanese for the
// dialog texts Qt's translation lacks, and has every file dialog list its sizes, folder types
// and dates in Japanese; false when Qt's translations are not there (the standard dialogs then
// speak English but for our own texts).
bool installQtJapanese();

} // namespace lukana::platform
