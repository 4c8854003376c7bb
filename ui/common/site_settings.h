// The observer's site and what counts as visible from it, kept in Kelvra95.ini. Without a
// site the program filters and greys nothing.
#pragma once

#include <optional>

#include <QColor>
#include <QString>

#include "core/sky.h"

class QSettings;

namespace kelvra {

inline constexpr const char* kSiteLatitudeKey = "Site/Latitude";    // degrees, north positive
inline constexpr const char* kSiteLongitudeKey = "Site/Longitude";  // degrees, east positive
inline constexpr const char* kSiteHeightKey = "Site/Height";        // metres above sea level
inline constexpr const char* kSiteMinJupiterKey = "Site/MinJupiterAltitude";  // degrees
inline constexpr const char* kSiteMaxSunKey = "Site/MaxSunAltitude";          // degrees

// The ranges the site dialog's fields take.
inline constexpr double kLatitudeLimit = 90;                              // degrees, either way
inline constexpr double kLongitudeLimit = 180;                            // degrees, either way
inline constexpr double kHeightLeast = -500;                              // metres
inline constexpr double kHeightGreatest = 9000;                           // metres
inline constexpr double kMinJupiterLeast = -5, kMinJupiterGreatest = 60;  // degrees
inline constexpr double kMaxSunLeast = -18, kMaxSunGreatest = 0;          // degrees

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
// to 90 and is ignored", or "... is not a number from -90 to 90 ..." when `number` is false.
QString IgnoredSiteValueLine(const QString& file, const char* key, const QString& text,
                             double least, double greatest, bool number);

// Puts the site into the ini file, or removes it for none (the caller syncs the file).
void PutSite(QSettings& ini, const std::optional<SiteSetting>& site);

}  // namespace kelvra
