#pragma once

// A running editor for widget tests: a private settings folder and
// application folder, scripted dialogs, and a main window started the way
// the program starts it. Header-only, for tests that link the ui library.

#include "app/appstate.h"
#include "app/documentwindow.h"
#include "app/mainwindow.h"
#include "app/startup.h"
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
    QString path(const QString &name) const { return env.root() + u'/' + name; }
    QString problems() const { return facades.dialogs.problems().join(u'\n'); }

    TestEnvironment env;
    ScriptedFacades facades;
    std::unique_ptr<MainWindow> window;
};

} // namespace tavorin::testing
