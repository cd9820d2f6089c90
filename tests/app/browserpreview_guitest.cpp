// Viewing documents in a browser and opening reference guides: the save
// questions, the argument a browser receives, the desktop opener for
// "DEFAULT", and the "Browser Error" message for each cause.

#include "app/browserlaunch.h"
#include "app/fileoperations.h"
#include "app/qtfacades.h"
#include "app/richtextbox.h"
#include "app/textrules.h"
#include "app/toolmodel.h"
#include "tests/support/editorfixture.h"

#include <QFile>
#include <QTest>

#include <memory>

using namespace tavorin;
using namespace tavorin::testing;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(tavorin::MessageAnswer)

namespace {

const QString SaveFirst = u"This document must be saved before it can be viewed in a browser.\r\n\r\n"
                          "Do you want to save it now?"_s;
const QString SaveChanges = u"The document \"page.htm\" has changed.\r\n\r\n"
                            "Do you want to save the changes before viewing it in a browser?"_s;

} // namespace

class BrowserPreviewTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<EditorFixture> m_editor;

    ScriptedDialogs &dialogs() { return m_editor->facades.dialogs; }
    ScriptedLauncher &launcher() { return m_editor->facades.launcher; }
    void click(const QString &toolName) { m_editor->click(toolName); }
    // A shell script that writes each argument it gets on a line of its own.
    QString fakeBrowser(const QString &name)
    {
        const QString path = m_editor->path(name);
        QFile script(path);
        if (!script.open(QIODevice::WriteOnly))
            return {};
        script.write("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$0.args\"\n");
        script.setPermissions(script.permissions() | QFile::ExeOwner);
        return path;
    }

