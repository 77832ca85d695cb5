#pragma once
// The about box tells the user what the shipped catalogue is: sections worked
// out from idealised geometry, so that nobody designs a real wall with them
// believing they are a maker's published values.

#include <QString>

namespace pc {

inline const QString SampleCatalogueNotice = QStringLiteral(
    "The sample catalogue \"SSP Pilecorr.pkd\" shipped with this program holds invented "
    "sheet pile families whose properties are computed from idealised centre-line geometry. "
    "They are not any maker's data: for a real wall, use a catalogue built from the values "
    "your supplier publishes.");

} // namespace pc
