// `catalogue dump FILE` and `catalogue build SOURCE.json OUT.pkd`: the
// catalogue file as readable JSON and back; a source may list its sections
// in the readable `Sections` form, expanded before it is read.
// `catalogue sketches` is in sketch_command.cpp.

#include "commands.h"

#include "catalogue/catalogue_json.h"
#include "catalogue/catalogue_reader.h"
#include "catalogue/catalogue_source_geometry.h"
#include "catalogue/catalogue_writer.h"
#include "output/json_depth.h"
#include "output/whole_file.h"
#include "sketch_command.h"
#include "window/catalogue_locator.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>

namespace {

int fail(const std::string &message)
{
    std::cerr << message << '\n';
    return 1;
}

int dump(const QString &path)
{
    QString why;
    const std::optional<pc::Catalogue> catalogue = pc::readCatalogueFile(path, &why);
    // The program's own message, then what the reader found wrong and where,
    // which is what someone repairing the file needs.
    if (!catalogue)
        return fail(pc::CatalogueCorruptedText.toStdString() + '\n' + path.toStdString() + ": " +
                    why.toStdString());
    errno = 0;
    std::cout << pc::catalogueToJson(*catalogue).dump(2) << '\n';
    std::cout.flush();
    if (!std::cout)
        return fail(std::string("the catalogue cannot be written to standard output: ") +
                    std::strerror(errno));
    return 0;
}

int build(const QString &sourcePath, const QString &outPath)
{
    QFile sourceFile(sourcePath);
    if (!sourceFile.open(QIODevice::ReadOnly))
        return fail(sourcePath.toStdString() + ": " + sourceFile.errorString().toStdString());
    const std::string text = sourceFile.readAll().toStdString();
    if (pc::jsonNestingDepth(text, pc::MaxJsonNesting) > pc::MaxJsonNesting)
        return fail(sourcePath.toStdString() + ": not a catalogue source: it nests arrays and " +
                    "objects deeper than " + std::to_string(pc::MaxJsonNesting) + " levels");
    nlohmann::json source;
    try {
        source = nlohmann::json::parse(text);
    } catch (const nlohmann::json::exception &e) {
        return fail(sourcePath.toStdString() + ": not valid JSON: " + e.what());
    }

    QByteArray bytes;
    try {
        bytes = pc::writeCatalogue(pc::catalogueFromJson(pc::expandSectionGeometry(source)));
    } catch (const pc::CatalogueSourceError &e) {
        return fail(sourcePath.toStdString() + ": " + e.field() + ": " + e.reason());
    }
    // The writer's output must read back; anything else is a fault of ours,
    // and no file is better than a wrong one.
    QString why;
    if (!pc::readCatalogue(bytes, &why))
        return fail("internal error: the written catalogue does not read back: " +
                    why.toStdString());

    // Written beside the target and renamed into place, so that a failure
    // leaves no partial file; a FIFO, a device or a folder is never replaced.
    if (const std::optional<QString> why = pc::writeWholeFile(outPath, bytes))
        return fail(outPath.toStdString() + ": " + why->toStdString());
    return 0;
}

} // namespace

int runCatalogueCommand(const QStringList &args)
{
    if (answersHelpOrVersion(args, "Usage:\n"
                                   "  pilecorr-cli catalogue dump FILE\n"
                                   "  pilecorr-cli catalogue build SOURCE.json OUT.pkd\n"
                                   "  pilecorr-cli catalogue sketches SOURCE.json OUTDIR\n"))
        return 0;
    if (args.size() == 2 && args[0] == QLatin1String("dump"))
        return dump(args[1]);
    if (args.size() == 3 && args[0] == QLatin1String("build"))
        return build(args[1], args[2]);
    if (!args.isEmpty() && args[0] == QLatin1String("sketches"))
        return runSketchCommand(args.mid(1));
    std::fputs("usage:\n"
               "  pilecorr-cli catalogue dump FILE\n"
               "  pilecorr-cli catalogue build SOURCE.json OUT.pkd\n"
               "  pilecorr-cli catalogue sketches SOURCE.json OUTDIR\n",
               stderr);
    return 2;
}