private Q_SLOTS:
    void init()
    {
        m_editor = std::make_unique<EditorFixture>();
        m_editor->start();
        Prefs().SmartUpdates = false;
    }
    void cleanup()
    {
        installLauncher(&m_editor->facades.launcher);
        Finish(m_editor);
    }

    // The page reaches the browser as one argument, without a shell.
    void browserGetsThePathAsOneArgument()
    {
        const QString browser = fakeBrowser(u"fake browser"_s);
        const QString page = m_editor->env.writeFile(u"my web; $(x) 'a'/-page one.htm"_s, {});
        QtLauncher real;
        installLauncher(&real);
        Prefs().Browsers[3] = {u"Fake"_s, browser};
        QVERIFY(OpenFile(page));
        click(u"mnuBrowser3"_s);
        QTRY_COMPARE(ReadBytes(browser + u".args"_s), page.toUtf8() + '\n');
    }

    // Each question answered each way; SaveBeforeView saves without asking.
    // "DEFAULT" hands the page to the desktop's opener.
    void saveQuestions_data()
    {
        QTest::addColumn<bool>("untitled");
        QTest::addColumn<bool>("saveBeforeView");
        QTest::addColumn<QList<MessageAnswer>>("answers");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<bool>("shown");
        using A = MessageAnswer;
        QTest::newRow("untitled: yes saves, then shows") << true << false << QList<A>{A::Yes} << true << true;
        QTest::newRow("untitled: no does nothing") << true << false << QList<A>{A::No} << false << false;
        QTest::newRow("untitled, save before view") << true << true << QList<A>{} << true << true;
        QTest::newRow("changed: yes saves, then shows") << false << false << QList<A>{A::Yes} << true << true;
        QTest::newRow("changed: no shows the file on disk") << false << false << QList<A>{A::No} << false << true;
        QTest::newRow("changed: cancel does nothing") << false << false << QList<A>{A::Cancel} << false << false;
        QTest::newRow("changed, save before view") << false << true << QList<A>{} << true << true;
    }
    void saveQuestions()
    {
        QFETCH(bool, untitled);
        QFETCH(bool, saveBeforeView);
        QFETCH(QList<MessageAnswer>, answers);
        QFETCH(bool, saved);
        QFETCH(bool, shown);
        const QString page = m_editor->path(u"page.htm"_s);
        if (!untitled)
            QVERIFY(OpenFile(m_editor->env.writeFile(u"page.htm"_s, "old")));
        DocumentWindow *doc = m_editor->active();
        doc->textBox()->selectAll();
        QTest::keyClicks(doc->textBox(), u"new"_s);
        QVERIFY(doc->Dirty());
        Prefs().SaveBeforeView = saveBeforeView;
        for (const MessageAnswer answer : answers)
            dialogs().answerMessage(answer);
        if (untitled && saved)
            dialogs().answerFiles({page});
        click(u"mnuViewDefault"_s);

        QStringList expected;
        if (!answers.isEmpty())
            expected.append(untitled ? SaveFirst : SaveChanges);
        QCOMPARE(dialogs().messagePrompts(), expected);
        for (const MessageRequest &asked : dialogs().messages())
            QVERIFY(asked.title == u"View In Browser" && asked.icon == MessageIcon::Question
                    && asked.buttons == (untitled ? MessageButtons::YesNo : MessageButtons::YesNoCancel));
        QCOMPARE(ReadBytes(page), saved ? QByteArray("new") : untitled ? QByteArray("<unreadable>") : QByteArray("old"));
        QCOMPARE(doc->Dirty(), !saved);
        QCOMPARE(launcher().started.size(), shown ? 1 : 0);
        if (shown)
            QCOMPARE(QStringList{launcher().started[0].program} + launcher().started[0].arguments,
                     (QStringList{QString(), page}));
    }

    // Each cause of a failed start has its own message.
    void browserErrors_data()
    {
        QTest::addColumn<QString>("browser");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("message");
        const QString cannot = u"Sorry, the browser you have selected cannot be opened.\r\n"_s;
        QTest::newRow("browser file missing") << u"/no/such/browser"_s << u"page.htm"_s << cannot + u"The file \"/no/such/browser\" cannot be found."_s;
        QTest::newRow("program name not on PATH") << u"no-such-browser-here"_s << u"page.htm"_s << cannot + u"The file \"no-such-browser-here\" cannot be found."_s;
        QTest::newRow("browser file will not start") << u"not executable"_s << u"page.htm"_s << cannot + u"If a copy this browser is already running, close it down and try again."_s;
        QTest::newRow("page missing") << u"DEFAULT"_s << u"gone.htm"_s << u"The browser is unable to find the current page."_s;
        QTest::newRow("no default browser") << u"default"_s << u"page.htm"_s << u"Sorry, the desktop has no default browser set."_s;
        QTest::newRow("no browser location") << u" "_s << u"page.htm"_s << u"Browser error!"_s;
    }
    void browserErrors()
    {
        QFETCH(QString, browser);
        QFETCH(QString, target);
        QFETCH(QString, message);
        m_editor->env.writeFile(u"page.htm"_s, {});
        m_editor->env.writeFile(u"not executable"_s, {});
        if (browser == u"not executable")
            browser = m_editor->path(browser);
        QtLauncher real;
        installLauncher(&real);
        if (EqualNoCase(browser, u"default"))
            installLauncher(&launcher()); // the scripted desktop opener fails on request
        launcher().succeed = false;
        dialogs().answerMessage(MessageAnswer::Ok);
        QVERIFY(!LaunchBrowser(browser, m_editor->path(target)));
        QCOMPARE(dialogs().messagePrompts(), QStringList{message});
        QCOMPARE(dialogs().messages().value(0).title, u"Browser Error"_s);
        QCOMPARE(dialogs().messages().value(0).icon, MessageIcon::Exclamation);
        QCOMPARE(BrowserErrorMessage(BrowserError::OutOfMemory, {}, false),
                 u"Sorry, not enough free memory to open browser.\r\n\r\n"
                 "Close down other documents and/or applications and try again."_s);
    }

    // Pages and web addresses go to the active browser, other guides to
    // their own program; a guide tool opens the location it describes.
    void referenceGuides()
    {
        // System guides come from the guide file, read at start-up.
        m_editor->env.writeFile(u"app/SystemFiles/Data/Guides.dat"_s,
                                "[Guide Names]\n1=Tags\n2=No Location\n[Guide Locations]\n1=https://example.org/tags/\n");
        m_editor->stop();
        m_editor->start();
        QVERIFY(!m_editor->window->tools().FindTool(u"mnuRefGuideSystem2"_s)->visible);
        const QString pdf = m_editor->env.writeFile(u"guide.pdf"_s, {});
        const QString browser = fakeBrowser(u"browser"_s);
        Prefs().Browsers[2] = {u"Fake"_s, browser};
        Prefs().ActiveBrowser = 2;
        Prefs().Guides[4] = {u"Local"_s, pdf};
        OpenReferenceGuide(u" https://example.org/ref "_s);
        OpenReferenceGuide(u"http://example.org/REF.HTML"_s);
        m_editor->window->OnBandOpen(u"mnuReferenceGuide"_s);
        click(u"mnuRefGuideUser4"_s);
        click(u"mnuRefGuideSystem1"_s);
        QList<QStringList> started;
        for (const auto &start : launcher().started)
            started.append(QStringList{start.program} + start.arguments);
        QCOMPARE(started, (QList<QStringList>{{browser, u"https://example.org/ref"_s},
                                              {browser, u"http://example.org/REF.HTML"_s},
                                              {QString(), pdf},
                                              {browser, u"https://example.org/tags/"_s}}));
    }
};

QTEST_MAIN(BrowserPreviewTest)
#include "browserpreview_guitest.moc"
