// The dialog in which the user gives the observer's site and what counts as visible from it.
#pragma once

#include <QDialog>

#include <array>
#include <functional>
#include <optional>

#include "ui/common/site_settings.h"

class QKeyEvent;
class QLineEdit;

namespace kelvra {

class TSiteDialog : public QDialog {
  Q_OBJECT
 public:
  // Takes the site to start from (none: empty latitude and longitude, the limits' defaults).
  // On Enter with readable values, hands the new site (none when latitude and longitude were
  // emptied) to `store` and closes; `store` is not called when nothing changed.
  TSiteDialog(std::optional<SiteSetting> current,
              std::function<void(const std::optional<SiteSetting>&)> store,
              QWidget* parent = nullptr);

  // The fields in Tab order: latitude, longitude, height, Jupiter's least altitude, the Sun's
  // greatest altitude (object names txtLatitude, txtLongitude, txtHeight, txtMinJupiter,
  // txtMaxSun).
  static constexpr int kFields = 5;
  std::array<QLineEdit*, kFields> fields{};

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  static QString title();
  void FormActivate();
  // Returns: true when the key is consumed.
  bool fieldKeyPress(QLineEdit& field, const QKeyEvent& key);
  // Reads every field; a bad one gets its message and the focus. Returns: false then.
  bool storeAll();

  std::optional<SiteSetting> current_;
  std::function<void(const std::optional<SiteSetting>&)> store_;
};

}  // namespace kelvra
