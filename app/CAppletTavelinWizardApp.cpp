// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CAppletTavelinWizardApp.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <optional>
#include <sys/resource.h>

#include "core/io/CStdFileSystem.h"
#include "core/project/CRecoveryStore.h"
#include "core/settings/CProgramFolder.h"
#include "core/templates/CTemplateStore.h"
#include "editor/CAppletTavelinWizardDoc.h"
#include "editor/CAutoSaver.h"
#include "editor/CBrowserLauncher.h"
#include "editor/CCommandLine.h"
#include "editor/CEditorContext.h"
#include "editor/CModelEditor.h"
#include "editor/CPreview.h"
#include "editor/CQtSettings.h"
#include "editor/CSelection.h"
#include "editor/CText.h"
#include "gui/frame/CMainFrame.h"
#include "gui/frame/CPluginSoundPlayer.h"
#include "gui/frame/CQtPrompts.h"
#include "gui/preview/CPreviewEngine.h"
#include "gui/widgets/CHelpSystem.h"

struct CAppletTavelinWizardApp::Private {
    Private(ISettingsStore* givenSettings, IUserPrompts* givenPrompts)
        : editor(params), qtSettings(givenSettings ? nullptr : std::make_unique<CQtSettings>()),
          settings(givenSettings ? *givenSettings : *qtSettings), prompts(givenPrompts ? *givenPrompts : qtPrompts),
          browser(prompts, settings)
    {
    }

    CAppletParameters params;
    CModelEditor editor;
    CSelection selection;
    CPluginSoundPlayer soundPlayer{CPreviewEngine::Folders()};
    CQtPrompts qtPrompts{soundPlayer};
    std::unique_ptr<CQtSettings> qtSettings;
    ISettingsStore& settings;
    IUserPrompts& prompts;
    CBrowserLauncher browser;
    std::optional<CEditorContext> context;
    std::unique_ptr<CHelpSystem> help;
    std::unique_ptr<CAppletTavelinWizardDoc> doc;
    std::unique_ptr<CMainFrame> frame;
    QString recoveryFolder;
    QString sharedDataFolder;
    std::unique_ptr<CRecoveryStore> recovery;
    std::unique_ptr<CAutoSaver> autoSaver;
};

CAppletTavelinWizardApp::CAppletTavelinWizardApp(ISettingsStore* settings, IUserPrompts* prompts)
    : d(std::make_unique<Private>(settings, prompts))
{
}

CAppletTavelinWizardApp::~CAppletTavelinWizardApp()
{
    ExitInstance();
}

std::string CAppletTavelinWizardApp::ResolveProgramDir(const QString& dir, bool executableDir)
{
    QString userDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    while (userDir.size() > 1 && userDir.endsWith(QLatin1Char('/')))
        userDir.chop(1);
    CProgramFolder folder(CStdFileSystem::Instance());
    return executableDir ? folder.ResolveForExecutable(CText::FromQ(dir), CText::FromQ(userDir))
                         : folder.Resolve(CText::FromQ(dir), CText::FromQ(userDir));
}

