// `catalogue dump FILE` and `catalogue build SOURCE.json OUT.pkd`: the
// catalogue file as readable JSON and back.

#include "commands.h"

#include "catalogue/catalogue_json.h"
#include "catalogue/catalogue_locator.h"
#include "catalogue/catalogue_reader.h"
#include "catalogue/catalogue_writer.h"

#include <QFile>
#include <QSaveFile>

#include <cstdio>
#include <iostream>

namespace {

int fail(const std::string &message)
{
    std::cerr << message << '\n';
    return 1;
}

int dump(const QString &path)
{
    const std::optional<pc::Catalogue> catalogue = pc::readCatalogueFile(path);
    if (!catalogue)
        return fail(pc::CatalogueCorruptedText.toStdString());
    std::cout << pc::catalogueToJson(*catalogue).dump(2) << '\n';
    std::cout.flush();
    return std::cout ? 0 : 1;
}

int build(const QString &sourcePath, const QString &outPath)
{
    QFile sourceFile(sourcePath);
    if (!sourceFile.open(QIODevice::ReadOnly))
        return fail(sourcePath.toStdString() + ": " + sourceFile.errorString().toStdString());
    nlohmann::json source;
    try {
        source = nlohmann::json::parse(sourceFile.readAll().toStdString());
    } catch (const nlohmann::json::exception &e) {
        return fail(sourcePath.toStdString() + ": not valid JSON: " + e.what());
    }

    QByteArray bytes;
    try {
        bytes = pc::writeCatalogue(pc::catalogueFromJson(source));
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
    // leaves no partial file.
    QSaveFile out(outPath);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
        return fail(outPath.toStdString() + ": " + out.errorString().toStdString());
    return 0;
}

} // namespace

int runCatalogueCommand(const QStringList &args)
{
    if (args.size() == 2 && args[0] == QLatin1String("dump"))
        return dump(args[1]);
    if (args.size() == 3 && args[0] == QLatin1String("build"))
        return build(args[1], args[2]);
    std::fputs("usage:\n"
               "  pilecorr-cli catalogue dump FILE\n"
               "  pilecorr-cli catalogue build SOURCE.json OUT.pkd\n",
               stderr);
    return 2;
}
