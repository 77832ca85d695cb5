#pragma once
// Property names as scripts write them, and the JSON value of a property.

#include "form/control.h"

#include <QString>

#include <optional>
#include <string>

namespace pc::driver {

std::optional<form::Property> propertyByName(const QString &name);
QString propertyName(form::Property p);
// Whether `get` may ask this control for p: the properties dumped for its
// kind, and the geometry properties of every control.
bool hasProperty(const form::Control &c, form::Property p);
std::string propertyJson(const form::Control &c, form::Property p);

} // namespace pc::driver
