#include "html/tagattributes.h"

#include "html/tagreaders.h"
#include "html/valuehelpers.h"

namespace tavorin {

QString OptionalAttributes(std::span<const QStringView> names, std::span<const QString> values)
{
    QString result;
    for (std::size_t i = 0; i < names.size() && i < values.size(); ++i) {
        if (HasValue(values[i]))
            result += u' ' + names[i].toString() + u'=' + QuoteValue(values[i]);
    }
    return result;
}

void ReadAttributes(QStringView tag, std::span<const QStringView> names, std::span<QString> values)
{
    for (std::size_t i = 0; i < names.size() && i < values.size(); ++i)
        values[i] = GetAttributeValue(tag, names[i]);
}

} // namespace tavorin
