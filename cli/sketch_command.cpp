#include "sketch_command.h"

#include "output/json_depth.h"
#include "output/section_sketch.h"
#include "output/whole_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <exception>
#include <optional>
#include <string_view>

namespace {

void complain(const QString &text)
{
    std::fputs(("pilecorr-cli: " + text + "\n").toLocal8Bit().constData(), stderr);
}

} // namespace

int runSketchCommand(const QStringList &args)
{
    if (args.size() != 2) {
        complain(QStringLiteral("usage: pilecorr-cli catalogue sketches SOURCE.json OUTDIR"));
        return 2;
    }
    QFile in(args[0]);
    if (!in.open(QIODevice::ReadOnly)) {
        complain(args[0] + QStringLiteral(": ") + in.errorString());
        return 1;
    }
    const QByteArray text = in.readAll();
    in.close();

    if (pc::jsonNestingDepth(std::string_view(text.constData(), static_cast<size_t>(text.size())),
                             pc::MaxJsonNesting) > pc::MaxJsonNesting) {
        complain(args[0] + QStringLiteral(": not a catalogue source: it nests arrays and objects "
                                          "deeper than %1 levels")
                               .arg(pc::MaxJsonNesting));
        return 1;
    }
    std::vector<pc::SketchFile> files;
    try {
        files = pc::sectionSketches(
            nlohmann::json::parse(text.constData(), text.constData() + text.size()));
    } catch (const std::exception &e) {
        complain(args[0] + QStringLiteral(": ") + QString::fromUtf8(e.what()));
        return 1;
    }

    const QDir out(args[1]);
    for (const pc::SketchFile &f : files) {
        const QString path = out.filePath(f.path);
        if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
            complain(QStringLiteral("cannot create the folder of ") + path);
            return 1;
        }
        if (const std::optional<QString> why = pc::writeWholeFile(path, f.svg.toUtf8())) {
            complain(path + QStringLiteral(": ") + *why);
            return 1;
        }
    }
    std::printf("%d sketches written to %s\n", static_cast<int>(files.size()),
                QDir::toNativeSeparators(out.absolutePath()).toLocal8Bit().constData());
    return 0;
}
