#pragma once
// `pilecorr-cli catalogue sketches SOURCE.json OUTDIR`: writes the section
// sketches of a catalogue source into OUTDIR/data/, where the program looks
// for them when it copies the input page to the clipboard.

#include <QStringList>

// Arguments after "sketches"; returns the process exit status.
int runSketchCommand(const QStringList &args);
