#include "CAppletTavelinWizardDoc.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUndoStack>

#include "codec/CProjectReader.h"
#include "CModelEditor.h"
#include "CPreview.h"
#include "CRecentFileList.h"
#include "CSelection.h"
#include "CText.h"
#include "IDocumentHost.h"
#include "IUserPrompts.h"
#include "codec/CHtml5Exporter.h"
#include "codec/CImportBuilder.h"
#include "codec/CPageWriter.h"
#include "codec/CParameterCheck.h"
#include "codec/CPath.h"
#include "codec/CProjectService.h"
#include "templates/CAppSettings.h"
#include "templates/CTemplateStore.h"

CAppletTavelinWizardDoc::CAppletTavelinWizardDoc(const CEditorContext& context, QObject* parent)
    : QObject(parent), m_ctx(context), m_pRecent(std::make_unique<CRecentFileList>(context.settings))
{
    m_bAutoChangeSize = CAppSettings(m_ctx.settings).AutoChangeSize();
    // The modified mark is the edit history's distance from the state that
    // was saved or opened: every change goes through the model editor and so
    // moves the history, and undoing back to the saved state clears it.
    connect(&m_ctx.editor.History(), &QUndoStack::cleanChanged, this,
            [this](bool clean) { emit ModifiedChanged(!clean); });
}

CAppletTavelinWizardDoc::~CAppletTavelinWizardDoc() = default;

QWidget* CAppletTavelinWizardDoc::Owner() const
{
    return m_pHost ? m_pHost->DialogOwner() : nullptr;
}

bool CAppletTavelinWizardDoc::IsModified() const
{
    return !m_ctx.editor.History().isClean();
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
    m_strSaveFolder.clear();
    if (!pagePath.isEmpty()) {
        m_pRecent->Add(pagePath);
        emit RecentFilesChanged();
    }
    emit TitleChanged(Title());
}

void CAppletTavelinWizardDoc::ReleaseModel()
{
    m_ctx.selection.Clear();
    if (m_pHost)
        m_pHost->ForgetPendingInput();
}

void CAppletTavelinWizardDoc::ModelReplaced()
{
    m_ctx.editor.NotifyReset();
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
    // Made or not, the model has been reset or refilled: the views follow it
    // (and the history starts again, clean).
    ModelReplaced();
    return made;
}

bool CAppletTavelinWizardDoc::OnNewDocument()
{
    CTemplateStore store(m_ctx.settings, m_ctx.fileSystem, m_ctx.programDir);
    ReleaseModel();
    if (m_bFirstNew || !m_pHost) {
        m_bFirstNew = false;
        store.LoadTemplate(m_ctx.Params(), 0);
        return true;
    }
    m_ctx.Params().Reset();
    // The views show the reset model while the dialog is up.
    ModelReplaced();
    const std::optional<int> chosen = m_pHost->ChooseTemplate();
    if (!chosen)
        return false;
    ReleaseModel();
    store.LoadTemplate(m_ctx.Params(), *chosen);
    return true;
}

bool CAppletTavelinWizardDoc::NewFromImport(const CImportNode& root, const QString& source)
{
    if (!NewDocument())
        return false;
    ReleaseModel();
    CImportBuilder::BuildProject(m_ctx.Params(), root);
    m_strSaveFolder = QFileInfo(source).absolutePath();
    ModelReplaced();
    // Saved nowhere yet: no undo leads back to a saved state.
    m_ctx.editor.History().resetClean();
    return true;
}

// --- open ------------------------------------------------------------------

