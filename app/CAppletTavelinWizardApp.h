#pragma once

#include <QObject>
#include <memory>
#include <string>

#include "model/CAppletParameters.h"

class CAppletTavelinWizardDoc;
class CAutoSaver;
class CAppletTavelinWizardView;
class CMainFrame;
class CModelEditor;
class IFileSystem;
class ISettingsStore;
class IUserPrompts;

// The one long-lived object of a run: it owns the model, knows the program
// folder, holds the browser choice and the property editors' current
// selection, and runs start-up and shut-down. Everything else reaches the
// model through it (theApp()).
class CAppletTavelinWizardApp : public QObject {
    Q_OBJECT
public:
    CAppletTavelinWizardApp();
    ~CAppletTavelinWizardApp() override;

    static CAppletTavelinWizardApp& Instance();

    // Start-up: program folder, settings, browser choice, template list,
    // main window and the first document (or the page named on the command
    // line). False when the program is to end at once.
    bool InitInstance(const QStringList& arguments);
    // Shut-down: empties and removes the preview folder "tmp".
    int ExitInstance();

    ISettingsStore& Settings();
    IFileSystem& FileSystem();
    IUserPrompts& Prompts();
    // Tests replace the prompts (not owned; null restores the default) and
    // the settings store (not owned).
    void SetPrompts(IUserPrompts* prompts);
    void SetSettings(ISettingsStore* settings);
    // Autosave and recovery: the folder of the recovery copies (tests set
    // their own before start-up; default the per-user data folder's
    // "recovery") and the auto-saver of this run (null before start-up).
    void SetRecoveryFolder(const QString& folder);
    CAutoSaver* AutoSaver() const;

    CModelEditor& Editor();
    CMainFrame* MainFrame() const;
    CAppletTavelinWizardDoc* Document() const;
    CAppletTavelinWizardView* GetTreeView() const;

    // The program folder: dir when it can be written, else a per-user copy
    // laid from the data shipped in dir.
    static std::string ResolveProgramDir(const QString& dir);

    CAppletParameters m_params;
    CTavelin* m_pCurrentMenu = nullptr;
    CTavelinItem* m_pCurrentItem = nullptr;
    bool m_bItemSheetMode = true;
    std::string m_strProgramDir;
    bool m_bFirstNew = true;
    int m_nBrowserMode = 1;
    std::string m_strBrowserPath;
    int m_nKnownBrowser = 0;

public slots:
    // Help > About.
    void OnAppAbout();

private:
    void StartAutoSave();

    struct Private;
    std::unique_ptr<Private> d;
};

// The application object of this run.
CAppletTavelinWizardApp& theApp();
