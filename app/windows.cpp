#include "windows.h"

#include "binders.h"
#include "form/chart_control.h"
#include "form/splash_form.h"
#include "gui_session.h"
#include "life_chart_drawing.h"
#include "logo.h"
#include "window/app.h"

#include <QApplication>
#include <QChart>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

namespace pc::gui {

namespace {

// The light grey of the small windows.
const QColor WindowGrey(212, 208, 200);

void smallFonts(QWidget *window, qreal pointSize)
{
    for (QWidget *w : window->findChildren<QWidget *>())
        if (w->property("smallFont").toBool()) {
            QFont f = w->font();
            f.setPointSizeF(pointSize);
            w->setFont(f);
        }
}

void greyBackground(QWidget *w)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, WindowGrey);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

} // namespace

QFont familyFont(const QString &family, qreal pointSize)
{
    QFont f = QApplication::font();
    f.setFamilies({family, QApplication::font().family()});
    f.setPointSizeF(pointSize);
    return f;
}

MainWindow::MainWindow(Session &session) : session_(session)
{
    ui.setupUi(this);
    // Fixed size with a minimise button and no maximise button.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    // The banner stands at the top right, in the menu bar beside the menus.
    ui.Edit1->setParent(ui.MainMenu);
    QPalette banner;
    banner.setColor(QPalette::Base, Qt::transparent);
    ui.Edit1->setPalette(banner);
    ui.MainMenu->installEventFilter(this);
    // The chart's context menu.
    connect(ui.TeeCh_Wx, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { ui.PopUpMenu->popup(ui.TeeCh_Wx->mapToGlobal(pos)); });
    ui.TeeCh_Wx->setRenderHint(QPainter::Antialiasing);
    ui.TC_Chart->setShape(QTabBar::RoundedSouth);
    ui.TC_Chart->setDrawBase(false);
    ui.TC_Chart->setExpanding(false);
    // Every tab as wide as the program counts it for the tabs' hints.
    ui.TC_Chart->setStyleSheet(
        QStringLiteral("QTabBar::tab { width: %1px; height: 20px; padding: 0px; margin: 0px;"
                       " border: 1px solid #a0a0a0; border-top: 0px; background: #e6e6e6; }"
                       " QTabBar::tab:selected { background: #ffffff; }")
            .arg(form::ChartTabWidth - 2));
    smallFonts(this, 8);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui.MainMenu &&
        (event->type() == QEvent::Resize || event->type() == QEvent::Show ||
         event->type() == QEvent::FontChange)) {
        QLineEdit *banner = ui.Edit1;
        const int width = banner->fontMetrics().horizontalAdvance(banner->text()) + 12;
        const int height = std::min(ui.MainMenu->height(), banner->sizeHint().height());
        banner->setGeometry(ui.MainMenu->width() - width - 4, (ui.MainMenu->height() - height) / 2,
                            width, height);
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (ProgramUpdate::active() || session_.app().ended())
        return; // the program closes it itself
    session_.app().closeMainWindow();
    session_.afterUserAction();
}

SplashWindow::SplashWindow() : timer(new QTimer(this))
{
    ui.setupUi(this);
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    greyBackground(this);
    timer->setObjectName(QStringLiteral("Timer1"));
    timer->setInterval(form::SplashForm::TimerIntervalMs);
    ui.Image1->setPixmap(splashPicture(ui.Image1->size(), devicePixelRatioF()));
    ui.Version->setFont(familyFont(QStringLiteral("Arial"), 12));
    ui.Version->raise();
}

AboutWindow::AboutWindow(QWidget *owner) : QDialog(owner)
{
    ui.setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(false);
    greyBackground(this);
    ui.LogoShape->setPixmap(aboutBand(ui.LogoShape->size(), devicePixelRatioF()));
    QFont link = ui.LblEmailLink->font();
    link.setUnderline(true);
    ui.LblEmailLink->setFont(link);
    smallFonts(this, 8);
}

void AboutWindow::reject()
{
    close();
}

TableWindow::TableWindow(QWidget *owner) : QWidget(owner)
{
    ui.setupUi(this);
    setWindowFlags(Qt::Tool);
    // Tahoma at 12 pixels where it exists.
    QFont f = familyFont(QStringLiteral("Tahoma"), 9);
    f.setPixelSize(12);
    setFont(f);
    // A tool window is not activated when it appears; this one closes when
    // it loses activation, so it takes it when shown.
    setProperty("activateOnShow", true);
}

void TableWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

LifeCurveWindow::LifeCurveWindow(Session &session, QWidget *owner)
    : QWidget(owner), session_(session)
{
    ui.setupUi(this);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    ui.LifeChartView->setRenderHint(QPainter::Antialiasing);
    ui.LifeChartView->setMouseTracking(true);
    ui.LifeChartView->viewport()->setMouseTracking(true);
    ui.LifeChartView->viewport()->installEventFilter(this);
    drawing_ = std::make_unique<LifeChartDrawing>(ui.LifeChartView->chart());
}

LifeCurveWindow::~LifeCurveWindow() = default;

void LifeCurveWindow::redraw()
{
    drawing_->setPicture(session_.app().lifeCurveWindow.chart());
}

bool LifeCurveWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui.LifeChartView->viewport() &&
        (event->type() == QEvent::MouseMove || event->type() == QEvent::Leave)) {
        int year = -1;
        if (event->type() == QEvent::MouseMove) {
            QChart *chart = ui.LifeChartView->chart();
            const QPointF scene =
                ui.LifeChartView->mapToScene(static_cast<QMouseEvent *>(event)->pos());
            const QPointF inChart = chart->mapFromScene(scene);
            if (chart->plotArea().contains(inChart) && !chart->series().isEmpty())
                year = lifeChartYearAt(session_.app().lifeCurveWindow.chart(),
                                       chart->mapToValue(inChart, chart->series().front()).x());
        }
        session_.app().curve.LifeChartMouseMove(year);
        session_.afterUserAction();
    }
    return QWidget::eventFilter(watched, event);
}

void LifeCurveWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (ProgramUpdate::active())
        return;
    session_.app().lifeCurveWindow.hide();
    session_.afterUserAction();
}

void LifeCurveWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace pc::gui
