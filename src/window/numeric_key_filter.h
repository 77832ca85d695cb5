#pragma once
// The key filter shared by every numeric field of the main window.

#include "window/window_parts.h"

#include <QChar>

namespace pc {

// Lets backspace, digits and one decimal separator through; drops any other
// key with " Enter only values > 0. Wrong input:  " + the key in panel 1 of
// SB1 and the exclamation beep.
void FilterNumericKey(Platform &p, form::MainForm &f, form::Control &field, QChar &key);

} // namespace pc
