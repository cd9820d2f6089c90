// The editor as a user meets it: start-up with an empty settings folder,
// typing, saving, closing, reopening from the recent files, quitting and
// starting again.

#include "app/activebar.h"
#include "app/fileoperations.h"
#include "app/richtextbox.h"
#include "app/toolmodel.h"
#include "settings/environment.h"
#include "settings/recentlist.h"
#include "settings/settingsstore.h"
#include "tests/support/editorfixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include <memory>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

namespace {

// The colour (0x00BBGGRR) the text box shows at a position of its Qt document.
quint32 colourAt(RichTextBox *box, int qtPosition)
{
    const QColor colour = box->shownColour(qtPosition);
    return quint32(colour.red()) | quint32(colour.green()) << 8 | quint32(colour.blue()) << 16;
}

} // namespace

class EditorTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<EditorFixture> m_editor;
    // Short names for what every case uses.
    ScriptedFacades *m_facades = nullptr;
    TestEnvironment *m_env = nullptr;
    MainWindow *m_window = nullptr;

    void start(const QStringList &files = {})
    {
        m_editor->start(files);
        m_window = m_editor->window.get();
    }
    void quit()
    {
        m_editor->quit();
        m_window = nullptr;
    }
    DocumentWindow *active() const { return m_editor->active(); }
    QString file(const QString &name) const { return m_editor->path(name); }

