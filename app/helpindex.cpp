#include "app/helpindex.h"

#include "app/textrules.h"

#include <QFile>

#include <algorithm>

namespace tavorin {

HelpIndex HelpIndex::parse(const QString &text)
{
    enum class Section { None, Topics, Keywords };
    HelpIndex index;
    Section section = Section::None;
    const QStringList lines = text.split(u'\n');
    for (QString line : lines) {
        line = TrimSpaces(line.remove(u'\r'));
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            const QString name = TrimSpaces(QStringView(line).mid(1, line.size() - 2));
            section = EqualNoCase(name, u"Topics")     ? Section::Topics
                      : EqualNoCase(name, u"Keywords") ? Section::Keywords
                                                       : Section::None;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0)
            continue;
        const QString name = TrimSpaces(QStringView(line).left(equals));
        const QString page = TrimSpaces(QStringView(line).mid(equals + 1));
        if (name.isEmpty() || HelpPageFile(page).isEmpty())
            continue;
        if (section == Section::Topics) {
            bool ok = false;
            const int topic = name.toInt(&ok);
            if (ok && !index.m_topics.contains(topic))
                index.m_topics.insert(topic, page);
        } else if (section == Section::Keywords) {
            if (index.keywordPage(name).isEmpty())
                index.m_keywords.append({name, page});
        }
    }
    std::stable_sort(index.m_keywords.begin(), index.m_keywords.end(),
                     [](const HelpKeyword &a, const HelpKeyword &b) {
                         return a.keyword.compare(b.keyword, Qt::CaseInsensitive) < 0;
                     });
    return index;
}

HelpIndex HelpIndex::load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parse(QString::fromUtf8(file.readAll()));
}

QString HelpIndex::topicPage(int topic) const
{
    return m_topics.value(topic);
}

QString HelpIndex::keywordPage(const QString &key) const
{
    for (const HelpKeyword &entry : m_keywords) {
        if (EqualNoCase(entry.keyword, key))
            return entry.page;
    }
    return {};
}

qsizetype HelpIndex::firstKeywordStartingWith(const QString &prefix) const
{
    for (qsizetype i = 0; i < m_keywords.size(); ++i) {
        if (StartsWithNoCase(m_keywords[i].keyword, prefix))
            return i;
    }
    return -1;
}

QString HelpPageFile(const QString &page)
{
    const qsizetype hash = page.indexOf(u'#');
    return hash < 0 ? page : page.left(hash);
}

} // namespace tavorin
