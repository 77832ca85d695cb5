#pragma once
// JSON text of the values the headless driver prints: strings escaped,
// numbers with %.17g (a number that is not finite prints as null).

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

namespace pc::driver {

std::string jsonString(const QString &s);
std::string jsonNumber(double v);
std::string jsonInt(long long v);
std::string jsonBool(bool v);
std::string jsonStrings(const QStringList &list);
std::string jsonArray(const std::vector<std::string> &elements); // elements already JSON
std::string jsonInts(const std::vector<int> &values);

} // namespace pc::driver
