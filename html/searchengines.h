#pragma once

// The links of the search engine dialog: one link per chosen engine, one
// per line, optionally centred.

#include <QList>
#include <QString>

namespace tavorin {

struct NamedLocation;

// A link to each engine's location showing its name, in the order given,
// joined by "\r\n"; when centre is on, inside a CENTER element on lines of
// its own (indented when IndentCode is on). "" for no engines.
QString SearchEngineLinks(const QList<NamedLocation> &engines, bool centre);

} // namespace tavorin
