// The date settings that lists are written and read with.
#pragma once

// The user's date settings, as the window reads them; where the locale gives no short date
// format (C, POSIX), yyyy/MM/dd on the 24-hour clock, H:mm:ss, so that a list keeps
// four-digit years (two-digit ones read back within a 100-year window only).
void ReadListDateSettings();
