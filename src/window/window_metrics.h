#pragma once
// How the screen draws the main window, for the handlers that size controls
// to their texts.

#include "platform/platform.h"

namespace pc {

// The main window's font: the drop-down lists and the curve window's table
// measure their texts in it.
FontSpec mainWindowFont(const Platform &p);
// How much larger than at 96 pixels per inch the screen draws the window.
long double screenScale(const Platform &p);

} // namespace pc
