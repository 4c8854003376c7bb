// The export's file box: where the month's events go and in which format.
#pragma once

#include <QString>

#include <optional>

#include "ui/events/moon_events_export.h"

class QWidget;

namespace kelvra {

struct ListMonth;

// Given: the window the box belongs to; the month exported, which names the file; the folder
// the box opens in. Asks for a file and a format; an existing file
// is asked about before it is replaced, by the name that will be written (its extension added).
// `what` names the file ("Kelvra95 Events 2026-12") and `title` the box.
// Returns: where to write and in which format; none when the user gave up.
std::optional<ExportTarget> AskExportTarget(
    QWidget* parent, const ListMonth& month, const QString& folder,
    const QString& what = QStringLiteral("Events"),
    const QString& title = QStringLiteral("Export the month's events"));

}  // namespace kelvra
