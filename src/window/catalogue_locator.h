#pragma once
// Finding and loading the catalogue file at start-up: the file in the current
// directory, or one the user browses to, then the read. Written against the
// platform so that it runs with real dialogs and with scripted answers.

#include "catalogue/catalogue.h"
#include "platform/platform.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace pc {

// Caption of the catalogue messages: the application title.
inline const QString CatalogueMessageCaption = QStringLiteral(" Pilecorr 2.5.0.3 ");

inline const QString CatalogueFileName = QStringLiteral("SSP Pilecorr.pkd");

inline const QString CatalogueNotFoundText =
    QStringLiteral("Unable to find the file \"SSP Pilecorr.pkd\" or corrupted file.\r\n"
                   "Would you like to browse your computer for the file?\r\n"
                   "Click \"No\" to exit application.");

inline const QString CatalogueCorruptedText =
    QStringLiteral("\"SSP Pilecorr.pkd\" file seems to be corrupted. Reinstall original file.");

inline const QString CatalogueFileFilter = QStringLiteral("Data files only (*.pkd)|*.pkd");

// The path of the catalogue file: the one named at start (`given`, from the
// command line: a file of any name, or a folder holding "SSP Pilecorr.pkd"),
// else the current directory's, else that of the first of `folders` (the
// installed program's data folder) that holds one; when none is there, one
// the user browses to whose name ends exactly in "SSP Pilecorr.pkd". Nothing
// when the user ends the program (an answer other than Yes, or a cancelled
// dialog). With `folders` the question also says where the program looked.
std::optional<QString> locateCatalogueFile(Platform &platform, const QString &given = {},
                                           const QStringList &folders = {});

// The data folder of a program installed in `programFolder` (its bin/
// folder): the catalogue and the sketches lie in share/pilecorr beside it.
QString installedDataFolder(const QString &programFolder);

// Locates and reads the catalogue. On a read failure shows the corruption
// message. Nothing means the program must end now with exit code 0, without
// writing the settings. `folderUsed`, when given, receives the folder of the
// file read.
std::optional<Catalogue> loadCatalogue(Platform &platform, const QString &given = {},
                                       const QStringList &folders = {},
                                       QString *folderUsed = nullptr);

} // namespace pc
