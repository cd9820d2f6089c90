#include "app/startup.h"

#include "app/activebar.h"
#include "app/appstate.h"
#include "app/browserlaunch.h"
#include "app/documentwindow.h"
#include "app/facades.h"
#include "app/fileoperations.h"
#include "app/mainwindow.h"
#include "app/statusmessages.h"
#include "app/toollayout.h"
#include "app/toolmodel.h"
#include "dialogs/frmpagewizard.h"
#include "settings/datafiles.h"
#include "settings/environment.h"
#include "settings/filedialogs.h"
#include "settings/files.h"
#include "settings/preferences.h"
#include "settings/recentlist.h"
#include "settings/screenfonts.h"
#include "settings/settingsstore.h"
#include "settings/windowstate_ui.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>

namespace tavorin {

namespace {

QString BuiltInLayoutFile()
{
    return WindowsFolder() + QStringLiteral("Tavorin.TB");
}

QString UserLayoutFile()
{
    return App().UserDataPath + QStringLiteral("WebUser.TB");
}

void RestoreToolBarLayout(MainWindow &window)
{
    ToolModel &model = window.tools();
    SaveLayout(model.layout(), BuiltInLayoutFile());
    const QString stamp = ReadSetting(QStringLiteral("System"), QStringLiteral("LastVerUsed"),
                                      QStringLiteral("NOT FOUND"));
    if (stamp != ExeStamp() || !FileExists(UserLayoutFile()))
        return;
    // A damaged user layout is not an error: the built-in one stays.
    if (std::optional<BarLayout> layout = LoadLayout(UserLayoutFile()))
        model.ReplaceLayout(*std::move(layout));
}

void BuildSystemGuideMenu(MainWindow &window)
{
    QStringList names(3);
    QStringList locations(3);
    for (const NamedLocation &guide : ReadSystemGuides()) {
        names[guide.number - 1] = guide.name;
        locations[guide.number - 1] = guide.location;
    }
    SetSystemGuideTools(window.tools(), names, locations);
}

void InstallPreferenceHooks(MainWindow &window)
{
    PreferenceHooks &hooks = PrefHooks();
    hooks.showToolTips = [&window](bool show) { window.activeBar().setToolTipsShown(show); };
    hooks.saveToolBarLayout = [&window] {
        window.activeBar().storeToolBarPlaces();
        // A user data folder that does not exist yet is made, so the user's
        // layout is not lost on the first run.
        QDir().mkpath(App().UserDataPath);
        SaveLayout(window.tools().layout(), UserLayoutFile());
        WriteSetting(QStringLiteral("System"), QStringLiteral("LastVerUsed"), ExeStamp());
    };
}

} // namespace

void StartApplication(MainWindow &window, const QStringList &files)
{
    AppState &app = App();
    app.AppClosing = false;
    RestoreAppState(&window);
    app.UserDataPath = UserDataFolder();
    RestoreToolBarLayout(window);
    LoadFontCollections(app.UserDataPath);
    BuildSystemGuideMenu(window);
    InstallPreferenceHooks(window);
    SetOpenDocumentCounter([&window] { return int(window.Documents().size()); });
    // Addresses the program opens (the maker's home page) go to the active browser.
    SetBrowserViewer([](const QString &target) { OpenReferenceGuide(target); });
    // The hooks speak of this window; they go with it.
    QObject::connect(&window, &QObject::destroyed, [] {
        PrefHooks() = {};
        SetOpenDocumentCounter({});
    });
    LoadPreferences();
    SetScreenFonts(QFontDatabase::families());
    BuildRecentFilesMenu();
    UpdateTemplateTool(window.tools(), Prefs().TemplateLocation);
    SetNextStartFolder(RecentFolder());
    window.UpdateDocCountPanel();
    window.SetDocumentToolsEnabled(false, true);
    window.setShutdownHandler([&window] { SaveApplicationState(window); });

    QCoreApplication::processEvents();
    window.show();
    QCoreApplication::processEvents();

    // With "Wizard At Start-Up" on, the wizard takes the place of the files
    // named on the command line and of the new document.
    if (Prefs().PageWizard) {
        FrmPageWizard::Form_Run(&window);
    } else if (!files.isEmpty()) {
        OpenFiles(files);
    } else {
        window.NewDocument();
        app.StartupDocOpen = true;
    }
    window.ReleaseStatusMessage();
}

bool ResetToolBarLayout(MainWindow &window)
{
    const QString path = BuiltInLayoutFile();
    std::optional<BarLayout> layout = LoadLayout(path);
    if (!layout) {
        MsgBox(QStringLiteral("Unable to reset. The toolbar settings file \"") + path
                   + QStringLiteral("\" is either corrupt or does not exist."),
               MessageButtons::Ok, MessageIcon::Exclamation, QStringLiteral("Reset Error"));
        return false;
    }
    window.tools().ReplaceLayout(*std::move(layout));
    BuildRecentFilesMenu();
    window.SetDocumentToolsEnabled(!window.Documents().isEmpty(), true);
    return true;
}

void SaveApplicationState(MainWindow &window)
{
    Hourglass busy;
    RestoreAppFolder();
    SaveAppState(&window);
    SavePreferences();
}

} // namespace tavorin
