#pragma once
// The program's own pictures, drawn rather than stored: a sheet pile wall in
// plan (U-shaped piles joined at their interlocks) under the program's name.

#include <QPixmap>
#include <QSize>

namespace pc::gui {

// The splash picture, filling `size`.
QPixmap splashPicture(QSize size, qreal devicePixelRatio);
// The band at the top of the about box.
QPixmap aboutBand(QSize size, qreal devicePixelRatio);

} // namespace pc::gui
