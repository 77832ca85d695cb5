#pragma once
// Program errors of the form model: a setter given the wrong kind of control
// or an index outside its list. A release build drops such a call as the
// toolkit would (the user never sees a crash); a debug build stops at once
// with the control's name, so that the handler at fault is found.

#include <QString>

namespace pc::form {

// Prints "control: what (file:line)" and aborts.
[[noreturn]] void programError(const QString &control, const char *what, const char *file,
                               int line);

} // namespace pc::form

#ifdef NDEBUG
#define PC_FORM_EXPECT(condition, control, what) static_cast<void>(0)
#else
#define PC_FORM_EXPECT(condition, control, what)                                                   \
    ((condition) ? static_cast<void>(0)                                                            \
                 : ::pc::form::programError((control), (what), __FILE__, __LINE__))
#endif
