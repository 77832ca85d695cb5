// The binder of the chart: the QChartView draws the model's picture, cursor
// lines and zoom; the pointer's moves go to the model, and a rubber band
// drawn to the lower right zooms in, one drawn to the left undoes the zoom
// (both are the model's state, so the read-out knows of them).

#include "binder_support.h"
#include "chart_drawing.h"
#include "driver/json_text.h"

#include <QChart>
#include <QChartView>
#include <QGraphicsSimpleTextItem>
#include <QLineSeries>
#include <QMouseEvent>
#include <QRubberBand>
#include <QValueAxis>

namespace pc::gui::detail {

namespace {

bool samePicture(const ChartPicture &a, const ChartPicture &b)
{
    return a.width == b.width && a.height == b.height && a.plot == b.plot && a.title == b.title &&
           a.subtitle == b.subtitle && a.subtitleLeft == b.subtitleLeft &&
           a.leftAxisTitle == b.leftAxisTitle && a.bottomAxisTitle == b.bottomAxisTitle &&
           a.color == b.color && a.points == b.points && a.pointLabels == b.pointLabels &&
           a.bottomAxisMax == b.bottomAxisMax && a.leftAxisMax == b.leftAxisMax &&
           a.markerShadow == b.markerShadow;
}

bool sameZoom(const std::optional<form::ChartZoom> &a, const std::optional<form::ChartZoom> &b)
{
    if (a.has_value() != b.has_value())
        return false;
    return !a ||
           (a->xMin == b->xMin && a->xMax == b->xMax && a->yMin == b->yMin && a->yMax == b->yMax);
}

// The smallest drag that counts as a rubber band, in pixels.
constexpr int DragThreshold = 4;

class ChartBinder : public Binder
{
public:
    ChartBinder(Session &s, form::Form &f, Control &c, QObject *o)
        : Binder(s, f, c, o), chart_(*form::ChartControl::of(c)),
          view_(qobject_cast<QChartView *>(o)), drawing_(view_->chart())
    {
        // Chart pixels are the view's pixels: no frame, no scrolling, no zoom
        // of the view's own.
        view_->setFrameShape(QFrame::NoFrame);
        view_->setRubberBand(QChartView::NoRubberBand);
        view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view_->setRenderHint(QPainter::Antialiasing);
        band_ = new QRubberBand(QRubberBand::Rectangle, view_->viewport());
        new MouseForwarder(*this, view_->viewport(), [this] { userActed(); });
        view_->viewport()->installEventFilter(this);
    }

    std::optional<std::string> shown(Property p) const override
    {
        QChart *chart = view_->chart();
        auto *series =
            chart->series().isEmpty() ? nullptr : qobject_cast<QLineSeries *>(chart->series()[0]);
        const auto axis = [chart](Qt::Alignment a) {
            const auto axes = chart->axes(a == Qt::AlignBottom ? Qt::Horizontal : Qt::Vertical);
            return axes.isEmpty() ? nullptr : qobject_cast<QValueAxis *>(axes[0]);
        };
        switch (p) {
        case P::ChartTitle:
            return json(drawing_.title());
        case P::Series: {
            if (!series)
                return std::nullopt;
            std::vector<std::string> points;
            for (const QPointF &pt : series->points())
                points.push_back(
                    driver::jsonArray({driver::jsonNumber(pt.x()), driver::jsonNumber(pt.y())}));
            return driver::jsonArray(points);
        }
        case P::SeriesColor:
            return series ? std::optional(json(series->pen().color().name().toUpper()))
                          : std::nullopt;
        case P::LeftAxisTitle:
            return axis(Qt::AlignLeft) ? std::optional(json(axis(Qt::AlignLeft)->titleText()))
                                       : std::nullopt;
        case P::BottomAxisTitle:
            return axis(Qt::AlignBottom) ? std::optional(json(axis(Qt::AlignBottom)->titleText()))
                                         : std::nullopt;
        case P::Zoomed: {
            // Zoomed when the bottom axis shows less than the whole picture.
            const QValueAxis *x = axis(Qt::AlignBottom);
            if (!x)
                return std::nullopt;
            const ChartPicture &pic = chart_.picture();
            const double full = pic.bottomAxisMax > 0 ? pic.bottomAxisMax : 1;
            return json(!(x->min() == 0 && x->max() == full));
        }
        default:
            return shownCommon(p);
        }
    }

protected:
    std::vector<Property> properties() const override
    {
        return with({P::Hint, P::ShowHint, P::Enabled, P::Visible, P::ChartTitle, P::SubTitle,
                     P::SubTitleLeft, P::LeftAxisTitle, P::BottomAxisTitle, P::SeriesColor,
                     P::Series, P::PointLabels, P::BottomAxisMax, P::LeftAxisMax, P::PlotRect,
                     P::Zoomed, P::MarkerShadow, P::CursorLines},
                    Geometry);
    }

