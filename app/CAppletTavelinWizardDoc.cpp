#include "CAppletTavelinWizardDoc.h"

#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QUndoStack>

#include "CAppletTavelinWizardApp.h"
#include "CDlgHtml.h"
#include "CModelEditor.h"
#include "CPreview.h"
#include "CRecentFileList.h"
#include "CText.h"
#include "IUserPrompts.h"
#include "codec/CHtml5Exporter.h"
#include "codec/CPageWriter.h"
#include "codec/CParameterCheck.h"
#include "codec/CPath.h"
#include "codec/CProjectService.h"
#include "props/CPropertyFrame.h"
#include "templates/CAppSettings.h"
#include "templates/CTemplateStore.h"
#include "templates/ISettingsStore.h"
#include "templates/dialogs/CDlgManageTemplates.h"
#include "templates/dialogs/CDlgNewMenu.h"
#include "templates/dialogs/CDlgSaveTemplate.h"
#include "ui/CAppletTavelinWizardView.h"
#include "ui/CMainFrame.h"
#include "ui/CWizardInfoView.h"

CAppletTavelinWizardDoc::CAppletTavelinWizardDoc(QObject* parent)
    : QObject(parent), m_pRecent(std::make_unique<CRecentFileList>(theApp().Settings()))
{
    m_bAutoChangeSize = CAppSettings(theApp().Settings()).AutoChangeSize();
    // Every change that goes through the model editor marks the project,
    // so that no edit can be lost without the save question.
    connect(&theApp().Editor(), &CModelEditor::Changed, this, [this] { SetModifiedFlag(true); });
    // Undoing back to the state that was saved or opened clears the mark.
    connect(&theApp().Editor().History(), &QUndoStack::cleanChanged, this, [this](bool clean) {
        if (clean)
            SetModifiedFlag(false);
    });
}

CAppletTavelinWizardDoc::~CAppletTavelinWizardDoc() = default;

void CAppletTavelinWizardDoc::SetViews(CAppletTavelinWizardView* tree, CWizardInfoView* info)
{
    m_pTreeView = tree;
    m_pInfoView = info;
}

QWidget* CAppletTavelinWizardDoc::Owner() const
{
    return theApp().MainFrame();
}

void CAppletTavelinWizardDoc::SetModifiedFlag(bool modified)
{
    if (m_bModified == modified)
        return;
    m_bModified = modified;
    emit ModifiedChanged(modified);
}

QString CAppletTavelinWizardDoc::Title() const
{
    return m_strPathName.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(m_strPathName).fileName();
}

QStringList CAppletTavelinWizardDoc::RecentFiles() const
{
    return m_pRecent->Files();
}

void CAppletTavelinWizardDoc::SetPathName(const QString& pagePath)
{
    m_strPathName = pagePath;
    if (!pagePath.isEmpty()) {
        m_pRecent->Add(pagePath);
        emit RecentFilesChanged();
    }
    emit TitleChanged(Title());
}

void CAppletTavelinWizardDoc::ReleaseModel()
{
    theApp().m_pCurrentItem = nullptr;
    theApp().m_pCurrentMenu = nullptr;
    if (m_pTreeView && m_pTreeView->PropertyFrame())
        m_pTreeView->PropertyFrame()->ForgetSheet();
}

void CAppletTavelinWizardDoc::ModelReplaced()
{
    theApp().Editor().NotifyReset();
    OnClearMessage();
}

// --- new -------------------------------------------------------------------

void CAppletTavelinWizardDoc::OnFileNew()
{
    if (SaveModified())
        NewDocument();
}

bool CAppletTavelinWizardDoc::NewDocument()
{
    SetPathName(QString());
    const bool made = OnNewDocument();
    // Made or not, the model has been reset or refilled: the views follow it.
    ModelReplaced();
    SetModifiedFlag(false);
    return made;
}

bool CAppletTavelinWizardDoc::OnNewDocument()
{
    CAppletTavelinWizardApp& app = theApp();
    CTemplateStore store(app.Settings(), app.FileSystem(), app.m_strProgramDir);
    ReleaseModel();
    if (app.m_bFirstNew) {
        app.m_bFirstNew = false;
        store.LoadTemplate(app.m_params, 0);
        return true;
    }
    app.m_params.Reset();
    // The views show the reset model while the dialog is up.
    ModelReplaced();
    CDlgNewMenu dialog(Owner());
    if (app.Prompts().Exec(dialog) != QDialog::Accepted)
        return false;
    ReleaseModel();
    store.LoadTemplate(app.m_params, dialog.m_nSelected);
    return true;
}

// --- open ------------------------------------------------------------------

void CAppletTavelinWizardDoc::OnFileOpen()
{
    const QString path = theApp().Prompts().OpenFileName(Owner(), QStringLiteral("Open"),
                                                         QString::fromLatin1(kOpenFilter), QString());
    if (!path.isEmpty())
        OpenDocumentFile(path);
}

