#include "output/page_snapshot.h"

#include "output/section_sketch.h"
#include "output/whole_file.h"

#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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
    QFile file;
#ifdef Q_OS_UNIX
    struct stat st
    {
    };
    const QByteArray encoded = QFile::encodeName(path);
    if (::stat(encoded.constData(), &st) != 0)
        return {{}, errno == ENOENT || errno == ENOTDIR ? FileMissing : CannotRead};
    if (!S_ISREG(st.st_mode))
        return {{}, NotARegularFile};
    // Opened without waiting: a FIFO put there after the look must not hang
    // the window.
    const int fd = ::open(encoded.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return {{}, errno == ENOENT ? FileMissing : CannotRead};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return {{}, NotARegularFile};
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {{}, CannotRead};
    }
#else
    const QFileInfo info(path);
    if (!info.exists())
        return {{}, FileMissing};
    if (!info.isFile())
        return {{}, NotARegularFile};
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, CannotRead};
#endif
    if (file.size() > MaxSketchBytes)
        return {{}, TooLarge};
    QByteArray bytes = readAtMost(file, MaxSketchBytes);
    if (file.error() != QFileDevice::NoError)
        return {{}, CannotRead};
    if (bytes.size() > MaxSketchBytes)
        return {{}, TooLarge};
    if (!isSvgDocument(bytes))
        return {{}, NotSvg};
    return {bytes, QString()};
}

} // namespace pc
