// The icon of the game's windows: the desktop icon set embedded in the program.
#pragma once

#include <QIcon>

namespace barkmoor {

// Pictures of 16 to 64 pixels (up to twice the classic 32-pixel icon); each is read only
// when its size is first asked for, so making the icon at start-up decodes nothing.
QIcon GameIcon();

} // namespace barkmoor
