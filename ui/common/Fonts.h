// The one typeface of every window: DejaVu Sans, on every Debian desktop and
// close in its widths to the sans serifs the layouts were measured for.
#pragma once

#include <QFont>
#include <QStringList>

// The typeface at a size in pixels, not scaled with the system's text size.
QFont SansFont(int pixelSize);