void CAppletTavelinWizardDoc::OnOpenRecentFile(int index)
{
    const QStringList files = RecentFiles();
    if (index < 0 || index >= files.size())
        return;
    if (!OpenDocumentFile(files[index]) && !QFileInfo(files[index]).isFile()) {
        m_pRecent->Remove(index);
        emit RecentFilesChanged();
    }
}

bool CAppletTavelinWizardDoc::OpenDocumentFile(const QString& pagePath)
{
    if (!SaveModified())
        return false;
    QFile page(pagePath);
    if (!QFileInfo(pagePath).isFile() || !page.open(QIODevice::ReadOnly)) {
        theApp().Prompts().Message(Owner(), QStringLiteral("Cannot open the page \"%1\".").arg(pagePath));
        return false;
    }
    page.close();
    if (!OnOpenDocument(pagePath))
        return false;
    SetPathName(QFileInfo(pagePath).absoluteFilePath());
    SetModifiedFlag(false);
    return true;
}

bool CAppletTavelinWizardDoc::OnOpenDocument(const QString& pagePath)
{
    CAppletTavelinWizardApp& app = theApp();
    const std::string project = CPath::ProjectFileFor(CText::FromQ(pagePath));
    if (!app.FileSystem().IsRegularFile(project)) {
        app.Prompts().Message(Owner(), QString::fromLatin1(kNotOurFile));
        return false;
    }
    const QString cannotOpen = QStringLiteral("Can't open file ") + pagePath + QStringLiteral(".!Please check it.");
    // Tried before the model is touched: an unreadable project file leaves
    // the project being edited as it was.
    std::string bytes;
    if (!app.FileSystem().ReadFile(project, bytes)) {
        app.Prompts().Message(Owner(), cannotOpen);
        return false;
    }
    // The current project stays when the new one cannot be read (a damaged
    // file too large for the memory left).
    const CProjectResult result = CProjectService(app.FileSystem(), app.m_strProgramDir)
                                      .Open(CText::FromQ(pagePath), app.m_params, [this] { ReleaseModel(); });
    if (!result) {
        app.Prompts().Message(Owner(), cannotOpen);
        return false;
    }
    ModelReplaced();
    QStringList skipped;
    for (const std::string& warning : result.Warnings())
        skipped << CText::ToQ(warning);
    if (!skipped.isEmpty())
        app.Prompts().Message(Owner(), skipped.join(QLatin1Char('\n')));
    return true;
}

// --- save ------------------------------------------------------------------

bool CAppletTavelinWizardDoc::OnFileSave()
{
    if (m_strPathName.isEmpty())
        return OnFileSaveAs();
    return DoSave(m_strPathName);
}

bool CAppletTavelinWizardDoc::OnFileSaveAs()
{
    const QString initial = m_strPathName.isEmpty() ? QStringLiteral("Untitled.htm") : m_strPathName;
    QString path = theApp().Prompts().SaveFileName(Owner(), QStringLiteral("Save As"),
                                                   QString::fromLatin1(kSaveFilter), initial);
    if (path.isEmpty())
        return false;
    if (!QFileInfo(path).fileName().contains(QLatin1Char('.')))
        path += QStringLiteral(".htm");
    return DoSave(path);
}

bool CAppletTavelinWizardDoc::DoSave(const QString& pagePath)
{
    if (!OnSaveDocument(pagePath))
        return false;
    SetPathName(QFileInfo(pagePath).absoluteFilePath());
    return true;
}

bool CAppletTavelinWizardDoc::OnSaveDocument(const QString& pagePath)
{
    CAppletTavelinWizardApp& app = theApp();
    CommitPropertyPage();
    const std::string page = CText::FromQ(pagePath);
    SetModifiedFlag(false);
    CPageWriter writer(app.m_params, app.FileSystem(), app.m_strProgramDir);
    writer.SetHtml5Runtime(CAppSettings(app.Settings()).Html5Runtime());
    const std::string text = writer.BuildPage();
    if (writer.SaveFiles(page, CPath::Folder(page), text, false, std::string())) {
        app.Editor().History().setClean();
        // Copies that failed: the page is saved, the message view says what is missing.
        for (const std::string& warning : writer.Warnings())
            if (m_pInfoView)
                m_pInfoView->Messages()->appendPlainText(CText::ToQ("Warning:\t\t" + warning));
        return true;
    }
    // What is on disk is not the project: it stays modified.
    SetModifiedFlag(true);
    const std::string error = writer.LastError().empty() ? CPageWriter::kSaveFailed : writer.LastError();
    app.Prompts().Message(Owner(), CText::ToQ(error));
    return false;
}

// Input still on the property page counts as an edit: it is stored first,
// so that the question comes when it would otherwise be lost. Input the
// page refuses keeps the project open (its message has been shown).
bool CAppletTavelinWizardDoc::SaveModified()
{
    if (!CommitPropertyPage())
        return false;
    if (!m_bModified)
        return true;
    const QString name = m_strPathName.isEmpty() ? Title() : m_strPathName;
    switch (theApp().Prompts().AskSave(Owner(), QStringLiteral("Save changes to %1?").arg(name))) {
    case IUserPrompts::SaveAnswer::Yes: return OnFileSave();
    case IUserPrompts::SaveAnswer::No: return true;
    case IUserPrompts::SaveAnswer::Cancel: break;
    }
    return false;
}

