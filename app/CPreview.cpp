#include "CPreview.h"

#include <QDialog>
#include <QUrl>

#include "CAppletTavelinWizardApp.h"
#include "CBrowserLauncher.h"
#include "CDlgWebBrowser.h"
#include "CKnownBrowsers.h"
#include "CText.h"
#include "IUserPrompts.h"
#include "codec/CPageWriter.h"
#include "templates/CAppSettings.h"
#include "ui/CWizardInfoView.h"
#include "CAppletTavelinWizardDoc.h"
#include <QPlainTextEdit>
#include "codec/CPath.h"

namespace {

void StoreBrowserChoice(const CDlgWebBrowser& dialog)
{
    CAppletTavelinWizardApp& app = theApp();
    app.m_nBrowserMode = CDlgWebBrowser::ModeForChoice(dialog.m_nChoice);
    if (dialog.m_nChoice == 1)
        app.m_nKnownBrowser = dialog.m_nKnownIndex;
    else if (dialog.m_nChoice == 2)
        app.m_strBrowserPath = CText::FromQ(dialog.m_strExePath);
    // All three are written, also those this choice left as they were.
    CAppSettings settings(app.Settings());
    settings.SetBrowserMode(app.m_nBrowserMode);
    settings.SetBrowserPath(app.m_strBrowserPath);
    settings.SetKnownBrowser(app.m_nKnownBrowser);
}

}   // namespace

std::string CPreview::PreviewFolder()
{
    return CPath::Join(theApp().m_strProgramDir, kPreviewFolder);
}

std::string CPreview::PreviewPagePath()
{
    return CPath::Join(PreviewFolder(), kPreviewPage);
}

void CPreview::Preview(QWidget* owner)
{
    CAppletTavelinWizardApp& app = theApp();
    const std::string folder = PreviewFolder();
    const std::string page = PreviewPagePath();
    // A folder that cannot be made shows up as the writer's failure below.
    app.FileSystem().MakeDir(folder);
    CPageWriter writer(app.m_params, app.FileSystem(), app.m_strProgramDir);
    const bool runtime = CAppSettings(app.Settings()).Html5Runtime();
    writer.SetHtml5Runtime(runtime);
    const std::string text = writer.BuildPage();
    if (!runtime)
        NoteAppletOnly();
    if (!writer.SaveFiles(page, folder, text, false, std::string()))
        app.Prompts().Message(owner, CText::ToQ(writer.LastError()));
    // Whatever the earlier preview left there is still worth showing.
    CBrowserLauncher::ShowPreview(CText::ToQ(page));
}

// Today's browsers do not run applets: say so below the check report.
void CPreview::NoteAppletOnly()
{
    CAppletTavelinWizardDoc* doc = theApp().Document();
    CWizardInfoView* view = doc ? doc->InfoView() : nullptr;
    if (view)
        view->Messages()->appendPlainText(QString::fromLatin1(kAppletOnlyNote));
}

void CPreview::ViewSample(QWidget*)
{
    const std::string page = CPath::Join(theApp().m_strProgramDir, kSamplePage);
    CBrowserLauncher::ShowPage(QUrl::fromLocalFile(CText::ToQ(page)));
}

void CPreview::ChooseWebBrowser(QWidget* owner)
{
    CAppletTavelinWizardApp& app = theApp();
    const CKnownBrowsers browsers;
    CDlgWebBrowser dialog(browsers.Names(), owner);
    dialog.m_nChoice = CDlgWebBrowser::ChoiceForMode(app.m_nBrowserMode);
    dialog.m_nKnownIndex = app.m_nKnownBrowser;
    dialog.m_strExePath = CText::ToQ(app.m_strBrowserPath);
    dialog.ShowValues();
    if (app.Prompts().Exec(dialog) == QDialog::Accepted)
        StoreBrowserChoice(dialog);
}
