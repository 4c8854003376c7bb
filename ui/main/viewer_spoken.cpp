// What the main window says to a screen reader beyond its widgets' own texts: each value of the
// data panel with what it is, the moons the eyepiece view shows, the compass and the hemisphere.
#include <QLabel>
#include <QLocale>
#include <QStringList>

#include <cmath>
#include <cstdlib>

#include "core/moons.h"
#include "ui/common/widgets.h"
#include "ui/main/satellite_view.h"
#include "ui/main/viewer.h"

namespace kelvra {
namespace {

// How the view is turned: "north up, east left".
QString compassText(ViewSigns signs) {
  return QStringLiteral("North %1, east %2")
      .arg(signs.NorthSouthSign > 0 ? QStringLiteral("down") : QStringLiteral("up"),
           signs.EastWestSign > 0 ? QStringLiteral("left") : QStringLiteral("right"));
}

// One moon as the eyepiece shows it: "Io 2.3 radii east, in front of Jupiter", with what else
// the picture shows of it.
QString moonText(int moon, const JupiterState& state, const MoonShadow& shadow,
                 const MutualLook& mutual, double scale) {
  const std::size_t k = static_cast<std::size_t>(moon);
  const MoonPlace place = MoonPlaceAt(state.X[k], state.Y[k], state.U[k]);
  QString where = place == MoonPlace::InFront    ? QStringLiteral("crossing Jupiter's disc")
                  : place == MoonPlace::Behind   ? QStringLiteral("hidden behind Jupiter")
                  : InFrontOfJupiter(state.U[k]) ? QStringLiteral("in front of Jupiter")
                                                 : QStringLiteral("behind Jupiter");
  // The panel's colour says when the view does not reach it.
  if (DataPanelColour(state.X[k], state.Y[k], state.U[k], scale) == kBeyondReachColour)
    where += QStringLiteral(", beyond the view's edge");
  if (shadow.eclipsed) where += QStringLiteral(", in Jupiter's shadow");
  if (shadow.onDisc) where += QStringLiteral(", its shadow on the disc");
  if (mutual.lightLost[k] >= 0.01) {
    where += QStringLiteral(", %1% of its light in another moon's shadow")
                 .arg(std::lround(mutual.lightLost[k] * 100));
  }
  for (const auto& [active, passive] : mutual.occultations) {
    if (passive == moon)
      where += QStringLiteral(", behind ") + QString::fromLatin1(MoonName(active));
  }
  static const QLocale locale = QLocale::system();
  return QStringLiteral("%1 %2 radii %3, %4")
      .arg(QString::fromLatin1(MoonName(moon)), locale.toString(std::abs(state.X[k]), 'f', 1),
           state.X[k] > 0 ? QStringLiteral("west") : QStringLiteral("east"), where);
}

}  // namespace

void TViewer::speakViews() {
  SetAccessibleName(*lblSystem1, QStringLiteral("System I: %1\u00B0").arg(lblSystem1->text()));
  SetAccessibleName(*lblSystem2, QStringLiteral("System II: %1\u00B0").arg(lblSystem2->text()));
  for (std::size_t i = 0; i < 4; ++i) {
    const PanelRow& row = panelRows_[i];
    const QString name = QString::fromLatin1(MoonName(static_cast<int>(i) + 1));
    SetAccessibleName(*row.northSouth,
                      QStringLiteral("%1 north-south: %2 radii%3")
                          .arg(name, row.northSouth->text(), row.northSouthFlag->text()));
    SetAccessibleName(*row.eastWest,
                      QStringLiteral("%1 east-west: %2 radii%3")
                          .arg(name, row.eastWest->text(), row.eastWestFlag->text()));
    SetAccessibleName(*row.angle, QStringLiteral("%1 angle from inferior conjunction: %2\u00B0")
                                      .arg(name, row.angle->text()));
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
