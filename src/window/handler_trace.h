#pragma once
// Which handlers one user action runs. A click on a menu entry can run a
// dozen handlers through the toolkit rules (a setter that runs a change
// handler, a change that refills a list that re-runs a click), and nothing
// in the code shows that chain. Every bound event and the heavy operations
// that handlers call directly open a scope here: the trace counts them, and
// when asked (the environment variable PILECORR_TRACE_HANDLERS, or a test)
// writes each as one line indented by its depth.

#include <cstring>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace pc {

class HandlerTrace
{
public:
    // Where the lines go; nothing: no lines, only counts.
    using Sink = std::function<void(int depth, const char *name)>;
    void setSink(Sink sink) { sink_ = std::move(sink); }
    // A sink that writes to standard error, set when the environment asks.
    static Sink standardErrorSink();
    static bool askedByEnvironment();

    // A name made at run time, kept for as long as the trace lives.
    const char *keep(std::string name) { return kept_.emplace_back(std::move(name)).c_str(); }

    // A scope of the same name directly inside itself (a bound event whose
    // handler opens its own scope) is the same run: neither counted nor shown.
    void enter(const char *name);
    void leave();
    int depth() const { return depth_; }

    // How often each name ran since the last reset. The names are the
    // callers' own texts (literals, or texts the wiring keeps for as long as
    // the program runs), so counting allocates nothing after a name's first run.
    struct NameOrder
    {
        bool operator()(const char *a, const char *b) const { return std::strcmp(a, b) < 0; }
    };
    using Counts = std::map<const char *, int, NameOrder>;
    const Counts &counts() const { return counts_; }
    int count(const char *name) const;
    void resetCounts() { counts_.clear(); }

private:
    Sink sink_;
    Counts counts_;
    std::deque<std::string> kept_;
    std::vector<std::pair<const char *, bool>> open_; // name, and whether it repeats its parent
    int depth_ = 0;
};

// Opens a traced scope for the life of the object.
class HandlerScope
{
public:
    HandlerScope(HandlerTrace &trace, const char *name) : trace_(trace) { trace_.enter(name); }
    ~HandlerScope() { trace_.leave(); }
    HandlerScope(const HandlerScope &) = delete;
    HandlerScope &operator=(const HandlerScope &) = delete;

private:
    HandlerTrace &trace_;
};

// The scope of a handler or heavy operation that other handlers call directly,
// named after the function: "ComputeSafetyFactors".
#define PILECORR_TRACED_HANDLER(trace) const ::pc::HandlerScope handlerScope_((trace), __func__)

} // namespace pc
