#pragma once
// Texts and sizes of the section property grid StGr_RedProp on the input
// page, shared by its set-up, its explanations and the unit switch.

#include <QString>

#include <array>

namespace pc {

// The grid draws lines one pixel wide between its cells.
inline constexpr int PropertyGridLineWidth = 1;

// Row explanations: the grid's hint is a short part and a long part joined
// by a bar; the status bar shows the long part.
inline const QString PropertyGridHintHead =
    QStringLiteral(" Section properties: see explanation in bottom statusbar");
inline const std::array<QString, 6> PropertyGridRowHints = {
    QStringLiteral(" | ini. = initial, red. = reduced  "),
    QStringLiteral(" | Wel = elastic section modulus "),
    QStringLiteral(" | I = moment of inertia "),
    QStringLiteral(" | A = steel area of cross section "),
    QStringLiteral(" | tf = flange thickness "),
    QStringLiteral(" | tw = web thickness "),
};

// Captions of column 0 (rows 1 to 5) and of row 0 (columns 1 and 2).
inline const std::array<QString, 5> PropertyGridRowCaptions = {
    QStringLiteral(" Wel "), QStringLiteral(" I "),  QStringLiteral(" A "),
    QStringLiteral(" tf "),  QStringLiteral(" tw "),
};
inline const QString PropertyGridIniHeader = QStringLiteral("  ini.");
inline const QString PropertyGridRedHeader = QStringLiteral("  red.");
inline const QString PropertyGridUnitHeader = QStringLiteral(" ");

// The long part of a hint: the text after its first "|" (empty without one).
QString hintLongPart(const QString &hint);

} // namespace pc