private Q_SLOTS:
    void init()
    {
        m_editor = std::make_unique<EditorFixture>();
        m_facades = &m_editor->facades;
        m_env = &m_editor->env;
    }
    void cleanup() { Finish(m_editor); }

    void firstStartShowsOneUntitledSkeleton()
    {
        start();
        // A maximised document shows its caption in the title, as MDI frames do.
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Tavorin - [Untitled1]"));
        QCOMPARE(m_window->Documents().size(), 1);
        DocumentWindow *doc = active();
        QVERIFY(!doc->Dirty());
        QVERIFY(App().StartupDocOpen);
        const QString text = doc->textBox()->text();
        QVERIFY(text.startsWith(QStringLiteral("<HTML>\r\n")));
        QVERIFY(text.contains(QStringLiteral("<TITLE>An Untitled Web Page</TITLE>")));
        QCOMPARE(doc->textBox()->selText(), QStringLiteral("Your main content starts here"));
        QCOMPARE(m_window->panelText(QStringLiteral("DocCount")), QStringLiteral("Open: 1"));
        QCOMPARE(m_window->panelText(QStringLiteral("DocPath")), QStringLiteral("    new document"));
    }

    void saveAsksForANameAndWritesExactlyTheText()
    {
        start();
        DocumentWindow *doc = active();
        QTest::keyClicks(doc->textBox(), QStringLiteral("Hello"));
        const QString expected = doc->textBox()->text();
        const QString path = file(QStringLiteral("page.htm"));
        m_facades->dialogs.answerFiles({path});
        Prefs().SmartUpdates = false;
        QVERIFY(SaveDocument(doc, false));
        QCOMPARE(ReadBytes(path), expected.toLatin1());
        QCOMPARE(doc->caption(), QStringLiteral("page.htm"));
        QCOMPARE(doc->FullPath(), path);
        QVERIFY(!doc->Dirty());
        QCOMPARE(GetRecentFile(1), path);
        QCOMPARE(m_window->tools().FindTool(QStringLiteral("mnuFileRecent1"))->caption, u"&1 "_qs + path);
        // Saving again writes without asking.
        QTest::keyClicks(doc->textBox(), QStringLiteral("!"));
        QVERIFY(SaveDocument(doc, false));
        QCOMPARE(m_facades->dialogs.asked().size(), 1);
    }

    void smartFieldsRefreshOnlyInTheFile()
    {
        start();
        DocumentWindow *doc = active();
        doc->DocText(QStringLiteral("<P><!-- %YEAR% -->1999<!-- %/YEAR% --></P>"));
        const QString path = file(QStringLiteral("smart.htm"));
        m_facades->dialogs.answerFiles({path});
        QVERIFY(Prefs().SmartUpdates);
        QVERIFY(SaveDocument(doc, false));
        QVERIFY(ReadBytes(path).contains("<!-- %YEAR% -->2026<!-- %/YEAR% -->"));
        QVERIFY(doc->textBox()->text().contains(QStringLiteral("1999")));
        QVERIFY(!doc->Dirty());
    }

    void closingADirtyDocumentAsks_data()
    {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<bool>("closed");
        QTest::newRow("cancel keeps it") << MessageAnswer::Cancel << false;
        QTest::newRow("no closes it") << MessageAnswer::No << true;
    }
    void closingADirtyDocumentAsks()
    {
        QFETCH(MessageAnswer, answer);
        QFETCH(bool, closed);
        start();
        DocumentWindow *doc = active();
        QTest::keyClicks(doc->textBox(), QStringLiteral("x"));
        const QString text = doc->textBox()->text();
        m_facades->dialogs.answerMessage(answer);
        doc->close();
        const auto asked = m_facades->dialogs.messages();
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked[0].prompt, QStringLiteral("Do you want to save changes to \"Untitled1\"?"));
        QCOMPARE(asked[0].buttons, MessageButtons::YesNoCancel);
        QCOMPARE(m_window->Documents().size(), closed ? 0 : 1);
        if (!closed)
            QCOMPARE(doc->textBox()->text(), text);
        else
            QCOMPARE(m_window->panelText(QStringLiteral("DocCount")), QStringLiteral("Open: 0"));
    }

    void numbersAreNeverReused()
    {
        start();
        m_window->NewDocument();
        DocumentWindow *third = m_window->NewDocument();
        QCOMPARE(third->caption(), QStringLiteral("Untitled3"));
        m_window->Documents()[1]->close();
        QCOMPARE(m_window->NewDocument()->caption(), QStringLiteral("Untitled4"));
    }

    void openingReusesOnlyAnUntouchedStartupDocument_data()
    {
        QTest::addColumn<bool>("typeFirst");
        QTest::newRow("untouched") << false;
        QTest::newRow("typed into") << true;
    }
    void openingReusesOnlyAnUntouchedStartupDocument()
    {
        QFETCH(bool, typeFirst);
        // The file's lone line feed and carriage return become CR LF in the document.
        const QString path = m_env->writeFile(QStringLiteral("one.htm"), "<B>one</B>\n\r");
        start();
        if (typeFirst)
            QTest::keyClicks(active()->textBox(), QStringLiteral("x"));
        QVERIFY(OpenFile(path));
        QCOMPARE(m_window->Documents().size(), typeFirst ? 2 : 1);
        QCOMPARE(active()->caption(), QStringLiteral("one.htm"));
        QCOMPARE(active()->textBox()->text(), QStringLiteral("<B>one</B>\r\n\r\n"));
        QCOMPARE(m_window->panelText(QStringLiteral("DocPath")), u"    "_qs + path);
        QVERIFY(!active()->Dirty());
    }

    void unchangedFileSavesBackIdentical_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("crlf ascii") << QByteArray("<P>a</P>\r\n<P>b</P>\r\n");
        QTest::newRow("windows-1252") << QByteArray("<P>caf\xe9 \x80 \x81</P>\r\n");
        QTest::newRow("no final break") << QByteArray("<P>x</P>");
        QTest::newRow("rtf specials") << QByteArray("{\\b x}\r\n");
        // Every byte but the line breaks, on one line longer than a display block.
        QByteArray binary;
        for (int i = 0; i < 40000; ++i)
            binary += char(i % 256 == '\r' || i % 256 == '\n' ? 'x' : i % 256);
        QTest::newRow("binary") << binary;
    }
    void unchangedFileSavesBackIdentical()
    {
        QFETCH(QByteArray, bytes);
        const QString path = m_env->writeFile(QStringLiteral("keep.htm"), bytes);
        start();
        Prefs().SmartUpdates = false;
        QVERIFY(OpenFile(path));
        QVERIFY(SaveDocument(active(), false));
        QCOMPARE(ReadBytes(path), bytes);
    }

    void failedSaveKeepsTheOldFileAndTheDocument()
    {
        start();
        DocumentWindow *doc = active();
        QTest::keyClicks(doc->textBox(), QStringLiteral("x"));
        m_env->writeFile(QStringLiteral("notafolder"), "I am a file");
        const QString path = file(QStringLiteral("notafolder/page.htm"));
        m_facades->dialogs.answerFiles({path});
        m_facades->dialogs.answerMessage(MessageAnswer::Ok);
        QVERIFY(!SaveDocument(doc, false)); // the file layer's message, answered above
        QVERIFY(doc->Dirty());
        QCOMPARE(doc->caption(), QStringLiteral("Untitled1 (Modified)"));
        QCOMPARE(ReadBytes(file(QStringLiteral("notafolder"))), QByteArray("I am a file"));
    }

    void insertedPiecesKeepTheirLineBreaks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("selectionStart");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("piece");
        QTest::addColumn<QString>("expected");
        QTest::newRow("last line") << "a\r\nx\r\n" << 3 << 3 << "<B>x</B>\r\n" << "a\r\n<B>x</B>\r\n";
        QTest::newRow("tag at the very end") << "ab" << 2 << 0 << "<B>" << "ab<B>\r\n";
        QTest::newRow("replacing the last character") << "ab" << 1 << 1 << "<B>" << "a<B>\r\n";
        QTest::newRow("one character left after the insert") << "ab" << 1 << 0 << "<B>" << "a<B>b";
        QTest::newRow("bare line feed") << "a-b\r\nc" << 1 << 1 << "x\ny" << "ax\r\nyb\r\nc";
        QTest::newRow("spaces only") << "a-b\r\nc" << 1 << 1 << "   " << "a   b\r\nc";
    }
    void insertedPiecesKeepTheirLineBreaks()
    {
        QFETCH(QString, text);
        QFETCH(int, selectionStart);
        QFETCH(int, length);
        QFETCH(QString, piece);
        QFETCH(QString, expected);
        start();
        DocumentWindow *doc = active();
        doc->DocText(text);
        doc->textBox()->select(selectionStart, length);
        doc->DocSelText(piece);
        QCOMPARE(doc->textBox()->text(), expected);
    }

    // Replacing the whole text adds no line break and can be undone; the
    // size panel counts kilobytes of 1024 characters.
    void wholeTextReplacementAddsNothing()
    {
        start();
        for (const QString &text : {u"<P>x</P>"_s, u"<P>x</P>\r\n"_s}) {
            m_window->ReplaceDocumentText(active(), text);
            QCOMPARE(active()->textBox()->text(), text);
            QVERIFY(active()->textBox()->canUndo());
        }
        active()->DocText(QString(2048, u'a'));
        m_window->UpdateDocSizePanel();
        QCOMPARE(m_window->panelText(QStringLiteral("DocSize")), QStringLiteral(" Size: 2.00K"));
    }

    void statusMessageGoesASecondAfterRelease()
    {
        start();
        m_window->ShowStatusMessage(QStringLiteral("Working"));
        QVERIFY(m_window->statusMessageShowing());
        m_window->ReleaseStatusMessage();
        QVERIFY(m_window->statusMessageShowing());
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->statusMessageShowing(), 3000);

        // Further releases (every mouse move over the text makes one) do not
        // put the removal off.
        m_window->ShowStatusMessage(QStringLiteral("Still working"));
        m_window->ReleaseStatusMessage();
        QElapsedTimer clock;
        clock.start();
        while (m_window->statusMessageShowing() && clock.elapsed() < 2500) {
            QTest::qWait(50);
            m_window->ReleaseStatusMessage();
        }
        QVERIFY(!m_window->statusMessageShowing());
    }

    void quittingStoresStateForTheNextStart()
    {
        start();
        Prefs().WordWrap = false;
        Prefs().TagColour = 255;
        m_window->activeBar().toolBar(QStringLiteral("tbarFrames"))->hide(); // as the user hides it
        quit();
        QCOMPARE(ReadSetting(QStringLiteral("Options"), QStringLiteral("WordWrap"), QString()),
                 QStringLiteral("False"));
        QVERIFY(!ReadSetting(QStringLiteral("Application State"), QStringLiteral("AppState"), QString()).isEmpty());
        start();
        QVERIFY(!Prefs().WordWrap);
        QCOMPARE(Prefs().TagColour, 255u);
        // The start-up skeleton is coloured, in the stored tag colour.
        QCOMPARE(colourAt(active()->textBox(), 1), 255u);
        QVERIFY(!m_window->tools().FindBand(QStringLiteral("tbarFrames"))->visible);
        QVERIFY(m_window->tools().FindBand(QStringLiteral("tbarStandard"))->visible);
    }

    void toolBarsResetToTheBuiltInLayout()
    {
        start();
        m_window->tools().SetBandPlace(QStringLiteral("tbarStandard"), false, DockArea::Top, 0);
        QVERIFY(ResetToolBarLayout(*m_window));
        QVERIFY(m_window->tools().FindBand(QStringLiteral("tbarStandard"))->visible);
        QVERIFY(m_window->tools().IsEnabled(QStringLiteral("mnuFileSave")));

        QFile::remove(WindowsFolder() + QStringLiteral("Tavorin.TB"));
        m_facades->dialogs.answerMessage(MessageAnswer::Ok);
        QVERIFY(!ResetToolBarLayout(*m_window));
        const MessageRequest asked = m_facades->dialogs.messages().first();
        QCOMPARE(asked.title, QStringLiteral("Reset Error"));
        QCOMPARE(asked.prompt, u"Unable to reset. The toolbar settings file \""_qs + WindowsFolder()
                                   + u"Tavorin.TB\" is either corrupt or does not exist."_qs);
    }

    void cancelWhileQuittingKeepsTheEditor()
    {
        start();
        QTest::keyClicks(active()->textBox(), QStringLiteral("x"));
        m_facades->dialogs.answerMessage(MessageAnswer::Cancel);
        QVERIFY(!m_window->close());
        QVERIFY(!App().AppClosing);
        QCOMPARE(m_window->Documents().size(), 1);
        QVERIFY(ReadSetting(QStringLiteral("Options"), QStringLiteral("WordWrap"), QString()).isEmpty());
    }

    void newDocumentsComeFromTheUserTemplate()
    {
        const QString path = m_env->writeFile(QStringLiteral("template.htm"), "<HTML>mine</HTML>\r\n");
        start();
        Prefs().TemplateLocation = path;
        Prefs().ActiveTemplate = 1;
        DocumentWindow *doc = m_window->NewDocument();
        QCOMPARE(doc->textBox()->text(), QStringLiteral("<HTML>mine</HTML>\r\n"));
        QVERIFY(!doc->Dirty());
        Prefs().TemplatesOn = false;
        QCOMPARE(m_window->NewDocument()->textBox()->text(), QStringLiteral("\r\n"));
    }

    // Files named on the command line or chosen together open in order
    // until one fails; the start-up document is not made for them.
    void openingStopsAtTheFirstFailure()
    {
        const QString a = m_env->writeFile(QStringLiteral("a.htm"), "a");
        const QString c = m_env->writeFile(QStringLiteral("c.htm"), "c");
        m_facades->dialogs.answerMessage(MessageAnswer::Ok);
        start({file(QStringLiteral("b.htm")), a});
        QVERIFY(m_window->Documents().isEmpty());
        m_facades->dialogs.answerFiles({a, file(QStringLiteral("b.htm")), c});
        m_facades->dialogs.answerMessage(MessageAnswer::Ok);
        ShowOpenDialog();
        QCOMPARE(m_window->Documents().size(), 1);
        QCOMPARE(active()->caption(), QStringLiteral("a.htm"));
        QVERIFY(m_facades->dialogs.asked().value(1).file.multiSelect); // after the start-up message
    }

    void saveAllStopsWhenASaveIsCancelled()
    {
        start();
        QTest::keyClicks(active()->textBox(), QStringLiteral("x"));
        QTest::keyClicks(m_window->NewDocument()->textBox(), QStringLiteral("y"));
        m_facades->dialogs.cancelFile();
        QVERIFY(!SaveAllDocuments());
        QCOMPARE(m_facades->dialogs.asked().size(), 1);
        QVERIFY(m_window->Documents()[1]->Dirty());
    }

    // Save All lets each "Saving file: " message go as that save ends, so
    // the next document's save dialog does not stand under another name.
    void saveAllReleasesEachSavingMessage()
    {
        start({m_env->writeFile(QStringLiteral("a.htm"), "a")});
        QTest::keyClicks(active()->textBox(), QStringLiteral("x"));
        QTest::keyClicks(m_window->NewDocument()->textBox(), QStringLiteral("y"));
        const QTimer *statusOff = m_window->findChild<QTimer *>(QStringLiteral("tmrStatusOff"));
        QStringList seen;
        m_facades->dialogs.onFileDialog = [&] {
            seen << m_window->statusBar()->currentMessage() << (statusOff->isActive() ? u"released"_s : u"held"_s);
        };
        m_facades->dialogs.answerFiles({file(QStringLiteral("b.htm"))});
        QVERIFY(SaveAllDocuments());
        QCOMPARE(seen, (QStringList{u"Saving file: a.htm "_s, u"released"_s}));
    }

    void recentFilesReopenColoured()
    {
        const QString path = m_env->writeFile(QStringLiteral("r.htm"), "<I>r</I>\r\n");
        start();
        QVERIFY(OpenFile(path));
        active()->close();
        m_editor->click(QStringLiteral("mnuFileRecent1"));
        QCOMPARE(m_window->Documents().size(), 1);
        QCOMPARE(colourAt(active()->textBox(), 0), Prefs().TagColour);
    }
};

QTEST_MAIN(EditorTest)
#include "editor_guitest.moc"
