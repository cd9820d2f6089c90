#include "html/tagreaders.h"

#include "app/textrules.h"

namespace tavorin {

namespace {

// Where the name starts when " " + name is searched in " " + tag.
qsizetype findAttributeName(QStringView tag, QStringView name)
{
    if (tag.startsWith(name, Qt::CaseInsensitive))
        return 0;
    const QString spaced = u' ' + name.toString();
    const qsizetype hit = tag.indexOf(spaced, 0, Qt::CaseInsensitive);
    return hit < 0 ? -1 : hit + 1;
}

qsizetype skipSpaces(QStringView text, qsizetype from)
{
    while (from < text.size() && text[from] == u' ')
        ++from;
    return from;
}

} // namespace

AttributeValue LocateAttributeValue(QStringView tag, QStringView name)
{
    AttributeValue result;
    if (name.isEmpty())
        return result;
    const qsizetype found = findAttributeName(tag, name);
    if (found < 0)
        return result;

    qsizetype i = skipSpaces(tag, found + name.size());
    if (i >= tag.size() || tag[i] != u'=')
        return result;
    i = skipSpaces(tag, i + 1);

    // The text after the name is read trimmed: trailing spaces of the tag
    // never reach the value, even inside an unclosed quote.
    qsizetype end = tag.size();
    while (end > i && tag[end - 1] == u' ')
        --end;
    const qsizetype start = i;
    QString collected;
    bool inQuotes = false;
    for (; i < end; ++i) {
        const QChar c = tag[i];
        if (inQuotes) {
            if (c == u'"' || c == u'>')
                break;
        } else if (c == u'<' || c == u'>' || c == u' ') {
            break;
        } else if (c == u'"') {
            inQuotes = true;
            continue;
        }
        collected += c;
    }
    result.value = IsBlank(collected) ? collected : TrimSpaces(collected);
    result.start = start;
    result.end = i;
    return result;
}

QString GetAttributeValue(QStringView tag, QStringView name)
{
    return LocateAttributeValue(tag, name).value;
}

QString GetQuotedArg(QStringView text, QStringView name)
{
    const QString key = name.toString() + u'=';
    const qsizetype found = text.indexOf(key, 0, Qt::CaseInsensitive);
    if (found < 0)
        return {};
    QString value;
    bool inQuotes = false;
    for (qsizetype i = found + key.size(); i < text.size(); ++i) {
        if (text[i] != u'\'') {
            value += text[i];
        } else if (!inQuotes) {
            inQuotes = true;
        } else {
            break;
        }
    }
    return value;
}

QString LinesToBreaks(QStringView text)
{
    return text.toString().replace(QStringLiteral("\r\n"), QStringLiteral("<BR>\r\n"));
}

bool IsAnchorRef(QStringView location)
{
    return location.startsWith(u'#');
}

QString SplitAnchor(QStringView location, QString *anchor)
{
    const qsizetype hash = location.indexOf(u'#');
    if (anchor)
        *anchor = hash < 0 ? QString() : location.mid(hash).toString();
    return hash < 0 ? location.toString() : location.left(hash).toString();
}

} // namespace tavorin