void CAppletTavelinWizardDoc::OnFileOpen()
{
    const QString path = m_ctx.prompts.OpenFileName(Owner(), QStringLiteral("Open"),
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

QString CAppletTavelinWizardDoc::PageOfProject(const QString& projectPath)
{
    const QFileInfo project(projectPath);
    const std::string wanted = CText::FromQ(project.absoluteFilePath());
    // Only the pages that Open offers: a later Save writes the page, and
    // must never write HTML over a file of another kind.
    for (const char* ext : {".htm", ".html"}) {
        const QString page = project.absolutePath() + QLatin1Char('/') + project.completeBaseName() +
                             QLatin1String(ext);
        if (QFileInfo(page).isFile() && CPath::ProjectFileFor(CText::FromQ(page)) == wanted)
            return page;
    }
    return QString();
}

bool CAppletTavelinWizardDoc::OpenDocumentFile(const QString& givenPath)
{
    QString pagePath = givenPath;
    if (QFileInfo(givenPath).suffix().compare(QLatin1String("tvx"), Qt::CaseInsensitive) == 0) {
        pagePath = PageOfProject(givenPath);
        if (pagePath.isEmpty()) {
            m_ctx.prompts.Message(Owner(), QString::fromLatin1(kNoPageForProject).arg(givenPath));
            return false;
        }
    }
    if (!SaveModified())
        return false;
    QFile page(pagePath);
    if (!QFileInfo(pagePath).isFile() || !page.open(QIODevice::ReadOnly)) {
        m_ctx.prompts.Message(Owner(), QStringLiteral("Cannot open the page \"%1\".").arg(pagePath));
        return false;
    }
    page.close();
    if (!OnOpenDocument(pagePath))
        return false;
    m_bFirstNew = false;
    SetPathName(QFileInfo(pagePath).absoluteFilePath());
    return true;
}

bool CAppletTavelinWizardDoc::OnOpenDocument(const QString& pagePath)
{
    const std::string project = CPath::ProjectFileFor(CText::FromQ(pagePath));
    if (!m_ctx.fileSystem.IsRegularFile(project)) {
        m_ctx.prompts.Message(Owner(), QString::fromLatin1(kNotOurFile));
        return false;
    }
    // The file is read once, into a model of its own: the project being
    // edited stays as it was when the new one cannot be read (unreadable, or
    // too large for the memory left).
    const CProjectResult result = CProjectService(m_ctx.fileSystem, m_ctx.programDir)
                                      .Open(CText::FromQ(pagePath), m_ctx.Params(), [this] { ReleaseModel(); });
    if (!result) {
        m_ctx.prompts.Message(Owner(), QStringLiteral("Can't open file ") + pagePath +
                                           QStringLiteral(".!Please check it."));
        return false;
    }
    ModelReplaced();
    QStringList skipped;
    for (const std::string& warning : result.Warnings())
        skipped << CText::ToQ(warning);
    if (!skipped.isEmpty())
        m_ctx.prompts.Message(Owner(), skipped.join(QLatin1Char('\n')));
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
    QString initial = m_strPathName.isEmpty() ? QStringLiteral("Untitled.htm") : m_strPathName;
    if (m_strPathName.isEmpty() && !m_strSaveFolder.isEmpty())
        initial = QDir(m_strSaveFolder).filePath(initial);
    QString path = m_ctx.prompts.SaveFileName(Owner(), QStringLiteral("Save As"),
                                              QString::fromLatin1(kSaveFilter), initial);
    if (path.isEmpty())
        return false;
    if (!QFileInfo(path).fileName().contains(QLatin1Char('.'))) {
        path += QStringLiteral(".htm");
        // The dialog asked about the name as typed, not about this one.
        if (QFileInfo::exists(path) &&
            !m_ctx.prompts.Confirm(Owner(), QStringLiteral("%1 already exists.\nDo you want to replace it?")
                                                .arg(QFileInfo(path).fileName())))
            return false;
    }
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
    CommitPropertyPage();
    const CProjectResult result = Service().Save(m_ctx.Params(), CText::FromQ(pagePath));
    ShowWarnings(result);
    if (!result) {
        // What is on disk is not the project: the history keeps its saved state.
        m_ctx.prompts.Message(Owner(), CText::ToQ(result.Error()));
        return false;
    }
    KeepPreviewFilesFor(pagePath);
    m_ctx.editor.History().setClean();
    return true;
}

CProjectService CAppletTavelinWizardDoc::Service() const
{
    CProjectService service(m_ctx.fileSystem, m_ctx.programDir);
    service.SetHtml5Runtime(CAppSettings(m_ctx.settings).Html5Runtime());
    return service;
}

// Copies that failed: the page is saved, the message view says what is missing.
void CAppletTavelinWizardDoc::ShowWarnings(const CProjectResult& result)
{
    for (const std::string& warning : result.Warnings())
        emit MessageAppended(CText::ToQ("Warning:\t\t" + warning));
}

// Input still on the property page counts as an edit: it is stored first,
// so that the question comes when it would otherwise be lost. Input the
// page refuses keeps the project open (its message has been shown).
bool CAppletTavelinWizardDoc::SaveModified()
{
    if (!CommitPropertyPage())
        return false;
    if (!IsModified())
        return true;
    const QString name = m_strPathName.isEmpty() ? Title() : m_strPathName;
    switch (m_ctx.prompts.AskSave(Owner(), QStringLiteral("Save changes to %1?").arg(name))) {
    case IUserPrompts::SaveAnswer::Yes: return OnFileSave();
    case IUserPrompts::SaveAnswer::No: return true;
    case IUserPrompts::SaveAnswer::Cancel: break;
    }
    return false;
}

void CAppletTavelinWizardDoc::SaveAsTemplate(const QString& name, int position)
{
    CTemplateStore store(m_ctx.settings, m_ctx.fileSystem, m_ctx.programDir);
    const CProjectResult result = store.AddTemplate(m_ctx.Params(), CText::FromQ(name), position);
    ShowWarnings(result);
    if (!result)
        m_ctx.prompts.Message(Owner(), CText::ToQ(result.Error()));
}

// --- build, options, help --------------------------------------------------

bool CAppletTavelinWizardDoc::CommitPropertyPage()
{
    return !m_pHost || m_pHost->CommitPendingInput();
}

void CAppletTavelinWizardDoc::OnCheckParameters()
{
    CommitPropertyPage();
    emit MessagesChanged(QString());
    // The check only recommends a size; Auto-Change Menu Size hands it to
    // the model editor, so that the views and the modified mark follow it.
    const CParameterCheck::Result check = CParameterCheck(m_ctx.Params(), m_ctx.fileSystem).Run();
    if (m_bAutoChangeSize) {
        CAppletSettings sized = m_ctx.Params();
        sized.m_nWidth = check.width;
        sized.m_nHeight = check.height;
        m_ctx.editor.SetAppletSettings(sized, tr("Auto-Change Menu Size"));
    }
    emit MessagesChanged(CText::ToQMultiLine(check.report));
}

QString CAppletTavelinWizardDoc::PageText() const
{
    return CText::ToQMultiLine(Service().PageText(m_ctx.Params()));
}

void CAppletTavelinWizardDoc::OnPreview()
{
    OnCheckParameters();
    ShowWarnings(CPreview(m_ctx).Preview(Owner(), &m_previewFiles));
    // Today's browsers do not run applets: say so below the check report.
    if (!CAppSettings(m_ctx.settings).Html5Runtime())
        emit MessageAppended(QString::fromLatin1(CPreview::kAppletOnlyNote));
}

void CAppletTavelinWizardDoc::OnClearMessage()
{
    emit MessagesChanged(QString());
}

// Writes the menu as a page without the applet: lists of real links, a
// style sheet and the runtime script, with the media beside it.
void CAppletTavelinWizardDoc::ExportHtml5(const QString& path, bool fragment)
{
    CommitPropertyPage();
    if (path.isEmpty())
        return;
    std::string error;
    CHtml5Exporter exporter(m_ctx.fileSystem, m_ctx.programDir);
    exporter.SetFragment(fragment);
    if (!exporter.Export(m_ctx.Params(), CText::FromQ(path), &error))
        m_ctx.prompts.Message(Owner(), CText::ToQ(error.empty() ? CPageWriter::kSaveFailed : error));
    ShowWarnings(CProjectResult::Done(exporter.Warnings()));
    KeepPreviewFilesFor(path);
}

void CAppletTavelinWizardDoc::KeepPreviewFilesFor(const QString& pagePath)
{
    const QString preview = QDir(CText::ToQ(CPreview::PreviewFolder(m_ctx))).canonicalPath();
    if (!preview.isEmpty() && QFileInfo(pagePath).absoluteDir().canonicalPath() == preview)
        m_previewFiles.clear();
}

void CAppletTavelinWizardDoc::OnHtml5Runtime()
{
    CAppSettings settings(m_ctx.settings);
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
    CPreview(m_ctx).ViewSample(Owner());
}

// --- autosave and recovery ---------------------------------------------------

bool CAppletTavelinWizardDoc::OpenRecovered(const QString& pagePath, const std::string& projectText)
{
    if (!SaveModified())
        return false;
    ReleaseModel();
    CProjectReader(m_ctx.Params(), m_ctx.fileSystem, m_ctx.programDir).LoadProjectText(projectText);
    ModelReplaced();
    m_bFirstNew = false;
    m_strPathName = pagePath;
    emit TitleChanged(Title());
    // Not saved anywhere: no undo leads back to a saved state.
    m_ctx.editor.History().resetClean();
    return true;
}
