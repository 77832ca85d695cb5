#include "commands.h"

#include <cstdio>

int runCatalogueCommand(const QStringList &)
{
    std::fputs("pilecorr-cli: the catalogue commands are not built yet\n", stderr);
    return 2;
}
