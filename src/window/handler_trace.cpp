#include "window/handler_trace.h"

#include <QtGlobal>

#include <cstdio>

namespace pc {

HandlerTrace::Sink HandlerTrace::standardErrorSink()
{
    return
        [](int depth, const char *name) { std::fprintf(stderr, "%*s%s\n", 2 * depth, "", name); };
}

bool HandlerTrace::askedByEnvironment()
{
    return !qEnvironmentVariableIsEmpty("PILECORR_TRACE_HANDLERS");
}

void HandlerTrace::enter(const char *name)
{
    const bool repeat = !open_.empty() && std::strcmp(open_.back().first, name) == 0;
    open_.emplace_back(name, repeat);
    if (repeat)
        return;
    ++counts_[name];
    if (sink_)
        sink_(depth_, name);
    ++depth_;
}

void HandlerTrace::leave()
{
    if (open_.empty())
        return;
    if (!open_.back().second)
        --depth_;
    open_.pop_back();
}

int HandlerTrace::count(const char *name) const
{
    const auto it = counts_.find(name);
    return it == counts_.end() ? 0 : it->second;
}

} // namespace pc
