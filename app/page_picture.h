#pragma once
// The picture of a page of the main window for the clipboard snapshot: the
// window's client area (below the menu bar) with the page drawn at its place
// and the rest blank, as a bitmap and as the same picture in SVG.

#include "platform/platform.h"

#include <optional>

namespace pc {
class QtPlatform;
}

namespace pc::gui {

class Session;

// The picture of page `pageIndex` of PageControl1 in a client area of
// width x height pixels, after the model's pending changes reached the
// widgets; nothing for a page that does not exist or an empty size.
std::optional<WindowPicture> pictureOfPage(Session &session, int pageIndex, int width, int height);

// Lets `platform` take its page pictures from the windows of `session`.
void takePagePicturesFrom(QtPlatform &platform, Session &session);

} // namespace pc::gui
