#pragma once

namespace lukana::platform {

// Maps the Windows font names the windows ask for ("ＭＳ ゴシック", "ＭＳ 明朝",
// "Courier New", ...) to installed fonts, and gives the program a Japanese default font.
void installFonts();

} // namespace lukana::platform
