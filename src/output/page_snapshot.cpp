#include "output/page_snapshot.h"

#include "output/section_sketch.h"
#include "output/whole_file.h"

#include <QXmlStreamReader>

namespace pc {

namespace {

const QString SteelGradeCaptionStart = QStringLiteral(" Steel Grade    | ");
constexpr int SteelGradeCaptionUnitPart = 11;

const QString FileMissing = QStringLiteral("The file does not exist.");
const QString NotARegularFile = QStringLiteral("It is not a regular file.");
const QString CannotRead = QStringLiteral("The file cannot be read.");
const QString TooLarge = QStringLiteral("The file is too large for a sketch.");
const QString NotSvg = QStringLiteral("The file is not an SVG picture.");

} // namespace

InputPagePreparation prepareInputPage(const InputPageState &s)
{
    InputPagePreparation p;
    p.sketchCaption = QLatin1Char(' ') + s.sectionLabel.trimmed() + QLatin1Char(' ');
    p.sectionLabel = s.sectionLabel;
    p.sectionLabel.replace(QLatin1Char('/'), QLatin1Char('-'));
    p.sketchFile = sketchFileName(p.sectionLabel, s.imperial);
    p.hideReductionFactors = !s.reductionFactorsEnabled || s.serviceLife == 0;
    p.hideSfRed = !s.sfRedEnabled;
    p.hideLossSummary = s.lossTotal == 0;
    p.hideServiceLife = s.serviceLife == 0 || !s.serviceLifeEnabled;
    // A mass that is not a number is no quantity either.
    p.hideQuantityDetails = !(s.steelMassTotal >= 1.0);
    p.hideDesignInput = s.sfIni == 0;
    p.steelGradesCaption = snapshotSteelGradesCaption(s.steelGradesCaption);
    return p;
}

QString snapshotSteelGradesCaption(const QString &caption)
{
    return SteelGradeCaptionStart + caption.right(SteelGradeCaptionUnitPart);
}

bool isSvgDocument(const QByteArray &bytes)
{
    // The whole document must be well formed: a drawing cut short draws
    // nothing useful.
    QXmlStreamReader xml(bytes);
    bool root = true;
    bool svg = false;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && root) {
            svg = xml.name() == QLatin1String("svg");
            root = false;
        }
    }
    return svg && !xml.hasError();
}

SketchRead readSketchFile(const QString &path)
{
    FileRead read = readRegularFile(path, MaxSketchBytes);
    switch (read.fault) {
    case FileRead::None:
        break;
    case FileRead::Missing:
        return {{}, FileMissing};
    case FileRead::Folder:
    case FileRead::NotRegular:
        return {{}, NotARegularFile};
    case FileRead::TooLarge:
        return {{}, TooLarge};
    case FileRead::CannotRead:
        return {{}, CannotRead};
    }
    if (!isSvgDocument(read.bytes))
        return {{}, NotSvg};
    return {std::move(read.bytes), QString()};
}

} // namespace pc
