// The program's command line: --help, --version, and the lists it writes without a window.
#pragma once

#include <optional>

namespace kelvra {

// Given: main's arguments, before any application object exists.
// Returns: the exit status when the command line is the whole run (--help, --version, a
// subcommand, an unknown option or stray argument: status 2); none when the windows are to
// open, Qt's own options (-platform, -style, …) left in argv for QApplication.
// Notes: what it prints goes to standard output, its faults to standard error, one line each;
// it needs no display and writes no settings. It speaks the language the windows would.
std::optional<int> RunCommandLine(int argc, char** argv);

}  // namespace kelvra
