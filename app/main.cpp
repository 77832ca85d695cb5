// The Qt program. Until the main window lands this is a plain window that
// loads the catalogue and says how many sections it holds.

#include "window/catalogue_locator.h"
#include "qt_platform.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // Window and message captions are the program's own texts; without this the
    // platform may append the executable's name to them.
    QApplication::setApplicationDisplayName(QString());

    pc::QtPlatform platform;
    const std::optional<pc::Catalogue> catalogue = pc::loadCatalogue(platform);
    if (!catalogue)
        return 0; // missing or damaged catalogue: end without a window and without settings

    QLabel window(
        QStringLiteral(" The catalogue holds %1 sections. ").arg(catalogue->SectionCount()));
    window.setWindowTitle(QStringLiteral(" Pilecorr "));
    window.setMinimumSize(360, 120);
    window.setAlignment(Qt::AlignCenter);
    window.show();
    return app.exec();
}
