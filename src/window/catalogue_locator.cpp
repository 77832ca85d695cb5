#include "window/catalogue_locator.h"

#include "catalogue/catalogue_reader.h"

#include <QDir>
#include <QFileInfo>

namespace pc {

std::optional<QString> locateCatalogueFile(Platform &platform, const QString &given,
                                           const QStringList &folders)
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
        for (const QString &folder : QStringList(directory) + folders) {
            const QString candidate = folder + QLatin1Char('/') + CatalogueFileName;
            if (platform.fileExists(candidate))
                return candidate;
        }
    }

    // An installed program says where it looked: the file may be missing
    // from its data folder, not only from the working directory.
    QString question = CatalogueNotFoundText;
    if (given.isEmpty() && !folders.isEmpty())
        question += QStringLiteral("\r\n\r\nLooked in:\r\n") +
                    (QStringList(directory) + folders).join(QStringLiteral("\r\n"));
    for (;;) {
        if (platform.message(MessageKind::Error, CatalogueMessageCaption, question) !=
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

QString installedDataFolder(const QString &programFolder)
{
    return QDir::cleanPath(programFolder + QStringLiteral("/../share/pilecorr"));
}

std::optional<Catalogue> loadCatalogue(Platform &platform, const QString &given,
                                       const QStringList &folders, QString *folderUsed)
{
    const std::optional<QString> path = locateCatalogueFile(platform, given, folders);
    if (!path)
        return std::nullopt;
    if (folderUsed)
        *folderUsed = QFileInfo(*path).path();
    std::optional<Catalogue> catalogue = readCatalogueFile(*path);
    if (!catalogue)
        platform.message(MessageKind::Plain, CatalogueMessageCaption, CatalogueCorruptedText);
    return catalogue;
}

} // namespace pc
