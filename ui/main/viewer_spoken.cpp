// What the main window says to a screen reader beyond its widgets' own texts: each value of the
// data panel with what it is, the moons the eyepiece view shows, the compass and the hemisphere.
#include <QLabel>
#include <QLocale>
#include <QStringList>

#include <cmath>
#include <cstdlib>

#include "ui/common/widgets.h"
#include "ui/main/satellite_view.h"
#include "ui/main/viewer.h"

namespace kelvra {
namespace {

const QString kMoonNames[] = {QStringLiteral("Io"), QStringLiteral("Europa"),
                              QStringLiteral("Ganymede"), QStringLiteral("Callisto")};

// How the view is turned: "north up, east left".
QString compassText(ViewSigns signs) {
  return QStringLiteral("North %1, east %2")
      .arg(signs.NorthSouthSign > 0 ? QStringLiteral("down") : QStringLiteral("up"),
           signs.EastWestSign > 0 ? QStringLiteral("left") : QStringLiteral("right"));
}

// One moon as the eyepiece shows it: "Io 2.3 radii east, in front of Jupiter". Where it stands
// against the disc is what the data panel's colour says of it.
QString moonText(int moon, const JupiterState& state, const MoonShadow& shadow,
                 const MutualLook& mutual, double scale) {
  const std::size_t k = static_cast<std::size_t>(moon);
  const QColor place = DataPanelColour(state.X[k], state.Y[k], state.U[k], scale);
  QString where = place == kInFrontColour     ? QStringLiteral("crossing Jupiter's disc")
                  : place == kBehindColour    ? QStringLiteral("hidden behind Jupiter")
                  : std::cos(state.U[k]) >= 0 ? QStringLiteral("in front of Jupiter")
                                              : QStringLiteral("behind Jupiter");
  if (place == kBeyondReachColour) where += QStringLiteral(", beyond the view's edge");
  if (shadow.eclipsed) where += QStringLiteral(", in Jupiter's shadow");
  if (shadow.onDisc) where += QStringLiteral(", its shadow on the disc");
  if (mutual.lightLost[k] >= 0.01) {
    where += QStringLiteral(", %1% of its light in another moon's shadow")
                 .arg(std::lround(mutual.lightLost[k] * 100));
  }
  for (const auto& [active, passive] : mutual.occultations) {
    if (passive == moon) where += QStringLiteral(", behind ") + kMoonNames[active - 1];
  }
  static const QLocale locale = QLocale::system();
  return QStringLiteral("%1 %2 radii %3, %4")
      .arg(kMoonNames[moon - 1], locale.toString(std::abs(state.X[k]), 'f', 1),
           state.X[k] > 0 ? QStringLiteral("west") : QStringLiteral("east"), where);
}

}  // namespace

void TViewer::speakViews() {
  SetAccessibleName(*lblSystem1, QStringLiteral("System I: %1\u00B0").arg(lblSystem1->text()));
  SetAccessibleName(*lblSystem2, QStringLiteral("System II: %1\u00B0").arg(lblSystem2->text()));
  for (std::size_t i = 0; i < 4; ++i) {
    const PanelRow& row = panelRows_[i];
    SetAccessibleName(*row.northSouth,
                      QStringLiteral("%1 north-south: %2 radii%3")
                          .arg(kMoonNames[i], row.northSouth->text(), row.northSouthFlag->text()));
    SetAccessibleName(*row.eastWest,
                      QStringLiteral("%1 east-west: %2 radii%3")
                          .arg(kMoonNames[i], row.eastWest->text(), row.eastWestFlag->text()));
    SetAccessibleName(*row.angle, QStringLiteral("%1 angle from inferior conjunction: %2\u00B0")
                                      .arg(kMoonNames[i], row.angle->text()));
  }
  SetAccessibleDescription(*imgCompass, compassText(signs_));
  SetAccessibleDescription(
      *imgHemisphere, NorthernHemisphere ? QStringLiteral("Northern") : QStringLiteral("Southern"));
  spokenState_ = state_;  // the eyepiece is put in words only when a reader asks
}

SpokenPicture TViewer::spokenEyepiece() const {
  const double scale = SideViewScaleFor(Magnification);  // pixels per radius
  QStringList parts{compassText(signs_)};
  for (int moon = 1; moon <= 4; ++moon) {
    parts << moonText(moon, spokenState_, shadows_[static_cast<std::size_t>(moon)], mutual_, scale);
  }
  return {SpokenPicture::Kind::Picture,
          QStringLiteral("Eyepiece view"),
          parts.join(QStringLiteral("; ")),
          {}};
}

}  // namespace kelvra
