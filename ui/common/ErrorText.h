// The profile's errors in the player's language. The profile code writes
// them in English ("Unable to write to PATH: REASON"), as the profile tool
// prints them; the windows show them translated, the path and the system's
// own words left as they are.
#pragma once

#include <QString>

QString TranslatedError(const QString& message);
