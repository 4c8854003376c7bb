#include "ui/main/positions_setting.h"

#include <QSettings>

namespace kelvra {

PositionTheory ReadPositionTheory(const QSettings& ini) {
  const QVariant value = ini.value(QString::fromLatin1(kPositionsKey));
  // A list (an unquoted comma) or any other type is no theory's name.
  if (value.typeId() != QMetaType::QString) return PositionTheory::Classic;
  return value.toString().trimmed().compare(QStringLiteral("modern"), Qt::CaseInsensitive) == 0
             ? PositionTheory::Modern
             : PositionTheory::Classic;
}

void PutPositionTheory(QSettings& ini, PositionTheory theory) {
  ini.setValue(QString::fromLatin1(kPositionsKey), theory == PositionTheory::Modern
                                                       ? QStringLiteral("modern")
                                                       : QStringLiteral("classic"));
}

}  // namespace kelvra
