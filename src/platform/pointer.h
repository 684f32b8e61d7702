#pragma once

namespace lukana::platform {

// The mouse pointer of the whole program: one busy/normal state, not a stack, since several
// windows set it to normal without having set it busy.
enum class Pointer { Normal, Busy };
void setMousePointer(Pointer pointer);
Pointer mousePointer();

} // namespace lukana::platform
