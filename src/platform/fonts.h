#pragma once

#include <QFont>

namespace lukana::platform {

// Maps the Windows font names the windows ask for ("ＭＳ ゴシック", "ＭＳ 明朝",
// "Courier New", ...) to installed fonts, and gives the program a Japanese default font.
void installFonts();

// The face of printed pages: the screen's Japanese proportional face, at 10 points.
QFont pageFont();

} // namespace lukana::platform
