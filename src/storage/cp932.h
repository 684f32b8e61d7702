#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace lukana {

// Code page 932 <-> UTF-8. Both return nothing when a character cannot be converted,
// so a text is never stored or shown half converted.
std::optional<std::string> toCp932(std::string_view utf8);
std::optional<std::string> fromCp932(std::string_view cp932);
// The same into out, whose storage is reused; on failure out holds nothing of use.
bool toCp932(std::string_view utf8, std::string& out);
bool fromCp932(std::string_view cp932, std::string& out);

// True when every character of the UTF-8 text exists in code page 932.
bool fitsCp932(std::string_view utf8);

} // namespace lukana
