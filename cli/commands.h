#pragma once
// Subcommands of pilecorr-cli. Each takes the arguments after its own name and
// returns the process exit status.

#include <QString>
#include <QStringList>

int runCatalogueCommand(const QStringList &args); // catalogue dump|build ...
int runScriptCommand(const QStringList &args);    // script FILE [options]
// check, search, summary, life and batch (design_commands.cpp).
int runDesignCommand(const QString &command, const QStringList &args);

// The line --version prints.
QString versionText();
// Whether `args` ask for help (-h, --help) or the version (--version); the
// answer is then printed to standard output.
bool answersHelpOrVersion(const QStringList &args, const char *usage);
