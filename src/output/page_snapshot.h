#pragma once
// The clipboard picture of the active page. On the input page the picture is
// a summary rather than a form: the controls that only serve input give way
// to a sketch of the selected section, boxes that do not apply to the design
// are left out and the grade box is relabelled. This file decides all of it
// as plain data; the handler applies it to the controls and puts everything
// back afterwards.

#include <QByteArray>
#include <QString>

namespace pc {

// What the preparation of the input page reads.
struct InputPageState
{
    QString sectionLabel; // the label of the section computed last
    bool imperial = false;
    long double sfIni = 0;                // 0: no safety factor of the initial section
    double lossTotal = 0;                 // mm
    int serviceLife = 0;                  // years
    double steelMassTotal = 0;            // kg
    bool reductionFactorsEnabled = false; // the box of the A690 / NVMarin factors
    bool sfRedEnabled = false;            // the Sf,red result label
    bool serviceLifeEnabled = false;      // the service life box
    QString steelGradesCaption;           // caption of the steel grade box
};

// What changes on the input page while its picture is taken. The section
// choice (family, list, the grade note and "Show all") and the wall-length
// input always give way; the rest depends on the design.
struct InputPagePreparation
{
    QString sketchCaption;             // the sketch box: " " + label without outer blanks + " "
    QString sectionLabel;              // the label with every "/" as "-", as it stays afterwards
    QString sketchFile;                // the sketch, relative to the working folder
    bool hideReductionFactors = false; // disabled, or no service life
    bool hideSfRed = false;            // no reduced safety factor shown
    bool hideLossSummary = false;      // no loss of thickness
    bool hideServiceLife = false;      // with its protection box: no service life or disabled
    bool hideQuantityDetails = false;  // below 1 kg of steel: only the wall weight stays
    bool hideDesignInput = false;      // the design actions and the Sf box: no Sf,ini
    QString steelGradesCaption;        // the grade box while the picture is taken
};

InputPagePreparation prepareInputPage(const InputPageState &state);

// The steel grade caption of the picture: " Steel Grade    | " followed by
// the last 11 characters of the caption shown (its unit part).
QString snapshotSteelGradesCaption(const QString &caption);

// A sketch read from its file, or why it could not be: the reason is a
// sentence of its own ("The file does not exist.").
struct SketchRead
{
    QByteArray svg;
    QString failure; // empty when read
};

// Largest sketch file read; a drawing of one pile pair is a few kilobytes.
inline constexpr qint64 MaxSketchBytes = 4 * 1024 * 1024;

// Reads the sketch at `path`: a regular file of at most MaxSketchBytes that
// holds an SVG document. A FIFO or device put there never makes it wait.
SketchRead readSketchFile(const QString &path);

// Whether `bytes` is a well-formed XML document whose root element is <svg>.
bool isSvgDocument(const QByteArray &bytes);

} // namespace pc
