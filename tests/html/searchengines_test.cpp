// The links of the search engine dialog: one per line without a final line
// break, centred on request, indented when IndentCode is on; each line
// reads back as the engine's link.

#include "html/linkdialog.h"
#include "html/searchengines.h"
#include "settings/datafiles.h"
#include "settings/preferences.h"

#include <QTest>

using namespace tavorin;
using namespace Qt::StringLiterals;

class SearchEnginesTest : public QObject {
    Q_OBJECT

    const QList<NamedLocation> m_two{{1, u"Alpha"_s, u"https://alpha.example/"_s},
                                     {3, u"Beta Search"_s, u"https://beta.example/find?q="_s}};

private Q_SLOTS:
    void linksOnePerLine()
    {
        Prefs().IndentCode = false;
        const QString links = u"<A HREF=\"https://alpha.example/\">Alpha</A>\r\n"
                              "<A HREF=\"https://beta.example/find?q=\">Beta Search</A>"_s;
        QCOMPARE(SearchEngineLinks(m_two, false), links);
        QCOMPARE(SearchEngineLinks(m_two, true), u"<CENTER>\r\n"_s + links + u"\r\n</CENTER>"_s);
        Prefs().IndentCode = true;
        QCOMPARE(SearchEngineLinks(m_two.mid(0, 1), true),
                 u"<CENTER>\r\n\t<A HREF=\"https://alpha.example/\">Alpha</A>\r\n</CENTER>"_s);
        QCOMPARE(SearchEngineLinks({}, true), QString());
        QCOMPARE(SearchEngineLinks({}, false), QString());
    }

    void eachLineReadsBackAsItsEngine()
    {
        Prefs().IndentCode = false;
        const QStringList lines = SearchEngineLinks(m_two, false).split(u"\r\n"_s);
        QCOMPARE(lines.size(), m_two.size());
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const LinkOptions read = ReadLink(lines[i]);
            QCOMPARE(read.kind, LinkKind::Internet);
            QCOMPARE(read.location, m_two[i].location);
            QCOMPARE(read.displayText, m_two[i].name);
        }
    }
};

QTEST_GUILESS_MAIN(SearchEnginesTest)
#include "searchengines_test.moc"
