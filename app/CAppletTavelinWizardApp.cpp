#include "CAppletTavelinWizardApp.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include "CAboutDlg.h"
#include "CAppletTavelinWizardDoc.h"
#include "CAutoSaver.h"
#include "CCommandLine.h"
#include "CModelEditor.h"
#include "CQtPrompts.h"
#include "CQtSettings.h"
#include "CText.h"
#include "codec/CRecoveryStore.h"
#include "codec/CStdFileSystem.h"
#include "templates/CAppSettings.h"
#include "templates/CProgramFolder.h"
#include "templates/CTemplateStore.h"
#include "ui/CMainFrame.h"

struct CAppletTavelinWizardApp::Private {
    explicit Private(CAppletParameters& params) : editor(params) {}

    CModelEditor editor;
    CQtPrompts qtPrompts;
    std::unique_ptr<CQtSettings> qtSettings;
    IUserPrompts* prompts = nullptr;
    ISettingsStore* settings = nullptr;
    CMainFrame* frame = nullptr;
    CAppletTavelinWizardDoc* doc = nullptr;
    QString recoveryFolder;
    std::unique_ptr<CRecoveryStore> recovery;
    std::unique_ptr<CAutoSaver> autoSaver;
};

CAppletTavelinWizardApp::CAppletTavelinWizardApp() : d(std::make_unique<Private>(m_params)) {}

CAppletTavelinWizardApp::~CAppletTavelinWizardApp() = default;

CAppletTavelinWizardApp& CAppletTavelinWizardApp::Instance()
{
    static CAppletTavelinWizardApp app;
    return app;
}

CAppletTavelinWizardApp& theApp()
{
    return CAppletTavelinWizardApp::Instance();
}

std::string CAppletTavelinWizardApp::ResolveProgramDir(const QString& dir)
{
    QString userDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    while (userDir.size() > 1 && userDir.endsWith(QLatin1Char('/')))
        userDir.chop(1);
    CProgramFolder folder(CStdFileSystem::Instance());
    return folder.Resolve(CText::FromQ(dir), CText::FromQ(userDir));
}

bool CAppletTavelinWizardApp::InitInstance(const QStringList& arguments)
{
    CCommandLine line;
    if (!line.Parse(arguments))
        return false;
    QString dir = line.m_strProgramDir.isEmpty() ? QCoreApplication::applicationDirPath() : line.m_strProgramDir;
    while (dir.size() > 1 && dir.endsWith(QLatin1Char('/')))
        dir.chop(1);
    m_strProgramDir = ResolveProgramDir(dir);

    const CAppSettings settings(Settings());
    m_nBrowserMode = settings.BrowserMode();
    m_strBrowserPath = settings.BrowserPath();
    m_nKnownBrowser = settings.KnownBrowser();
    CTemplateStore(Settings(), FileSystem(), m_strProgramDir).EnsureNameList();

    m_pCurrentItem = nullptr;
    m_pCurrentMenu = nullptr;
    m_bFirstNew = true;
    d->doc = new CAppletTavelinWizardDoc(this);
    d->frame = new CMainFrame(d->doc);

    // A page named on the command line is opened as File > Open does; when
    // that fails the run starts with a new project instead of ending.
    bool opened = false;
    if (!line.m_strPage.isEmpty()) {
        opened = d->doc->OpenDocumentFile(line.m_strPage);
        if (opened)
            m_bFirstNew = false;
    }
    if (!opened)
        d->doc->NewDocument();
    d->frame->InitialShowWindow(1);
    StartAutoSave();
    return true;
}

// Recovery copies of unsaved work; copies left by a run that ended without
// removing them are offered first.
void CAppletTavelinWizardApp::StartAutoSave()
{
    QString folder = d->recoveryFolder;
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/recovery");
    d->recovery = std::make_unique<CRecoveryStore>(FileSystem(), CText::FromQ(folder));
    d->recovery->Open();
    CAppletTavelinWizardDoc* doc = d->doc;
    d->autoSaver = std::make_unique<CAutoSaver>(Editor(), *d->recovery, Settings(), FileSystem(),
                                                [doc] { return doc->PathName(); });
    d->autoSaver->OfferRecovery(Prompts(), d->frame, [doc](const QString& page, const std::string& text) {
        return doc->OpenRecovered(page, text);
    });
}

void CAppletTavelinWizardApp::SetRecoveryFolder(const QString& folder)
{
    d->recoveryFolder = folder;
}

CAutoSaver* CAppletTavelinWizardApp::AutoSaver() const
{
    return d->autoSaver.get();
}

int CAppletTavelinWizardApp::ExitInstance()
{
    // A normal end: the user has saved or given up the changes.
    if (d->autoSaver)
        d->autoSaver->Shutdown();
    d->autoSaver.reset();
    d->recovery.reset();
    delete d->frame;
    d->frame = nullptr;
    delete d->doc;
    d->doc = nullptr;
    m_pCurrentItem = nullptr;
    m_pCurrentMenu = nullptr;
    if (!m_strProgramDir.empty())
        CProgramFolder(FileSystem()).CleanPreviewFolder(m_strProgramDir);
    return 0;
}

void CAppletTavelinWizardApp::OnAppAbout()
{
    CAboutDlg dialog(MainFrame());
    Prompts().Exec(dialog);
}

ISettingsStore& CAppletTavelinWizardApp::Settings()
{
    if (d->settings)
        return *d->settings;
    if (!d->qtSettings)
        d->qtSettings = std::make_unique<CQtSettings>();
    return *d->qtSettings;
}

IFileSystem& CAppletTavelinWizardApp::FileSystem()
{
    return CStdFileSystem::Instance();
}

IUserPrompts& CAppletTavelinWizardApp::Prompts()
{
    return d->prompts ? *d->prompts : d->qtPrompts;
}

void CAppletTavelinWizardApp::SetPrompts(IUserPrompts* prompts)
{
    d->prompts = prompts;
}

void CAppletTavelinWizardApp::SetSettings(ISettingsStore* settings)
{
    d->settings = settings;
}

CModelEditor& CAppletTavelinWizardApp::Editor()
{
    return d->editor;
}

CMainFrame* CAppletTavelinWizardApp::MainFrame() const
{
    return d->frame;
}

CAppletTavelinWizardDoc* CAppletTavelinWizardApp::Document() const
{
    return d->doc;
}

CAppletTavelinWizardView* CAppletTavelinWizardApp::GetTreeView() const
{
    return d->doc ? d->doc->TreeView() : nullptr;
}