    void apply(Property p) override
    {
        switch (p) {
        case P::ChartTitle:
        case P::SubTitle:
        case P::SubTitleLeft:
        case P::LeftAxisTitle:
        case P::BottomAxisTitle:
        case P::SeriesColor:
        case P::Series:
        case P::PointLabels:
        case P::BottomAxisMax:
        case P::LeftAxisMax:
        case P::PlotRect:
        case P::Zoomed:
        case P::MarkerShadow:
            // Drawn once for all the parts that changed together.
            if (!drawn_ || !samePicture(drawnPicture_, chart_.picture()) ||
                !sameZoom(drawnZoom_, chart_.zoom())) {
                drawing_.setPicture(chart_.picture(), chart_.zoom());
                drawnPicture_ = chart_.picture();
                drawnZoom_ = chart_.zoom();
                drawn_ = true;
            }
            break;
        case P::CursorLines:
            drawing_.setCursorLines(chart_.cursorLines());
            break;
        default:
            applyCommon(p);
            break;
        }
    }

    bool eventFilter(QObject *, QEvent *e) override
    {
        switch (e->type()) {
        case QEvent::MouseButtonPress: {
            auto *m = static_cast<QMouseEvent *>(e);
            if (m->button() == Qt::LeftButton) {
                origin_ = m->position().toPoint();
                dragging_ = true;
                band_->setGeometry(QRect(origin_, QSize()));
                band_->show();
            }
            break;
        }
        case QEvent::MouseMove:
            if (dragging_)
                band_->setGeometry(
                    QRect(origin_, static_cast<QMouseEvent *>(e)->position().toPoint())
                        .normalized());
            break;
        case QEvent::MouseButtonRelease: {
            auto *m = static_cast<QMouseEvent *>(e);
            if (m->button() == Qt::LeftButton && dragging_) {
                dragging_ = false;
                band_->hide();
                finishDrag(m->position().toPoint());
            }
            break;
        }
        default:
            break;
        }
        return false;
    }

private:
    void finishDrag(const QPoint &end)
    {
        if (end.x() > origin_.x() + DragThreshold && end.y() > origin_.y() + DragThreshold) {
            const QPointF a = drawing_.valueAt(origin_);
            const QPointF b = drawing_.valueAt(end);
            chart_.zoomTo({a.x(), b.x(), b.y(), a.y()});
            userActed();
        } else if (end.x() < origin_.x() - DragThreshold) {
            chart_.undoZoom();
            userActed();
        }
    }

    form::ChartControl &chart_;
    QChartView *view_;
    ChartDrawing drawing_;
    QRubberBand *band_ = nullptr;
    QPoint origin_;
    bool dragging_ = false;
    bool drawn_ = false;
    ChartPicture drawnPicture_;
    std::optional<form::ChartZoom> drawnZoom_;
};

} // namespace

std::unique_ptr<Binder> makeChartBinder(Session &s, form::Form &f, Control &c, QObject *o)
{
    if (!form::ChartControl::of(c) || !qobject_cast<QChartView *>(o))
        return nullptr;
    return std::make_unique<ChartBinder>(s, f, c, o);
}

} // namespace pc::gui::detail
