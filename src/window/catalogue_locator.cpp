#include "window/catalogue_locator.h"

#include "catalogue/catalogue_reader.h"

namespace pc {

std::optional<QString> locateCatalogueFile(Platform &platform, const QString &given)
{
    const QString directory = platform.currentDirectory();
    if (!given.isEmpty()) {
        // The user named it: any name will do. A missing one leads to the
        // question, as a missing file in the working directory does.
        if (platform.fileExists(given))
            return given;
        const QString inFolder = given + QLatin1Char('/') + CatalogueFileName;
        if (platform.fileExists(inFolder))
            return inFolder;
    } else {
        const QString candidate = directory + QLatin1Char('/') + CatalogueFileName;
        if (platform.fileExists(candidate))
            return candidate;
    }

    for (;;) {
        if (platform.message(MessageKind::Error, CatalogueMessageCaption, CatalogueNotFoundText) !=
            MessageButton::Yes)
            return std::nullopt;

        OpenFileRequest request;
        request.initialDir = directory;
        request.fileName = CatalogueFileName;
        request.filter = CatalogueFileFilter;
        request.readOnlyShown = true;
        request.readOnlyChecked = true;
        request.mustExist = true;
        const std::optional<QString> chosen = platform.openFile(request);
        if (!chosen)
            return std::nullopt;
        // A copy saved under another name is refused, even with only the case changed.
        if (chosen->endsWith(CatalogueFileName, Qt::CaseSensitive) && platform.fileExists(*chosen))
            return chosen;
    }
}

std::optional<Catalogue> loadCatalogue(Platform &platform, const QString &given)
{
    const std::optional<QString> path = locateCatalogueFile(platform, given);
    if (!path)
        return std::nullopt;
    std::optional<Catalogue> catalogue = readCatalogueFile(*path);
    if (!catalogue)
        platform.message(MessageKind::Plain, CatalogueMessageCaption, CatalogueCorruptedText);
    return catalogue;
}

} // namespace pc
