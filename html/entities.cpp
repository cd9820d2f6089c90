#include "html/entities.h"

#include "app/textrules.h"

namespace tavorin {

const QList<CharacterEntity> &CharacterEntities()
{
    static const QList<CharacterEntity> table{
        {QStringLiteral("Greater Than"), QStringLiteral("&gt;")},
        {QStringLiteral("Less Than"), QStringLiteral("&lt;")},
        {QStringLiteral("Ampersand"), QStringLiteral("&amp;")},
        {QStringLiteral("Double Quote"), QStringLiteral("&quot;")},
        {QStringLiteral("Non-Breaking Space"), QStringLiteral("&nbsp;")},
        {QStringLiteral("Copyright"), QStringLiteral("&copy;")},
        {QStringLiteral("Registered"), QStringLiteral("&reg;")},
        {QStringLiteral("Pound"), QStringLiteral("&pound;")},
        {QStringLiteral("Cent"), QStringLiteral("&cent;")},
        {QStringLiteral("Yen"), QStringLiteral("&yen;")},
        {QStringLiteral("General Currency"), QStringLiteral("&curren;")},
        {QStringLiteral("Degree"), QStringLiteral("&deg;")},
        {QStringLiteral("Multiply"), QStringLiteral("&times;")},
        {QStringLiteral("Plus-Or-Minus"), QStringLiteral("&plusmn;")},
        {QStringLiteral("Pilcrow"), QStringLiteral("&para;")},
        {QStringLiteral("Section"), QStringLiteral("&sect;")},
    };
    return table;
}

QString EntityText(const QString &name)
{
    for (const CharacterEntity &entity : CharacterEntities()) {
        if (EqualNoCase(entity.name, name))
            return entity.text;
    }
    return {};
}

} // namespace tavorin
