#include "commands.h"

#include <cstdio>

int runScriptCommand(const QStringList &)
{
    std::fputs("pilecorr-cli: the script driver is not built yet\n", stderr);
    return 2;
}
