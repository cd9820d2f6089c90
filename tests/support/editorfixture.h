#pragma once

// A running editor for widget tests: a private settings folder and
// application folder, scripted dialogs, and a main window started the way
// the program starts it. Header-only, for tests that link the ui library.

#include "app/appstate.h"
#include "app/documentwindow.h"
#include "app/mainwindow.h"
#include "app/richtextbox.h"
#include "app/startup.h"
#include "app/toolmodel.h"
#include "settings/environment.h"
#include "settings/preferences.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/testenvironment.h"

#include <QTest>

#include <memory>

namespace tavorin::testing {

class EditorFixture {
public:
    EditorFixture()
    {
        env.writeFile(QStringLiteral("app/.keep"), {});
        SetAppPathForTesting(env.root() + QStringLiteral("/app/"));
    }
    ~EditorFixture()
    {
        stop();
        SetAppPathForTesting({});
    }
    Q_DISABLE_COPY_MOVE(EditorFixture)

    // Starts the editor afresh, as a new process would.
    void start(const QStringList &files = {})
    {
        App() = AppState{};
        Prefs() = Preferences{};
        window = std::make_unique<MainWindow>();
        StartApplication(*window, files);
    }
    // Closes the main window as the user would (asking, storing state).
    void quit()
    {
        window->close();
        window.reset();
    }
    // Closes without any question, for tidying up after a test.
    void stop()
    {
        if (!window)
            return;
        for (DocumentWindow *doc : window->Documents())
            doc->setDirty(false);
        window->close();
        window.reset();
    }
    DocumentWindow *active() const { return window->activeDocument(); }
    QString text() const { return active()->textBox()->text(); }
    ScriptedDialogs &dialogs() { return facades.dialogs; }
    // Clicks the tool named toolName, as a menu or a tool bar would.
    void click(const QString &toolName)
    {
        const Tool *tool = window->tools().FindTool(toolName);
        QVERIFY2(tool, qPrintable(toolName));
        window->OnToolClick(tool->key);
    }
    QString path(const QString &name) const { return env.root() + u'/' + name; }
    QString problems() const { return facades.dialogs.problems().join(u'\n'); }

    TestEnvironment env;
    ScriptedFacades facades;
    std::unique_ptr<MainWindow> window;
};

// For a test's cleanup: closes the editor and fails the test when a prompt
// came unanswered or a queued answer went unused.
inline void Finish(std::unique_ptr<EditorFixture> &editor)
{
    editor->stop();
    const QString problems = editor->problems();
    editor.reset();
    QVERIFY2(problems.isEmpty(), qPrintable(problems));
}

} // namespace tavorin::testing
