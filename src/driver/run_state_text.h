#pragma once
// The run-state variables a script can read with `get $NAME`: the globals of
// the run and the driver's own records.

#include <QString>

#include <optional>
#include <string>

namespace pc {
class App;
class ScriptedPlatform;
} // namespace pc

namespace pc::driver {

// The JSON value of $name (name without the "$"), or nothing when there is
// no such variable.
std::optional<std::string> runStateJson(const App &app, const ScriptedPlatform &platform,
                                        const QString &name);

} // namespace pc::driver
