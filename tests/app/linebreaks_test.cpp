#include "app/rtfreader.h"
#include "app/textrules.h"

#include <QTest>

using namespace tavorin;
using namespace Qt::StringLiterals;

class LineBreaksTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void normalise_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("result");
        QTest::newRow("mixed, blank lines, CR last") << u"a\r\nb\nc\rd\n\n\r"_s << u"a\r\nb\r\nc\r\nd\r\n\r\n\r\n"_s;
        QTest::newRow("LF CR is two breaks") << u"a\n\rb"_s << u"a\r\n\r\nb"_s;
        QTest::newRow("CR CR LF") << u"\r\r\n"_s << u"\r\n\r\n"_s;
        QTest::newRow("none") << u"abc"_s << u"abc"_s;
        QTest::newRow("empty") << QString() << QString();
    }
    void normalise()
    {
        QFETCH(QString, text);
        QFETCH(QString, result);
        QCOMPARE(NormaliseLineBreaks(text), result);
        QCOMPARE(NormaliseLineBreaks(result), result);
    }

    // What a document receives from a file's text.
    void documentText_data()
    {
        QTest::addColumn<QString>("fileText");
        QTest::addColumn<QString>("result");
        QTest::newRow("plain text keeps everything") << u"<B>{x}\\</B>\n"_s << u"<B>{x}\\</B>\r\n"_s;
        QTest::newRow("rtf reduced to its text") << u"{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Dear \\b you\\b0\\par Bye}"_s
                                                 << u"Dear you\r\nBye"_s;
        QTest::newRow("rtf-looking text further in") << u"a {\\rtf1 b}"_s << u"a {\\rtf1 b}"_s;
    }
    void documentText()
    {
        QFETCH(QString, fileText);
        QFETCH(QString, result);
        QCOMPARE(DocumentTextOf(fileText), result);
    }
};

QTEST_GUILESS_MAIN(LineBreaksTest)
#include "linebreaks_test.moc"
