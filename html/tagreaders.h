#pragma once

// Small readers with which the tag dialogs read back the tag the user
// selected, and the line-break converter used by the wizards. They never
// fail: anything they cannot read gives "".

#include <QString>
#include <QStringView>

namespace tavorin {

// Where an attribute's value was read in the tag text: the characters from
// start up to (not including) end, quotes included. Both are -1 when no value
// was read.
struct AttributeValue {
    QString value;
    qsizetype start = -1;
    qsizetype end = -1;
};

// The value of the first attribute named name (case-blind, preceded by a
// space or at the start of the tag) after "=", without quotes.
QString GetAttributeValue(QStringView tag, QStringView name);
// The same reading, also telling where the value lies in the tag text.
AttributeValue LocateAttributeValue(QStringView tag, QStringView name);

// The single-quoted value after name + "=" (case-blind): window.status='Hi' gives Hi.
QString GetQuotedArg(QStringView text, QStringView name);

// Every "\r\n" becomes "<BR>\r\n".
QString LinesToBreaks(QStringView text);

// True when the location's first character is "#".
bool IsAnchorRef(QStringView location);

// The part before the first "#"; anchor receives "#" and everything after
// it, or "" when there is no "#".
QString SplitAnchor(QStringView location, QString *anchor = nullptr);

} // namespace tavorin
