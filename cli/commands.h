#pragma once
// Subcommands of pilecorr-cli. Each takes the arguments after its own name and
// returns the process exit status.

#include <QStringList>

int runCatalogueCommand(const QStringList &args); // catalogue dump|build ...
int runScriptCommand(const QStringList &args);    // script FILE [options]
