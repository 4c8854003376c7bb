#include "ui/common/entry_field.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>

#include <algorithm>
#include <cmath>

#include "ui/common/messages.h"

namespace kelvra {

QLineEdit* MakeNumberField(QWidget* parent, const char* name, const QRect& geometry,
                           int maxLength) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QString::fromLatin1(name));
  field->setGeometry(geometry);
  field->setMaxLength(maxLength);
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(12);
  field->setFont(font);
  field->setTextMargins(0, 0, 0, 0);
  SetEntryColours(*field);
  // Every character then arrives as a key press, where the field's filter sees it.
  field->setAttribute(Qt::WA_InputMethodEnabled, false);
  return field;
}

void SetEntryColours(QWidget& entry) {
  QPalette palette = entry.palette();
  palette.setColor(QPalette::Base, kEntryColour);
  palette.setColor(QPalette::Button, kEntryColour);
  for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    palette.setColor(group, QPalette::Text, kEntryTextColour);
    palette.setColor(group, QPalette::ButtonText, kEntryTextColour);
  }
  entry.setPalette(palette);
}

bool DiscardedInNumberField(const QKeyEvent& key) {
  if (key.modifiers() & Qt::ControlModifier) return false;
  const QString text = key.text();
  // Control characters (Tab "\t", Delete 0x7F, Backspace, Enter, Escape) are keys, not text.
  const QList<uint> typed = text.toUcs4();  // code points, so that one emoji is one character
  const bool printable =
      std::any_of(typed.begin(), typed.end(), [](uint ch) { return QChar::isPrint(ch); });
  if (!printable) return false;
  // Several characters in one press (an input method's word) are not a digit either.
  return typed.size() != 1 || typed.front() < uint{'0'} || typed.front() > uint{'9'};
}

bool DiscardedInDecimalField(const QKeyEvent& key) {
  if (!DiscardedInNumberField(key)) return false;
  const QString text = key.text();
  static const QString kTaken = QStringLiteral("+-.,") + QChar(0x2212);
  return !(text.size() == 1 && kTaken.contains(text.front())) && text != QLocale().decimalPoint();
}

bool RefuseKey(const QLineEdit& field, const QKeyEvent& key, bool discarded) {
  const bool full = !discarded && !(key.modifiers() & Qt::ControlModifier) &&
                    !key.text().isEmpty() && key.text().front().isPrint() &&
                    field.text().size() >= field.maxLength() && !field.hasSelectedText();
  if (discarded || full) QApplication::beep();
  return discarded;
}

std::optional<QString> PlainDecimalText(const QString& text) {
  const QString typed = text.trimmed();
  QString plain;
  if (typed.isEmpty()) return plain;
  const QString own = QLocale().decimalPoint();
  qsizetype at = 0;
  if (typed.front() == u'-' || typed.front() == QChar(0x2212)) {
    plain += u'-';
    ++at;
  } else if (typed.front() == u'+') {
    ++at;
  }
  bool separated = false;
  int digits = 0;
  while (at < typed.size()) {
    const QChar ch = typed[at];
    if (ch >= u'0' && ch <= u'9') {
      plain += ch;
      ++digits;
      ++at;
      continue;
    }
    const qsizetype length = ch == u'.' || ch == u','                     ? 1
                             : QStringView(typed).mid(at).startsWith(own) ? own.size()
                                                                          : 0;
    if (length == 0 || separated) return std::nullopt;
    separated = true;
    plain += u'.';
    at += length;
  }
  if (digits == 0) return std::nullopt;
  return plain;
}

std::optional<double> DecimalFieldValue(const QString& text) {
  const std::optional<QString> plain = PlainDecimalText(text);
  if (!plain || plain->isEmpty()) return std::nullopt;
  bool ok = false;
  const double value = QLocale::c().toDouble(*plain, &ok);
  if (!ok || !std::isfinite(value)) return std::nullopt;
  return value + 0.0;  // -0 is shown and kept as 0
}

QString DecimalFieldText(double value) {
  QLocale locale;
  locale.setNumberOptions(QLocale::OmitGroupSeparator);
  return locale.toString(value, 'g', QLocale::FloatingPointShortest);
}

std::optional<std::uint16_t> NumberFieldValue(const QString& text) {
  const QString trimmed = text.trimmed();
  if (trimmed.isEmpty()) return 0;
  for (const QChar ch : trimmed) {
    if (ch < QLatin1Char('0') || ch > QLatin1Char('9')) return std::nullopt;
  }
  bool fits = false;
  const ushort value = trimmed.toUShort(&fits, 10);
  if (!fits) return std::nullopt;
  return value;
}

std::optional<std::uint16_t> ReadNumberField(QLineEdit& field) {
  if (field.text().trimmed().isEmpty()) field.setText(QStringLiteral("0"));
  const std::optional<std::uint16_t> value = NumberFieldValue(field.text());
  if (!value)
    ReportFieldError(field, QCoreApplication::translate("kelvra::EntryField",
                                                        "'%1' is not a valid integer value")
                                .arg(field.text()));
  return value;
}

void ReportFieldError(QLineEdit& field, const QString& text) {
  ShowError(text);
  // Queued: a check run as the focus leaves the field finishes that move of the focus and
  // then shows the corrected value, which would clear a selection made now. Dropped if the
  // field is gone by then.
  QMetaObject::invokeMethod(
      &field,
      [&field] {
        field.setFocus(Qt::OtherFocusReason);
        field.selectAll();
      },
      Qt::QueuedConnection);
}

bool DialogFieldKey(QDialog& dialog, std::span<QLineEdit* const> fields, QLineEdit& field,
                    const QKeyEvent& key, const std::function<bool()>& keep) {
  const auto go = [&](bool forward) {
    const auto at = std::find(fields.begin(), fields.end(), &field) - fields.begin();
    const auto count = static_cast<std::ptrdiff_t>(fields.size());
    QLineEdit* next = fields[static_cast<std::size_t>((at + (forward ? 1 : count - 1)) % count)];
    next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    next->selectAll();
  };
  switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (keep()) dialog.accept();
      return true;
    case Qt::Key_Tab:
      go(!(key.modifiers() & Qt::ShiftModifier));
      return true;
    case Qt::Key_Backtab:
      go(false);
      return true;
    case Qt::Key_Escape:
      dialog.reject();
      return true;
    default:
      return false;
  }
}

}  // namespace kelvra
