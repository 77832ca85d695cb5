#pragma once
// Section sketches: an SVG drawing of a sheet pile pair with its main
// dimensions, one metric and one imperial file per section label. The
// clipboard snapshot shows the sketch of the selected section; the files are
// generated at build time from the same geometry as the catalogue values.

#include "catalogue/section_geometry.h"
#include "catalogue/section_list.h"

#include <nlohmann/json.hpp>

#include <QString>

#include <vector>

namespace pc {

// Path of the sketch of a label relative to the working folder:
// "data/" + label without outer blanks and with "/" as "-" + ".svg", or
// + "-imp.svg" for the imperial drawing.
QString sketchFileName(const QString &label, bool imperial);

// The drawing of the pair, dimensions in mm (metric) or in (imperial).
// Empty for a geometry that checkPairGeometry refuses.
QString sectionSketchSvg(const PairGeometry &g, const QString &label, bool imperial);

// A drawing that only names the section, for a section whose properties were
// given as tables without geometry: the snapshot still finds a picture.
QString placeholderSketchSvg(const QString &label, bool imperial);

struct SketchFile
{
    QString path; // relative, as sketchFileName gives it
    QString svg;
};

// Every sketch of a catalogue source (readable or plain form): two files per
// section, drawn from its geometry where the source gives one.
// Throws what expandSectionGeometry throws for a faulty source.
std::vector<SketchFile> sectionSketches(const nlohmann::json &source);

} // namespace pc
