// The radio window: the plane of the central meridian in System III and Io's phase with the
// source regions and the night's or month's track, the readings at the main window's instant,
// and the month's spans inside the regions; a click or Enter takes the main window to a span's
// start.
#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "ui/common/export_file.h"
#include "ui/common/settings_key.h"
#include "ui/common/side_window.h"
#include "ui/radio/radio_model.h"
#include "ui/radio/radio_picture.h"

class QAction;

namespace kelvra {

class ImageView;

// The window's time basis: true for local time, false for UT.
inline const FlagKey kRadioLocalTimeKey{"Radio/LocalTime", false};
// The track over the plot: true for the month's, false for the night's.
inline const FlagKey kRadioMonthTrackKey{"Radio/MonthTrack", false};

// The message a file that could not be written gets.
QString RadioExportFailedText(const QString& path);

class TRadio : public SideWindowForm {
  Q_OBJECT
 public:
  explicit TRadio(const SideWindowLinks& links, QWidget* parent = nullptr);

  // The month the list shows: the main window's instant's, on the list's clock.
  ListMonth listMonth() const override;

  // The lines as shown (filtered by the site when the events window's toggle says so).
  const std::vector<RadioLine>& lines() const { return shown_; }
  const RadioListView& view() const { return view_; }

  // Takes the main window to the start of line `index` and selects it.
  void jumpTo(std::size_t index);

  // The track: the month's (true) or the night's.
  bool monthTrack() const;
  void setMonthTrack(bool month);

  // Writes the month's lines as shown to `path`; a file that cannot be written gets a message.
  bool exportTo(const QString& path, ExportFormat format);
  // Asks where, then exportTo.
  void exportMonth();

  // Prints the plot and the list of `month` of `year`; false when nothing was printed.
  bool PrintRadio(std::uint16_t month, std::uint16_t year);

 protected:
  void drawList(QImage& list) override;
  SpokenPicture spokenList() const override;
  void print(std::uint16_t month, std::uint16_t year) override { PrintRadio(month, year); }
  bool localTime() const override;
  void storeLocalTime(bool local) override;
  // The mark and the readings follow the instant; the greying the site.
  void observationChanged(ObservationChanges what, InstantChange why) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  // Recomputes what depends on the month, the clock, the site and the filter when one changed.
  void follow();
  int visibleRows() const;
  void scrollTo(std::size_t top);
  void select(std::size_t index);
  void listPressed(QPoint position);
  void updateButtons();
  bool visibleOnly() const;

  struct Key {
    ListMonth month{0, 0};
    std::int32_t offset = 0;
    std::optional<SiteSetting> site;
    bool visibleOnly = false;
    bool operator==(const Key&) const = default;
  };
  Key key_;
  std::vector<RadioLine> lines_, shown_;
  RadioSpan trackSpan_{0, 0};
  std::vector<RadioTrackPoint> track_;
  RadioListView view_;
  bool opened_ = true;  // the next drawing selects the instant's span or the first after it
  QAction* visibleOnly_ = nullptr;
  QAction* monthTrack_ = nullptr;
  ImageView* visibleButton_ = nullptr;
  ImageView* trackButton_ = nullptr;
};

}  // namespace kelvra
