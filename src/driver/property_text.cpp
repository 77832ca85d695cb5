#include "driver/property_text.h"

#include "driver/json_text.h"
#include "form/chart_control.h"

#include <algorithm>
#include <array>
#include <utility>

namespace pc::driver {

using form::Property;

namespace {

const std::array<std::pair<Property, const char *>, 46> Names = {{
    {Property::Text, "Text"},
    {Property::Caption, "Caption"},
    {Property::Hint, "Hint"},
    {Property::ShowHint, "ShowHint"},
    {Property::Enabled, "Enabled"},
    {Property::Visible, "Visible"},
    {Property::Checked, "Checked"},
    {Property::Items, "Items"},
    {Property::ItemIndex, "ItemIndex"},
    {Property::Columns, "Columns"},
    {Property::ItemEnabled, "ItemEnabled"},
    {Property::FontColor, "FontColor"},
    {Property::FontBold, "FontBold"},
    {Property::Panels, "Panels"},
    {Property::PanelWidths, "PanelWidths"},
    {Property::Cells, "Cells"},
    {Property::ColCount, "ColCount"},
    {Property::RowCount, "RowCount"},
    {Property::TabVisible, "TabVisible"},
    {Property::ActivePageIndex, "ActivePageIndex"},
    {Property::TabIndex, "TabIndex"},
    {Property::MaxHeight, "MaxHeight"},
    {Property::Top, "Top"},
    {Property::Height, "Height"},
    {Property::Width, "Width"},
    {Property::MaxLength, "MaxLength"},
    {Property::DefaultColWidth, "DefaultColWidth"},
    {Property::DefaultRowHeight, "DefaultRowHeight"},
    {Property::ColWidths, "ColWidths"},
    {Property::RowHeights, "RowHeights"},
    {Property::Left, "Left"},
    {Property::AlphaBlend, "AlphaBlend"},
    {Property::ChartTitle, "Title"},
    {Property::SubTitle, "SubTitle"},
    {Property::SubTitleLeft, "SubTitleLeft"},
    {Property::LeftAxisTitle, "LeftAxisTitle"},
    {Property::BottomAxisTitle, "BottomAxisTitle"},
    {Property::SeriesColor, "SeriesColor"},
    {Property::Series, "Series"},
    {Property::PointLabels, "PointLabels"},
    {Property::BottomAxisMax, "BottomAxisMax"},
    {Property::LeftAxisMax, "LeftAxisMax"},
    {Property::PlotRect, "PlotRect"},
    {Property::Zoomed, "Zoomed"},
    {Property::CursorLines, "CursorLines"},
    {Property::MarkerShadow, "MarkerShadow"},
}};

bool isChartProperty(Property p)
{
    return p >= Property::ChartTitle && p <= Property::MarkerShadow;
}

std::string optionalInt(const std::optional<int> &v)
{
    return v ? jsonInt(*v) : std::string("null");
}

std::string chartJson(const form::ChartControl &c, Property p)
{
    const ChartPicture &pic = c.picture();
    switch (p) {
    case Property::ChartTitle:
        return jsonString(pic.title);
    case Property::SubTitle:
        return jsonString(pic.subtitle);
    case Property::SubTitleLeft:
        return jsonInt(pic.subtitleLeft);
    case Property::LeftAxisTitle:
        return jsonString(pic.leftAxisTitle);
    case Property::BottomAxisTitle:
        return jsonString(pic.bottomAxisTitle);
    case Property::SeriesColor:
        return jsonString(colorName(pic.color));
    case Property::Series: {
        std::vector<std::string> points;
        for (const ChartPoint &pt : pic.points)
            points.push_back(jsonArray({jsonNumber(pt.x), jsonNumber(pt.y)}));
        return jsonArray(points);
    }
    case Property::PointLabels:
        return jsonStrings(pic.pointLabels);
    case Property::BottomAxisMax:
        return jsonNumber(pic.bottomAxisMax);
    case Property::LeftAxisMax:
        return jsonNumber(pic.leftAxisMax);
    case Property::PlotRect:
        return jsonInts({pic.plot.left, pic.plot.top, pic.plot.right, pic.plot.bottom});
    case Property::Zoomed:
        return jsonBool(c.zoomed());
    case Property::CursorLines:
        return jsonArray({optionalInt(c.cursorLines().column), optionalInt(c.cursorLines().row)});
    case Property::MarkerShadow:
        return jsonBool(pic.markerShadow);
    default:
        return "null";
    }
}

} // namespace

std::optional<Property> propertyByName(const QString &name)
{
    for (const auto &[p, n] : Names)
        if (name == QLatin1String(n))
            return p;
    return std::nullopt;
}

QString propertyName(Property p)
{
    for (const auto &[q, n] : Names)
        if (q == p)
            return QLatin1String(n);
    return QString();
}

bool hasProperty(const form::Control &c, Property p)
{
    if (p == Property::Top || p == Property::Height || p == Property::Width ||
        p == Property::MaxHeight || p == Property::Left)
        return true;
    if (p == Property::AlphaBlend)
        return c.kind() == form::Kind::Window;
    if (isChartProperty(p))
        return form::ChartControl::of(c) != nullptr;
    if (p == Property::DefaultColWidth || p == Property::DefaultRowHeight ||
        p == Property::ColWidths || p == Property::RowHeights)
        return c.kind() == form::Kind::Grid;
    const auto props = c.dumpedProperties();
    return std::find(props.begin(), props.end(), p) != props.end();
}

std::string propertyJson(const form::Control &c, Property p)
{
    if (isChartProperty(p)) {
        const form::ChartControl *chart = form::ChartControl::of(c);
        return chart ? chartJson(*chart, p) : std::string("null");
    }
    switch (p) {
    case Property::Text:
        return jsonString(c.text());
    case Property::Caption:
        return jsonString(c.caption());
    case Property::Hint:
        return jsonString(c.hint());
    case Property::ShowHint:
        return jsonBool(c.showHint());
    case Property::Enabled:
        return jsonBool(c.enabled());
    case Property::Visible:
        return jsonBool(c.visible());
    case Property::Checked:
        return jsonBool(c.checked());
    case Property::Items:
        return jsonStrings(c.items());
    case Property::ItemIndex:
        return jsonInt(c.itemIndex());
    case Property::Columns:
        return jsonInt(c.columns());
    case Property::ItemEnabled: {
        std::vector<std::string> e;
        for (bool on : c.itemEnabled())
            e.push_back(jsonBool(on));
        return jsonArray(e);
    }
    case Property::FontColor:
        return jsonString(c.fontColor());
    case Property::FontBold:
        return jsonBool(c.fontBold());
    case Property::Panels:
        return jsonStrings(c.panels());
    case Property::PanelWidths:
        return jsonInts(c.panelWidths());
    case Property::Cells: {
        std::vector<std::string> rows;
        for (const auto &row : c.cells()) {
            std::vector<std::string> cells;
            for (const QString &cell : row)
                cells.push_back(jsonString(cell));
            rows.push_back(jsonArray(cells));
        }
        return jsonArray(rows);
    }
    case Property::ColCount:
        return jsonInt(c.colCount());
    case Property::RowCount:
        return jsonInt(c.rowCount());
    case Property::TabVisible:
        return jsonBool(c.tabVisible());
    case Property::ActivePageIndex:
        return jsonInt(c.activePageIndex());
    case Property::TabIndex:
        return jsonInt(c.tabIndex());
    case Property::MaxHeight:
        return jsonInt(c.maxHeight());
    case Property::Top:
        return jsonInt(c.top());
    case Property::Height:
        return jsonInt(c.height());
    case Property::Width:
        return jsonInt(c.width());
    case Property::MaxLength:
        return jsonInt(c.maxLength());
    case Property::DefaultColWidth:
        return jsonInt(c.defaultColWidth());
    case Property::DefaultRowHeight:
        return jsonInt(c.defaultRowHeight());
    case Property::ColWidths:
        return jsonInts(c.colWidths());
    case Property::RowHeights:
        return jsonInts(c.rowHeights());
    case Property::Left:
        return jsonInt(c.left());
    case Property::AlphaBlend:
        return jsonInt(c.alphaBlend());
    // A drawing, not a value the driver prints.
    case Property::Picture:
        return "null";
    default:
        break;
    }
    return "null";
}

} // namespace pc::driver
