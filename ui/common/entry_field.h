// The one-line number fields of the program's windows: the date and time fields, the
// animation interval and the Red Spot longitude.
#pragma once

#include <QColor>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <span>

class QDialog;
class QKeyEvent;
class QLineEdit;
class QRect;
class QWidget;

namespace kelvra {

// The pale yellow of every entry (the number fields and the main window's drop-down lists)
// and the black of its text: 20:1.
inline const QColor kEntryColour{255, 255, 181};
inline const QColor kEntryTextColour{0, 0, 0};

// Gives an entry (a number field or a drop-down list) its colours, whatever the system's
// palette: the pale yellow as its base and its button, black text on both. A disabled entry's
// text keeps the grey of its window's palette (PanelPalette), as every disabled control's.
void SetEntryColours(QWidget& entry);

// A number field: Arial with a 12-pixel character height, the entry's colours, at most
// maxLength characters.
QLineEdit* MakeNumberField(QWidget* parent, const char* name, const QRect& geometry, int maxLength);

// Whether a key pressed in a number field is thrown away: a key that types a printable
// character other than a digit. Everything else does its usual work: Tab and Shift+Tab move
// the focus, Delete and Backspace edit, Enter, Escape, arrows, Home and End, and shortcuts
// (select all, copy, paste, cut, undo).
bool DiscardedInNumberField(const QKeyEvent& key);

// Whether a key pressed in a field of decimal numbers is thrown away: as in a number field,
// but a sign (+, - or the minus sign U+2212), a point, a comma and the locale's own decimal
// separator are taken too. Whether they make a number is decided when the field is read.
bool DiscardedInDecimalField(const QKeyEvent& key);

// Beeps when `discarded`, so that no key a field throws away goes unnoticed, and when `key`
// would type into `field` while it is full (the field drops the character itself).
// Returns: `discarded`, for the key filter to return.
bool RefuseKey(const QLineEdit& field, const QKeyEvent& key, bool discarded);

// The one reading of a decimal field, in every locale: a point, a comma and the locale's own
// separator all separate the decimals, since a user types whichever the keyboard offers.
// Given: the field's text. Returns: the number written with a point and an ASCII minus (e.g.
// "-0.121"), which the ini keeps and QLocale::c() reads; empty for blank text. None for text
// that is not an optional sign, digits and at most one separator: a group separator reads as
// a second separator (or as no digit) and is refused.
std::optional<QString> PlainDecimalText(const QString& text);

// Given: a decimal field's text. Returns: its number (PlainDecimalText); none for blank text
// and for text that is no number.
std::optional<double> DecimalFieldValue(const QString& text);

// Given: a number. Returns: it as a decimal field shows it, in the default locale's notation
// without group separators and with as many decimals as it needs ("52,52" in German).
QString DecimalFieldText(double value);

// Given: the text of a number field.
// Returns: its value; blank text counts as 0. Text that is not a whole number of decimal
// digits (pasted letters, a sign) or does not fit in 16 bits has no value.
std::optional<std::uint16_t> NumberFieldValue(const QString& text);

// Reads a field the way its owner stores it: an empty field first becomes "0"; text that is
// no number is reported (ReportFieldError: "'<text>' is not a valid integer value") and gives
// no value.
std::optional<std::uint16_t> ReadNumberField(QLineEdit& field);

// Reports a wrong entry in `field` in an error box. Once the handler that found it has
// finished (it may still write the corrected value), the field has the focus again with its
// whole text selected, so that what the user types next replaces it.
void ReportFieldError(QLineEdit& field, const QString& text);

// The keys of a small dialog of fields, pressed in `field`, one of `fields` (in Tab order):
// Enter or Return calls `keep` and closes the dialog as accepted when it says the values are
// good, Escape closes it as cancelled, Tab and Shift+Tab go round the fields and select the
// text of the one they reach. Returns: true when the key was one of these; false for any other
// key, which the caller filters as the field's own.
bool DialogFieldKey(QDialog& dialog, std::span<QLineEdit* const> fields, QLineEdit& field,
                    const QKeyEvent& key, const std::function<bool()>& keep);

}  // namespace kelvra