bool CAppletTavelinWizardApp::InitInstance(const QStringList& arguments)
{
    CCommandLine line;
    if (!line.Parse(arguments))
        return false;
    QString dir = line.m_strProgramDir.isEmpty() ? QCoreApplication::applicationDirPath() : line.m_strProgramDir;
    while (dir.size() > 1 && dir.endsWith(QLatin1Char('/')))
        dir.chop(1);
    const std::string programDir = ResolveProgramDir(dir, line.m_strProgramDir.isEmpty());
    // Help and samples are read where they were shipped.
    const std::string dataDir = !d->sharedDataFolder.isEmpty()
                                    ? CText::FromQ(d->sharedDataFolder)
                                    : CProgramFolder(CStdFileSystem::Instance())
                                          .SharedDataDir(CText::FromQ(dir), line.m_strProgramDir.isEmpty());

    d->browser.Reload();
    d->selection.Clear();
    d->selection.SetItemSheetMode(true);
    // A program folder of one's own (--program-dir) keeps its previews; the
    // editor's own ones go to the per-user cache.
    const std::string previewDir =
        line.m_strProgramDir.isEmpty()
            ? CText::FromQ(QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/preview"))
            : std::string();
    d->context.emplace(CEditorContext{d->editor, d->selection, d->settings, CStdFileSystem::Instance(), d->prompts,
                                      d->browser, programDir, previewDir, dataDir});
    d->context->drawTemplates = true;
    CTemplateStore(d->settings, d->context->fileSystem, programDir).EnsureNameList();

    d->help = std::make_unique<CHelpSystem>(dataDir, d->browser);
    d->help->InstallHelpKeys();
    d->doc = std::make_unique<CAppletTavelinWizardDoc>(*d->context);
    d->frame = std::make_unique<CMainFrame>(*d->context, d->doc.get(), d->help.get());

    // A page named on the command line is opened as File > Open does; when
    // that fails the run starts with a new project instead of ending.
    const bool opened = !line.m_strPage.isEmpty() && d->doc->OpenDocumentFile(line.m_strPage);
    if (!opened)
        d->doc->NewDocument();
    d->frame->InitialShowWindow(1);
    StartAutoSave();
    return true;
}

namespace {
// Each left copy on offer is held by a lock of its own, so that no other
// editor offers it too: a thousand left copies need a thousand open files,
// more than the usual soft limit leaves beside the program's own.
void AllowOpenFilesUpToHardLimit()
{
    struct rlimit limit {};
    if (::getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
        limit.rlim_cur = limit.rlim_max;
        ::setrlimit(RLIMIT_NOFILE, &limit);
    }
}
}  // namespace

// Recovery copies of unsaved work; copies left by a run that ended without
// removing them are offered first.
void CAppletTavelinWizardApp::StartAutoSave()
{
    AllowOpenFilesUpToHardLimit();
    QString folder = d->recoveryFolder;
    if (folder.isEmpty())
        folder = DefaultRecoveryFolder();
    IFileSystem& fs = d->context->fileSystem;
    d->recovery = std::make_unique<CRecoveryStore>(fs, CText::FromQ(folder));
    d->recovery->Open();
    CAppletTavelinWizardDoc* doc = d->doc.get();
    d->autoSaver =
        std::make_unique<CAutoSaver>(d->editor, *d->recovery, d->settings, fs, [doc] { return doc->PathName(); });
    CMainFrame* frame = d->frame.get();
    QObject::connect(d->autoSaver.get(), &CAutoSaver::Written, frame,
                     [frame, folder](bool ok) { frame->AutoSaveWritten(ok, folder); });
    d->autoSaver->OfferRecovery(
        d->prompts, d->frame.get(),
        [doc](const QString& page, const std::string& text) { return doc->OpenRecovered(page, text); },
        [doc](const QString& page, const std::string& text) { return doc->SaveRecovered(page, text); });
}

QString CAppletTavelinWizardApp::DefaultRecoveryFolder()
{
    // State that outlives a run but is no user data: $XDG_STATE_HOME, whose
    // default (a relative value counts as unset) is ~/.local/state.
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return QDir::cleanPath(state + QLatin1Char('/') + QCoreApplication::organizationName() + QLatin1Char('/') +
                           QCoreApplication::applicationName() + QStringLiteral("/recovery"));
}

void CAppletTavelinWizardApp::SetRecoveryFolder(const QString& folder)
{
    d->recoveryFolder = folder;
}

void CAppletTavelinWizardApp::SetSharedDataFolder(const QString& folder)
{
    d->sharedDataFolder = folder;
}

CAutoSaver* CAppletTavelinWizardApp::AutoSaver() const
{
    return d->autoSaver.get();
}

int CAppletTavelinWizardApp::ExitInstance()
{
    if (!d->context)
        return 0;
    // A normal end: the user has saved or given up the changes.
    if (d->autoSaver)
        d->autoSaver->Shutdown();
    d->autoSaver.reset();
    d->recovery.reset();
    const std::set<std::string> previewFiles = d->doc ? d->doc->PreviewFiles() : std::set<std::string>();
    d->frame.reset();
    d->doc.reset();
    d->help.reset();
    d->selection.Clear();
    const std::string previewDir =
        d->context->programDir.empty() ? std::string() : CPreview::PreviewFolder(*d->context);
    d->context.reset();
    CProgramFolder(CStdFileSystem::Instance()).CleanPreviewFolder(previewDir, previewFiles);
    return 0;
}

CMainFrame* CAppletTavelinWizardApp::MainFrame() const
{
    return d->frame.get();
}

CAppletTavelinWizardDoc* CAppletTavelinWizardApp::Document() const
{
    return d->doc.get();
}

const CEditorContext& CAppletTavelinWizardApp::Context() const
{
    return *d->context;
}
