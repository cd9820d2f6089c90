#pragma once

// The character entities of the Special Character menu: each command name
// inserts its fixed entity text.

#include <QList>
#include <QString>

namespace tavorin {

struct CharacterEntity {
    QString name; // the command name, "Greater Than"
    QString text; // what it inserts, "&gt;"
};

// Every entity, in the order the Special Character menu lists them.
const QList<CharacterEntity> &CharacterEntities();

// The entity text of a command name (any case); "" when it is no entity.
QString EntityText(const QString &name);

} // namespace tavorin
