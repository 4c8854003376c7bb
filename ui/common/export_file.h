// A month's phenomena exported for other programs: the formats, the file box that asks where,
// and writing the file whole. The texts come from core/event_export.h; every window that
// exports (the moon events, the radio windows) goes through here.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <string>

class QWidget;

namespace kelvra {

struct ListMonth;

enum class ExportFormat { ICalendar, Csv };

// The save dialog's file types, in this order: iCalendar first.
QStringList ExportNameFilters();

// Where the export goes and in which format.
struct ExportTarget {
  QString path;
  ExportFormat format;
};

// Given: the name the user typed or chose; the dialog's file type.
// Returns: a name ending in ".csv" or ".ics" (any case) as it is, in that extension's format,
// whatever the type shown; any other name with the type's extension added, in that type.
ExportTarget ExportTargetOf(const QString& typed, ExportFormat chosen);

// Given: the window the box belongs to; the month exported, which names the file; the folder
// the box opens in; `what` names the file ("Kelvra95 Events 2026-12") and `title` the box
// (empty: the moon events' "Events" and "Export the month's events").
// Asks for a file and a format; an existing file is asked about before it is replaced, by the
// name that will be written (its extension added).
// Returns: where to write and in which format; none when the user gave up.
std::optional<ExportTarget> AskExportTarget(QWidget* parent, const ListMonth& month,
                                            const QString& folder, const QString& what = {},
                                            const QString& title = {});

// Writes `bytes` to `path` whole or not at all (QSaveFile). Returns: false when it could not.
bool WriteExportFile(const QString& path, const std::string& bytes);

}  // namespace kelvra
