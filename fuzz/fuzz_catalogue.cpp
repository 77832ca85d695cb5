// A catalogue file through the whole program, not only through the reader:
// a file the reader accepts is loaded at start-up and the window is then
// used as a person would (a grade, the units, the corrosion table, the
// summary, the chart, a family, a moment), so that a value the reader lets
// through but a handler cannot take shows here.

#include "catalogue/catalogue_reader.h"
#include "fuzz_support.h"
#include "platform/scripted_platform.h"
#include "window/app.h"

#include <QByteArray>
#include <QCoreApplication>

#include <cstddef>
#include <cstdint>
#include <optional>

PILECORR_FUZZ_INITIALIZE

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    std::optional<pc::Catalogue> catalogue = pc::readCatalogue(bytes);
    if (!catalogue)
        return 0;

    pc::ScriptedPlatform platform;
    pc::App app(platform);
    app.catalogueLoader = [&catalogue](pc::Platform &) { return std::move(catalogue); };
    app.start();
    if (app.ended())
        return 0;
    pc::form::MainForm &f = app.f;
    f.userSelect(f.CB_SteelGrades, 1);
    f.userType(f.Edit_Moment, QStringLiteral("250"));
    f.userClick(f.MenuImperial);
    f.userPage(pc::form::MainForm::PageRates);
    f.userSelect(f.RG_Front, 2);
    f.userSelect(f.CB_ServiceLife, 1);
    f.userClick(f.B_EC3Tables);
    f.userPage(pc::form::MainForm::PageSFTable);
    f.userPage(pc::form::MainForm::PageChart);
    f.userPage(pc::form::MainForm::PageInput);
    f.userSelect(f.RG_SSP, 1);
    f.userClick(f.MenuSelectSfmin);
    f.userType(f.Edit_Moment, QStringLiteral("5"));
    f.userClick(f.MenuMetric);
    return 0;
}
