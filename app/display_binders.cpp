// Binders of what the program shows: group boxes, labels, pictures, the
// status bar and the chart (chart_binder.cpp).

#include "binder_support.h"
#include "gui_session.h"
#include "widgets.h"

#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QStatusBar>
#include <QSvgRenderer>

namespace pc::gui::detail {

namespace {

// ---- Group boxes, labels, pictures ---------------------------------------------

class GroupBoxBinder : public Binder
{
public:
    GroupBoxBinder(Session &s, form::Form &f, Control &c, QObject *o) : Binder(s, f, c, o)
    {
        new MouseForwarder(*this, widget(), [this] { userActed(); });
    }

protected:
    std::vector<Property> properties() const override
    {
        return with({P::Caption, P::Hint, P::ShowHint, P::Enabled, P::Visible, P::FontColor},
                    Geometry);
    }

    void apply(Property p) override
    {
        if (p == P::Caption)
            qobject_cast<QGroupBox *>(object_.data())->setTitle(control_.caption());
        else
            applyCommon(p);
    }

    std::optional<std::string> shown(Property p) const override
    {
        if (p == P::Caption)
            return json(qobject_cast<QGroupBox *>(object_.data())->title());
        return shownCommon(p);
    }
};

class LabelBinder : public Binder
{
public:
    LabelBinder(Session &s, form::Form &f, Control &c, QObject *o) : Binder(s, f, c, o)
    {
        new MouseForwarder(*this, widget(), [this] { userActed(); });
        if (c.onClick)
            widget()->setCursor(Qt::PointingHandCursor);
    }

protected:
    QLabel *label() const { return qobject_cast<QLabel *>(object_.data()); }

    std::vector<Property> properties() const override
    {
        return with(
            {P::Caption, P::Hint, P::ShowHint, P::Enabled, P::Visible, P::FontColor, P::FontBold},
            Geometry);
    }

    void apply(Property p) override
    {
        if (p == P::Caption) {
            label()->setText(control_.caption());
            fitHeight();
        } else {
            applyCommon(p);
            if (p == P::MaxHeight)
                fitHeight();
        }
    }

    std::optional<std::string> shown(Property p) const override
    {
        if (p == P::Caption)
            return json(label()->text());
        return shownCommon(p);
    }

private:
    // A word-wrapped label grows with its text up to its maximum height.
    void fitHeight()
    {
        QLabel *l = label();
        if (!l->wordWrap() || l->property("fixedHeight").toBool())
            return;
        const int h =
            std::clamp(l->heightForWidth(l->width()), l->minimumHeight(), l->maximumHeight());
        l->resize(l->width(), h);
    }
};

class ImageBinder : public Binder
{
public:
    ImageBinder(Session &s, form::Form &f, Control &c, QObject *o) : Binder(s, f, c, o)
    {
        new MouseForwarder(*this, widget(), [this] { userActed(); });
    }

protected:
    QLabel *label() const { return qobject_cast<QLabel *>(object_.data()); }

    std::vector<Property> properties() const override { return {P::Picture, P::Visible}; }

    void apply(Property p) override
    {
        if (p == P::Picture)
            label()->setPixmap(drawing(control_.picture()));
        else
            applyCommon(p);
    }

private:
    // The SVG drawn as large as the picture's place allows, centred, at the
    // screen's pixel density; nothing for no drawing.
    QPixmap drawing(const QByteArray &svg) const
    {
        QSvgRenderer renderer(svg);
        if (svg.isEmpty() || !renderer.isValid())
            return QPixmap();
        const QSize place = label()->contentsRect().size();
        const QSize size = renderer.defaultSize().scaled(place, Qt::KeepAspectRatio);
        if (size.isEmpty())
            return QPixmap();
        const qreal ratio = label()->devicePixelRatioF();
        QPixmap pixmap(size * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
        return pixmap;
    }
};

// ---- Status bar ------------------------------------------------------------------------

class StatusBarBinder : public Binder
{
public:
    StatusBarBinder(Session &s, form::Form &f, Control &c, QObject *o) : Binder(s, f, c, o)
    {
        auto *bar = qobject_cast<QStatusBar *>(o);
        bar->setSizeGripEnabled(false);
        for (int i = 0; i < c.panels().size(); ++i) {
            auto *panel = new QLabel(bar);
            panel->setObjectName(c.name() + QStringLiteral("_panel%1").arg(i));
            panel->setFrameShape(QFrame::Panel);
            panel->setFrameShadow(QFrame::Sunken);
            // The last panel takes the rest of the bar.
            const bool last = i + 1 == c.panels().size();
            bar->addWidget(panel, last ? 1 : 0);
            panels_.push_back(panel);
        }
    }

protected:
    std::vector<Property> properties() const override
    {
        return {P::PanelWidths, P::Panels, P::Visible};
    }

    void apply(Property p) override
    {
        switch (p) {
        case P::Panels:
            for (size_t i = 0; i < panels_.size(); ++i)
                panels_[i]->setText(control_.panel(static_cast<int>(i)));
            break;
        case P::PanelWidths:
            for (size_t i = 0; i + 1 < panels_.size(); ++i)
                if (i < control_.panelWidths().size())
                    panels_[i]->setFixedWidth(control_.panelWidths()[i]);
            break;
        default:
            applyCommon(p);
            break;
        }
    }

    std::optional<std::string> shown(Property p) const override
    {
        if (p == P::Panels) {
            QStringList texts;
            for (const QLabel *l : panels_)
                texts << l->text();
            return json(texts);
        }
        return shownCommon(p);
    }

private:
    std::vector<QLabel *> panels_;
};

} // namespace

std::unique_ptr<Binder> makeDisplayBinder(Session &s, form::Form &f, Control &c, QObject *o)
{
    switch (c.kind()) {
    case Kind::GroupBox:
        return std::make_unique<GroupBoxBinder>(s, f, c, o);
    case Kind::Label:
        return std::make_unique<LabelBinder>(s, f, c, o);
    case Kind::Image:
        return std::make_unique<ImageBinder>(s, f, c, o);
    case Kind::StatusBar:
        return std::make_unique<StatusBarBinder>(s, f, c, o);
    case Kind::Chart:
        return makeChartBinder(s, f, c, o);
    default:
        return nullptr;
    }
}

} // namespace pc::gui::detail
