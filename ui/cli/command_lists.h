// The lists the command line writes without a window: a month's (or a night's) moon events
// and a month's Red Spot transits.
#pragma once

#include <QString>
#include <QStringList>

namespace kelvra {

// Given: the subcommand's arguments, its name first ("events", "2026-12", "--utc", …).
// Returns: the exit status (command_output.h): the list printed or written, or the fault said.
int RunEventsCommand(const QStringList& arguments);
int RunGrsCommand(const QStringList& arguments);

}  // namespace kelvra
