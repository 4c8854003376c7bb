// The observer's site and what counts as visible from it, kept in Kelvra95.ini. Without a
// site the program filters and greys nothing.
#pragma once

#include <optional>

#include <QColor>
#include <QString>

#include "core/sky.h"
#include "ui/common/settings_key.h"

class QSettings;

namespace kelvra {

// The site's keys, each with the range the site dialog's field takes. Without a usable latitude
// and longitude there is no site; an unusable height or limit takes its fallback.
// Degrees, north positive; degrees, east positive; metres above sea level.
inline const NumberKey kSiteLatitudeKey{"Site/Latitude", -90, 90, std::nullopt};
inline const NumberKey kSiteLongitudeKey{"Site/Longitude", -180, 180, std::nullopt};
inline const NumberKey kSiteHeightKey{"Site/Height", -500, 9000, 0};
// Degrees: the least altitude of Jupiter's centre, the greatest of the Sun's.
inline const NumberKey kSiteMinJupiterKey{"Site/MinJupiterAltitude", -5, 60,
                                          VisibilityLimits{}.minJupiterAltitudeDeg};
inline const NumberKey kSiteMaxSunKey{"Site/MaxSunAltitude", -18, 0,
                                      VisibilityLimits{}.maxSunAltitudeDeg};

// The filter of the lists judged by the site (the events window's, which the radio window
// shares): true shows only the lines visible from the site.
inline const FlagKey kEventsVisibleOnlyKey{"Events/VisibleOnly", false};

struct SiteSetting {
  ObserverSite place;
  VisibilityLimits limits;
  bool operator==(const SiteSetting& other) const {
    return place.latitudeDeg == other.place.latitudeDeg &&
           place.longitudeDeg == other.place.longitudeDeg && place.heightM == other.place.heightM &&
           limits.minJupiterAltitudeDeg == other.limits.minJupiterAltitudeDeg &&
           limits.maxSunAltitudeDeg == other.limits.maxSunAltitudeDeg;
  }
};

// The grey in which what cannot be seen from the site is drawn: on the windows' dark lists,
// and on the white printed page.
inline const QColor kNotVisibleOnScreen{140, 140, 140};
inline const QColor kNotVisibleOnPage{150, 150, 150};

// Given: the ini file. Returns: its site, or none when latitude or longitude is missing.
// A value outside its range or unreadable leaves the site unset (latitude, longitude) or takes
// the default (height 0, the limits' defaults), and is told once a run in an error box, one
// IgnoredSiteValueLine per value: a site that silently vanished would leave the user
// wondering why nothing is greyed any more.
std::optional<SiteSetting> ReadSite(const QSettings& ini);

// The line that tells of one ignored value: "Kelvra95.ini: Site/Latitude = 95 is outside -90
// to 90 and is ignored", or "... is not a number from -90 to 90 ..." for a text no number.
QString IgnoredSiteValueLine(const QString& file, const NumberKey& key,
                             const NumberKey::Read& read);

// Puts the site into the ini file, or removes it for none (the caller syncs the file).
void PutSite(QSettings& ini, const std::optional<SiteSetting>& site);

}  // namespace kelvra
