// What the main window says to a screen reader beyond its widgets' own texts: each value of the
// data panel with what it is, the moons the eyepiece view shows, the compass and the hemisphere.
#include <QCoreApplication>
#include <QLabel>
#include <QLocale>
#include <QStringList>

#include <cmath>
#include <cstdlib>

#include "core/moons.h"
#include "ui/common/event_words.h"
#include "ui/common/widgets.h"
#include "ui/main/satellite_view.h"
#include "ui/main/viewer.h"

namespace kelvra {
namespace {

// How the view is turned: "north up, east left".
QString compassText(ViewSigns signs) {
  const bool northDown = signs.NorthSouthSign > 0;
  if (signs.EastWestSign > 0)
    return northDown ? TViewer::tr("North down, east left") : TViewer::tr("North up, east left");
  return northDown ? TViewer::tr("North down, east right") : TViewer::tr("North up, east right");
}

// One moon as the eyepiece shows it: "Io 2.3 radii east, in front of Jupiter", with what else
// the picture shows of it.
QString moonText(int moon, const JupiterState& state, const MoonShadow& shadow,
                 const MutualLook& mutual, double scale) {
  const std::size_t k = static_cast<std::size_t>(moon);
  const MoonPlace place = MoonPlaceAt(state.X[k], state.Y[k], state.U[k]);
  QStringList where{place == MoonPlace::InFront    ? TViewer::tr("crossing Jupiter's disc")
                    : place == MoonPlace::Behind   ? TViewer::tr("hidden behind Jupiter")
                    : InFrontOfJupiter(state.U[k]) ? TViewer::tr("in front of Jupiter")
                                                   : TViewer::tr("behind Jupiter")};
  // The panel's colour says when the view does not reach it.
  if (DataPanelColour(state.X[k], state.Y[k], state.U[k], scale) == kBeyondReachColour)
    where << TViewer::tr("beyond the view's edge");
  if (shadow.eclipsed) where << TViewer::tr("in Jupiter's shadow");
  if (shadow.onDisc) where << TViewer::tr("its shadow on the disc");
  if (mutual.lightLost[k] >= 0.01) {
    where << TViewer::tr("%1% of its light in another moon's shadow")
                 .arg(std::lround(mutual.lightLost[k] * 100));
  }
  for (const auto& [active, passive] : mutual.occultations) {
    //: %1 is the moon in front.
    if (passive == moon) where << TViewer::tr("behind %1").arg(MoonNameText(active));
  }
  static const QLocale locale = QLocale::system();  // numbers only
  const QString radii = locale.toString(std::abs(state.X[k]), 'f', 1);
  //: %1 the moon, %2 its distance in Jupiter's radii, %3 where it stands ("in front of
  //: Jupiter", ...).
  const QString text =
      state.X[k] > 0 ? TViewer::tr("%1 %2 radii west, %3") : TViewer::tr("%1 %2 radii east, %3");
  return text.arg(MoonNameText(moon), radii, where.join(QStringLiteral(", ")));
}

}  // namespace

void TViewer::speakViews() {
  SetAccessibleName(*lblSystem1, tr("System I: %1\u00B0").arg(lblSystem1->text()));
  SetAccessibleName(*lblSystem2, tr("System II: %1\u00B0").arg(lblSystem2->text()));
  for (std::size_t i = 0; i < 4; ++i) {
    const PanelRow& row = panelRows_[i];
    const QString name = MoonNameText(static_cast<int>(i) + 1);
    //: %1 the moon, %2 the distance, %3 its N or S mark.
    SetAccessibleName(*row.northSouth,
                      tr("%1 north-south: %2 radii%3")
                          .arg(name, row.northSouth->text(), row.northSouthFlag->text()));
    //: %1 the moon, %2 the distance, %3 its E or W mark.
    SetAccessibleName(
        *row.eastWest,
        tr("%1 east-west: %2 radii%3").arg(name, row.eastWest->text(), row.eastWestFlag->text()));
    SetAccessibleName(
        *row.angle,
        tr("%1 angle from inferior conjunction: %2\u00B0").arg(name, row.angle->text()));
  }
  SetAccessibleDescription(*imgCompass, compassText(signs_));
  SetAccessibleDescription(*imgHemisphere, NorthernHemisphere ? tr("Northern") : tr("Southern"));
  spokenState_ = state_;  // the eyepiece is put in words only when a reader asks
}

SpokenPicture TViewer::spokenEyepiece() const {
  const double scale = SideViewScaleFor(Magnification);  // pixels per radius
  QStringList parts{compassText(signs_)};
  for (int moon = 1; moon <= 4; ++moon) {
    parts << moonText(moon, spokenState_, shadows_[static_cast<std::size_t>(moon)], mutual_, scale);
  }
  return {SpokenPicture::Kind::Picture, tr("Eyepiece view"), parts.join(QStringLiteral("; ")), {}};
}

}  // namespace kelvra
