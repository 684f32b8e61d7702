#pragma once

namespace lukana {

// The whole run of the program with its command line: start-up, the main window and the end.
// Returns the exit status.
int runProgram(int argc, char** argv);

} // namespace lukana
