#include "form/chart_control.h"

#include <cmath>

namespace pc::form {

void ChartControl::setPicture(const ChartPicture &p)
{
    const ChartPicture old = picture_;
    picture_ = p;
    const auto changed = [this](bool differs, Property prop) {
        if (differs)
            notify(prop);
    };
    changed(old.title != p.title, Property::ChartTitle);
    changed(old.subtitle != p.subtitle, Property::SubTitle);
    changed(old.subtitleLeft != p.subtitleLeft, Property::SubTitleLeft);
    changed(old.leftAxisTitle != p.leftAxisTitle, Property::LeftAxisTitle);
    changed(old.bottomAxisTitle != p.bottomAxisTitle, Property::BottomAxisTitle);
    changed(!(old.color == p.color), Property::SeriesColor);
    changed(old.points != p.points, Property::Series);
    changed(old.pointLabels != p.pointLabels, Property::PointLabels);
    changed(old.bottomAxisMax != p.bottomAxisMax, Property::BottomAxisMax);
    changed(old.leftAxisMax != p.leftAxisMax, Property::LeftAxisMax);
    changed(!(old.plot == p.plot), Property::PlotRect);
    changed(old.markerShadow != p.markerShadow, Property::MarkerShadow);
}

void ChartControl::zoomTo(const ChartZoom &z)
{
    const bool usable = std::isfinite(z.xMin) && std::isfinite(z.xMax) && std::isfinite(z.yMin) &&
                        std::isfinite(z.yMax) && z.xMax > z.xMin && z.yMax > z.yMin;
    if (!usable)
        return;
    zoom_ = z;
    notify(Property::Zoomed);
}

void ChartControl::undoZoom()
{
    if (!zoom_)
        return;
    zoom_.reset();
    notify(Property::Zoomed);
}

void ChartControl::setCursorLines(const CursorLines &c)
{
    if (cursor_ == c)
        return;
    cursor_ = c;
    notify(Property::CursorLines);
}

void ChartControl::setMarkerShadow(bool on)
{
    if (picture_.markerShadow == on)
        return;
    picture_.markerShadow = on;
    notify(Property::MarkerShadow);
}

ChartControl *ChartControl::of(Control &c)
{
    return dynamic_cast<ChartControl *>(&c);
}

const ChartControl *ChartControl::of(const Control &c)
{
    return dynamic_cast<const ChartControl *>(&c);
}

} // namespace pc::form
