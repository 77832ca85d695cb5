#include "form/life_curve_form.h"

namespace pc::form {

LifeCurveForm::LifeCurveForm() : Form(QStringLiteral("LifeCurve"))
{
    add(TFormLife, nullptr);
    for (Control *c : {&Lbl_LifeSummary, &Lbl_LifeReadout, &SG_LifeTable, &B_LifeCsv, &B_LifeSvg,
                       &B_LifePng, &B_LifeCopy})
        add(*c, &TFormLife);
    TFormLife.setVisible(false);
    TFormLife.setCaption(QStringLiteral(" Service life curve "));
    B_LifeCsv.setCaption(QStringLiteral("Export &CSV ..."));
    B_LifeSvg.setCaption(QStringLiteral("Export &SVG ..."));
    B_LifePng.setCaption(QStringLiteral("Export &PNG ..."));
    B_LifeCopy.setCaption(QStringLiteral("C&opy to Clipboard"));
    B_LifeCopy.setShowHint(true);
    B_LifeCopy.setHint(QStringLiteral("Copies the chart as a picture and the series as text"));
}

void LifeCurveForm::setChart(const LifeChartPicture &p)
{
    chart_ = p;
    ++chartRevision_;
    if (onChartChanged)
        onChartChanged();
}

} // namespace pc::form
