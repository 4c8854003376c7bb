// Opening a local document (the help) in the viewer the desktop chooses for it.
#pragma once

#include <QString>

#include <filesystem>

class QProcess;

namespace kelvra {

// The message when no viewer could open the help document: its path, to open it by hand.
QString HelpNotOpenedMessage(const std::filesystem::path& file);

// Runs xdg-open on `file` and returns at once; its exit status arrives later, so the windows
// go on while a browser starts. When xdg-open is missing, fails, or says it found no viewer
// (any status but 0), a message names the file's path. Returns: the xdg-open process, which
// deletes itself once it has ended and been judged (tests wait for that).
QProcess* OpenHelpFile(const std::filesystem::path& file);

}  // namespace kelvra