void CAppletTavelinWizardDoc::OnFileSaveAsTemplate()
{
    CAppletTavelinWizardApp& app = theApp();
    CDlgSaveTemplate dialog(Owner());
    if (app.Prompts().Exec(dialog) != QDialog::Accepted)
        return;
    CTemplateStore store(app.Settings(), app.FileSystem(), app.m_strProgramDir);
    if (!store.AddTemplate(app.m_params, CText::FromQ(dialog.m_strTemplateName), dialog.m_nSelected))
        app.Prompts().Message(Owner(), CText::ToQ(store.LastError()));
}

// --- build, options, help --------------------------------------------------

bool CAppletTavelinWizardDoc::CommitPropertyPage()
{
    CPropertyFrame* frame = m_pTreeView ? m_pTreeView->PropertyFrame() : nullptr;
    return !frame || !frame->isVisible() || frame->CommitActivePage();
}

void CAppletTavelinWizardDoc::OnCheckParameters()
{
    CAppletTavelinWizardApp& app = theApp();
    CommitPropertyPage();
    if (m_pInfoView) {
        m_pInfoView->SetMessageText(QString());
        if (m_pTreeView)
            m_pInfoView->Messages()->setFont(m_pTreeView->font());
    }
    // The check sets the recommended size itself; that change is handed to
    // the model editor so that the views and the modified flag follow it.
    const CAppletSettings before = app.m_params;
    CParameterCheck check(app.m_params, app.FileSystem());
    const std::string report = check.Run(m_bAutoChangeSize);
    const CAppletSettings after = app.m_params;
    if (!(after == before)) {
        static_cast<CAppletSettings&>(app.m_params) = before;
        app.Editor().SetAppletSettings(after, tr("Auto-Change Menu Size"));
        CPropertyFrame* frame = m_pTreeView ? m_pTreeView->PropertyFrame() : nullptr;
        if (frame && frame->isVisible() && frame->ShowsSheet(CPropertyFrame::Sheet::Applet))
            frame->ReloadAppletPage();
    }
    if (m_pInfoView)
        m_pInfoView->SetMessageText(CText::ToQMultiLine(report));
}

void CAppletTavelinWizardDoc::OnBuildHtml()
{
    CAppletTavelinWizardApp& app = theApp();
    OnCheckParameters();
    CPageWriter writer(app.m_params, app.FileSystem(), app.m_strProgramDir);
    writer.SetHtml5Runtime(CAppSettings(app.Settings()).Html5Runtime());
    CDlgHtml dialog(Owner());
    dialog.SetHtml(CText::ToQMultiLine(writer.BuildPage()));
    app.Prompts().Exec(dialog);
}

void CAppletTavelinWizardDoc::OnPreview()
{
    OnCheckParameters();
    CPreview::Preview(Owner());
}

void CAppletTavelinWizardDoc::OnClearMessage()
{
    if (m_pInfoView)
        m_pInfoView->SetMessageText(QString());
}

void CAppletTavelinWizardDoc::OnWebBrowser()
{
    CPreview::ChooseWebBrowser(Owner());
}

void CAppletTavelinWizardDoc::OnManageTemplates()
{
    CDlgManageTemplates dialog(Owner());
    theApp().Prompts().Exec(dialog);
}

// Writes the menu as a page without the applet: lists of real links, a
// style sheet and the runtime script, with the media beside it.
void CAppletTavelinWizardDoc::OnExportHtml5()
{
    CAppletTavelinWizardApp& app = theApp();
    CommitPropertyPage();
    QString path = app.Prompts().SaveFileName(Owner(), tr("Export HTML5 Menu"),
                                              QStringLiteral("HTML Files(*.htm,*.html) (*.htm *.html)"),
                                              QStringLiteral("menu.htm"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".htm");
    std::string error;
    if (!CHtml5Exporter(app.FileSystem(), app.m_strProgramDir).Export(app.m_params, CText::FromQ(path), &error))
        app.Prompts().Message(Owner(), CText::ToQ(error.empty() ? CPageWriter::kSaveFailed : error));
}

void CAppletTavelinWizardDoc::OnHtml5Runtime()
{
    CAppSettings settings(theApp().Settings());
    settings.SetHtml5Runtime(!settings.Html5Runtime());
    emit Html5RuntimeChanged(settings.Html5Runtime());
}

void CAppletTavelinWizardDoc::OnAutoChangeSize()
{
    m_bAutoChangeSize = !m_bAutoChangeSize;
    emit AutoChangeSizeChanged(m_bAutoChangeSize);
}

void CAppletTavelinWizardDoc::OnViewSample()
{
    CPreview::ViewSample(Owner());
}
