#pragma once

// Optional attributes written and read as a row: the script boxes, the size
// boxes and the colour selectors of the tag dialogs each stand for one
// attribute named by the control.

#include <QString>
#include <QStringView>

#include <span>

namespace tavorin {

// " " + name + "=" + QuoteValue(value) for every value that HasValue, in
// the order of names; "" when none has a value.
QString OptionalAttributes(std::span<const QStringView> names, std::span<const QString> values);

// values[i] = GetAttributeValue(tag, names[i]) for every name.
void ReadAttributes(QStringView tag, std::span<const QStringView> names, std::span<QString> values);

} // namespace tavorin
