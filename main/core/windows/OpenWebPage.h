#pragma once

#include <QString>

// Opens a page of the vendor's site in the default browser: a "Connecting to"
// box shows for about a second, then the web base address (caption 94) + page
// opens when online, or the local page (caption 95) in the program folder when
// offline, whatever page was asked for.
void Open_Web_Page(const QString& page);
