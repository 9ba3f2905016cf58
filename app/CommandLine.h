// The command line, read before the window system is opened, so that --help,
// --version and a mistyped option are answered without a display.
#pragma once

#include <optional>

// Prints the help, the version or a one-line error when the command line asks
// for it, and gives the status to exit with (0, or 2 for a wrong command
// line). Nothing when the game is to start. Qt's own options (-platform,
// -style, -display …) are accepted and left in argv for the application
// object.
std::optional<int> AnswerCommandLine(int argc, char** argv);
