#include "form/program_error.h"

#include <cstdio>
#include <cstdlib>

namespace pc::form {

void programError(const QString &control, const char *what, const char *file, int line)
{
    std::fprintf(stderr, "program error: %s: %s (%s:%d)\n", control.toUtf8().constData(), what,
                 file, line);
    std::fflush(stderr);
    std::abort();
}

} // namespace pc::form
