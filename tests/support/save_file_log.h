// Stands in for the save-as-PDF file dialog: records each path the code under test offers and
// answers with `answer` (empty: the user cancelled), so that no modal dialog blocks a test.
#pragma once

#include <QString>
#include <QStringList>

#include "ui/common/page_layout.h"

namespace kelvra::testing {

class SaveFileLog {
 public:
  SaveFileLog() {
    SetSaveFileChooser([this](const QString& suggestedPath) {
      offered.append(suggestedPath);
      return answer;
    });
  }
  ~SaveFileLog() { SetSaveFileChooser({}); }
  SaveFileLog(const SaveFileLog&) = delete;
  SaveFileLog& operator=(const SaveFileLog&) = delete;

  QString answer;       // what the "user" chooses
  QStringList offered;  // the paths offered, in order
};

}  // namespace kelvra::testing
