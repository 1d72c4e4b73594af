#include "CAppletTavelinWizardApp.h"

#include "CAppletTavelinWizardDoc.h"
#include "CModelEditor.h"
#include "CQtPrompts.h"
#include "CQtSettings.h"
#include "codec/CStdFileSystem.h"

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

// Placeholder start-up until the main window lands.
bool CAppletTavelinWizardApp::InitInstance(const QStringList&)
{
    return false;
}

int CAppletTavelinWizardApp::ExitInstance()
{
    return 0;
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
