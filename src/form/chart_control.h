#pragma once
// The chart TeeCh_Wx: what it shows (a ChartPicture), whether it is zoomed and
// the read-out's cursor lines. The program decides all of it, including the
// plot rectangle in pixels, so that the Qt chart only draws what it is told
// and a headless run reads the same pixels as the window.

#include "form/control.h"
#include "output/corrosion_chart.h"

#include <optional>

namespace pc::form {

// Width in pixels of each tab of the chart's tab control (the tabs lie side
// by side from its left edge); the Qt program gives its tabs this width.
inline constexpr int ChartTabWidth = 56;

// The visible part of the axes while the chart is zoomed.
struct ChartZoom
{
    double xMin = 0, xMax = 0, yMin = 0, yMax = 0;
};

// The read-out's cursor lines: a vertical line at a column and, where the
// curve is, a horizontal line at a row, both across the plot rectangle.
struct CursorLines
{
    std::optional<int> column;
    std::optional<int> row;
    bool operator==(const CursorLines &o) const { return column == o.column && row == o.row; }
};

class ChartControl : public Control
{
public:
    explicit ChartControl(QString name) : Control(std::move(name), Kind::Chart) {}

    const ChartPicture &picture() const { return picture_; }
    // Replaces the picture (series, titles, axes); the observers hear of every
    // part that changed.
    void setPicture(const ChartPicture &p);

    bool zoomed() const { return zoom_.has_value(); }
    const std::optional<ChartZoom> &zoom() const { return zoom_; }
    // The user's zoom by rubber band; a range that is empty or not finite is
    // ignored.
    void zoomTo(const ChartZoom &z);
    void undoZoom();

    const CursorLines &cursorLines() const { return cursor_; }
    void setCursorLines(const CursorLines &c);
    // Redraws the chart: the cursor lines go.
    void invalidate() { setCursorLines({}); }

    void setMarkerShadow(bool on);

    // Whether `c` is a chart control, and it as one.
    static ChartControl *of(Control &c);
    static const ChartControl *of(const Control &c);

private:
    ChartPicture picture_;
    std::optional<ChartZoom> zoom_;
    CursorLines cursor_;
};

} // namespace pc::form
