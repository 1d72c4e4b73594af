// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>
#include <memory>
#include <string>

class CAppletTavelinWizardDoc;
class CAutoSaver;
class CMainFrame;
class CModelEditor;
class CSelection;
class ISettingsStore;
class IUserPrompts;
struct CEditorContext;
class QString;

// The one long-lived object of a run, made by main: it owns the model, the
// model editor, the selection, the settings, the prompts, the browser
// launcher and the help, hands them to the document and the main window
// through their constructors, and runs start-up and shut-down.
class CAppletTavelinWizardApp {
public:
    // Tests hand in their own settings and prompts (not owned); null takes
    // the user's settings file and Qt's dialogs.
    explicit CAppletTavelinWizardApp(ISettingsStore* settings = nullptr, IUserPrompts* prompts = nullptr);
    ~CAppletTavelinWizardApp();
    CAppletTavelinWizardApp(const CAppletTavelinWizardApp&) = delete;
    CAppletTavelinWizardApp& operator=(const CAppletTavelinWizardApp&) = delete;

    // Start-up: program folder, settings, browser choice, template list,
    // main window and the first document (or the page named on the command
    // line). False when the program is to end at once.
    bool InitInstance(const QStringList& arguments);
    // Shut-down: removes the files Preview wrote into the preview folder (in
    // the per-user cache, $XDG_CACHE_HOME/ORGANISATION/APPLICATION/preview,
    // or "tmp" in a program folder given with --program-dir), and the folder
    // when nothing else is left in it.
    int ExitInstance();

    // Autosave and recovery: the folder of the recovery copies (tests set
    // their own before start-up; default DefaultRecoveryFolder()) and the
    // auto-saver of this run (null before start-up).
    void SetRecoveryFolder(const QString& folder);
    // Where the shipped help and samples are read (tests set their own
    // before start-up, as an installation's share folder; default: found
    // from the program folder).
    void SetSharedDataFolder(const QString& folder);
    // "recovery" in the per-user state folder:
    // $XDG_STATE_HOME/ORGANISATION/APPLICATION/recovery.
    static QString DefaultRecoveryFolder();
    CAutoSaver* AutoSaver() const;
    CMainFrame* MainFrame() const;
    CAppletTavelinWizardDoc* Document() const;
    // The parts of the run; valid once InitInstance succeeded.
    const CEditorContext& Context() const;

    // The program folder: dir when it can be written, else a per-user copy
    // laid from the data shipped in dir (the template file and the scripts;
    // help and samples are read in place). For the executable's own folder
    // an installation's share/applettavelinwizard is the data.
    static std::string ResolveProgramDir(const QString& dir, bool executableDir = false);

private:
    void StartAutoSave();

    struct Private;
    std::unique_ptr<Private> d;
};
