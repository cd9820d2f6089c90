#include "settings/lowercasepaths.h"

#include "app/facades.h"
#include "app/statusmessages.h"
#include "app/textrules.h"
#include "html/tagreaders.h"

#include <array>

namespace tavorin {

namespace {

// An address, an anchor or a script call is not a file path.
bool isRelativePath(const QString &value)
{
    return !value.startsWith(u'#') && !value.contains(u')') && !value.contains(u'(')
           && !value.contains(u':');
}

QString pathPart(const QString &value)
{
    const qsizetype hash = value.indexOf(u'#');
    return hash < 0 ? value : value.left(hash);
}

// Lower-cases the characters read as the value between start and end (the
// quotes the reader skipped stay as they are), up to the anchor's "#". Only
// this stretch changes: the same letters elsewhere, the attribute's own name
// among them, are left alone.
void lowerValueInPlace(QString &text, qsizetype start, qsizetype end)
{
    for (qsizetype i = start; i < end; ++i) {
        const QChar c = text[i];
        if (c == u'"')
            continue;
        if (c == u'#')
            break;
        text[i] = c.toLower();
    }
}

QString reportFor(int changes, bool foundRelative)
{
    QString message = QString::fromLatin1(ApplicationTitle) + QStringLiteral(" has finished searching the document. ");
    if (changes == 1)
        return message + QStringLiteral("1 relative file path was changed.");
    if (changes > 1)
        return message + QString::number(changes) + QStringLiteral(" relative file paths were changed.");
    if (foundRelative)
        return message + QStringLiteral("All relative file paths are already in lower case.");
    return message + QStringLiteral("No relative file paths were found.");
}

} // namespace

LowerCasePathsResult LowerCasePaths(const QString &text)
{
    const Hourglass busy;
    LowerCasePathsResult result;
    result.text = text;
    QString &doc = result.text;

    static const std::array<QString, 3> attributes = {QStringLiteral("src"), QStringLiteral("href"),
                                                      QStringLiteral("background")};
    for (const QString &attribute : attributes) {
        qsizetype from = 0;
        qsizetype hit;
        while ((hit = doc.indexOf(attribute, from, Qt::CaseInsensitive)) >= 0) {
            const AttributeValue value = LocateAttributeValue(QStringView(doc).mid(hit), attribute);
            if (value.value.isEmpty()) {
                from = hit + attribute.size();
                continue;
            }
            if (isRelativePath(value.value)) {
                result.foundRelative = true;
                const QString path = pathPart(value.value);
                if (path != LowerSameLength(path)) {
                    lowerValueInPlace(doc, hit + value.start, hit + value.end);
                    ++result.changes;
                }
            }
            from = std::max(hit + value.end, hit + attribute.size());
        }
    }
    result.message = reportFor(result.changes, result.foundRelative);
    return result;
}

void ReportLowerCasePaths(const LowerCasePathsResult &result)
{
    MsgBox(result.message, MessageButtons::Ok, MessageIcon::Information);
}

} // namespace tavorin
