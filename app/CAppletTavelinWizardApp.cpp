#include "CAppletTavelinWizardApp.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include "CAboutDlg.h"
#include "CAppletTavelinWizardDoc.h"
#include "CCommandLine.h"
#include "CModelEditor.h"
#include "CQtPrompts.h"
#include "CQtSettings.h"
#include "CText.h"
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
    m_strProgramDir = ResolveProgramDir(dir, line.m_strProgramDir.isEmpty());

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
    return true;
}

int CAppletTavelinWizardApp::ExitInstance()
{
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
