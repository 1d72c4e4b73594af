// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CAppletTavelinWizardDoc.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUndoStack>
#include <new>

#include "CModelEditor.h"
#include "CPreview.h"
#include "CRecentFileList.h"
#include "CSelection.h"
#include "CText.h"
#include "IDocumentHost.h"
#include "IUserPrompts.h"
#include "core/check/CLabelFit.h"
#include "core/check/CParameterCheck.h"
#include "core/import/CImportBuilder.h"
#include "core/import/CLinkRebase.h"
#include "core/io/CPath.h"
#include "core/model/CItemWalk.h"
#include "core/project/CProjectService.h"
#include "core/publish/CHtml5Exporter.h"
#include "core/publish/CPageWriter.h"
#include "core/settings/CAppSettings.h"
#include "core/settings/CProgramFolder.h"
#include "core/templates/CTemplateStore.h"

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
    return m_strPathName.isEmpty() ? tr("Untitled") : QFileInfo(m_strPathName).fileName();
}

QStringList CAppletTavelinWizardDoc::RecentFiles() const
{
    return m_pRecent->Files();
}

void CAppletTavelinWizardDoc::SetPathName(const QString& pagePath)
{
    m_strPathName = pagePath;
    m_strSaveFolder.clear();
    m_strImportSource.clear();
    m_itemSources.clear();
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

// The template is chosen before anything changes: cancelling the choice
// keeps the open project as it is, with its name and its history.
bool CAppletTavelinWizardDoc::NewDocument()
{
    const std::optional<int> chosen = ChooseNewTemplate();
    if (!chosen)
        return false;
    SetPathName(QString());
    const bool made = OnNewDocument(*chosen);
    // The views follow the refilled model (and the history starts again, clean).
    ModelReplaced();
    return made;
}

// The first project of the run takes template 0 without asking.
std::optional<int> CAppletTavelinWizardDoc::ChooseNewTemplate()
{
    if (m_bFirstNew || !m_pHost) {
        m_bFirstNew = false;
        return 0;
    }
    return m_pHost->ChooseTemplate();
}

bool CAppletTavelinWizardDoc::OnNewDocument(int templateIndex)
{
    ReleaseModel();
    CTemplateStore store(m_ctx.settings, m_ctx.fileSystem, m_ctx.programDir, m_ctx.DataDir());
    LoadTemplate(store, templateIndex);
    return true;
}

// A template file that is missing or cannot be read (a folder, a pipe, a
// device in its place) is told: the new project is bare then.
void CAppletTavelinWizardDoc::LoadTemplate(CTemplateStore& store, int index)
{
    std::string bytes;
    if (!m_ctx.fileSystem.ReadFile(store.TemplateFilePath(), bytes))
        m_ctx.prompts.Message(Owner(), tr("The template file %1 is missing or cannot be read. The new "
                                          "project starts without a template.")
                                           .arg(QDir::toNativeSeparators(CText::ToQ(store.TemplateFilePath()))));
    store.LoadTemplate(m_ctx.Params(), index);
}

bool CAppletTavelinWizardDoc::NewFromImport(const CImportNode& root, const QString& source)
{
    if (!NewDocument())
        return false;
    ReleaseModel();
    CImportBuilder::BuildProject(m_ctx.Params(), root);
    m_strSaveFolder = QFileInfo(source).absolutePath();
    m_strImportSource = QFileInfo(source).absoluteFilePath();
    ModelReplaced();
    // Saved nowhere yet: no undo leads back to a saved state.
    m_ctx.editor.History().resetClean();
    return true;
}

void CAppletTavelinWizardDoc::ItemsImportedFrom(const QString& source, const std::vector<const CTavelinItem*>& items)
{
    if (!m_strPathName.isEmpty())
        return;
    const QString file = QFileInfo(source).absoluteFilePath();
    for (const CTavelinItem* item : items) {
        m_itemSources[item->Serial()] = file;
        CItemWalk::ForEach(item->SubMenu(), [&](const CTavelinItem& below) { m_itemSources[below.Serial()] = file; });
    }
}

// --- open ------------------------------------------------------------------

void CAppletTavelinWizardDoc::OnFileOpen()
{
    const QString path = m_ctx.prompts.OpenFileName(Owner(), tr("Open"), tr(kOpenFilter), QString());
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
        const QString page =
            project.absolutePath() + QLatin1Char('/') + project.completeBaseName() + QLatin1String(ext);
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
            m_ctx.prompts.Message(Owner(), tr(kNoPageForProject).arg(givenPath));
            return false;
        }
    }
    if (!SaveModified())
        return false;
    QFile page(pagePath);
    if (!QFileInfo(pagePath).isFile() || !page.open(QIODevice::ReadOnly)) {
        m_ctx.prompts.Message(Owner(), tr("Cannot open the page \"%1\".").arg(pagePath));
        return false;
    }
    page.close();
    try {
        if (!OnOpenDocument(pagePath))
            return false;
    } catch (const std::bad_alloc&) {
        m_ctx.prompts.Message(Owner(), NotEnoughMemory(tr("Can't open file %1").arg(pagePath)));
        return false;
    }
    m_bFirstNew = false;
    SetPathName(QFileInfo(pagePath).absoluteFilePath());
    return true;
}

bool CAppletTavelinWizardDoc::OnOpenDocument(const QString& pagePath)
{
    const std::string project = CPath::ProjectFileFor(CText::FromQ(pagePath));
    if (!m_ctx.fileSystem.IsRegularFile(project)) {
        m_ctx.prompts.Message(Owner(), tr(kNotOurFile));
        return false;
    }
    // The file is read once, into a model of its own: the project being
    // edited stays as it was when the new one cannot be read (unreadable, or
    // too large for the memory left).
    const CProjectResult result =
        CProjectService(m_ctx.fileSystem, m_ctx.programDir).Open(CText::FromQ(pagePath), m_ctx.Params(), [this] {
            ReleaseModel();
        });
    if (!result) {
        // The service names the page and what went wrong.
        m_ctx.prompts.Message(Owner(), CText::ToQ(result.Error()));
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
    if (m_strPathName.isEmpty() || !CanSaveInPlace(m_strPathName))
        return OnFileSaveAs();
    return DoSave(m_strPathName);
}

bool CAppletTavelinWizardDoc::CanSaveInPlace(const QString& pagePath) const
{
    const QString folder = QFileInfo(pagePath).absolutePath();
    if (!m_ctx.dataDir.empty() && m_ctx.dataDir != m_ctx.programDir) {
        const QString shared = QDir(CText::ToQ(m_ctx.dataDir)).absolutePath();
        if (folder == shared || folder.startsWith(shared + QLatin1Char('/')))
            return false;
    }
    // A folder that is gone is told by the save itself.
    const std::string dir = CText::FromQ(folder);
    return !m_ctx.fileSystem.IsDirectory(dir) || CProgramFolder(m_ctx.fileSystem).CanWrite(dir);
}

bool CAppletTavelinWizardDoc::OnFileSaveAs()
{
    QString initial = m_strPathName.isEmpty() ? tr("Untitled.htm") : m_strPathName;
    if (m_strPathName.isEmpty() && !m_strSaveFolder.isEmpty())
        initial = QDir(m_strSaveFolder).filePath(initial);
    // A page that cannot be saved where it is: the same name in the home folder.
    if (!m_strPathName.isEmpty() && !CanSaveInPlace(m_strPathName))
        initial = QDir::home().filePath(QFileInfo(m_strPathName).fileName());
    QString path = m_ctx.prompts.SaveFileName(Owner(), tr("Save As"), tr(kSaveFilter), initial);
    if (path.isEmpty())
        return false;
    if (!QFileInfo(path).fileName().contains(QLatin1Char('.'))) {
        path += QStringLiteral(".htm");
        // The dialog asked about the name as typed, not about this one.
        if (QFileInfo::exists(path) &&
            !m_ctx.prompts.Confirm(
                Owner(), tr("%1 already exists.\nDo you want to replace it?").arg(QFileInfo(path).fileName())))
            return false;
    }
    return DoSave(path);
}

bool CAppletTavelinWizardDoc::DoSave(const QString& pagePath)
{
    try {
        if (!OnSaveDocument(pagePath))
            return false;
    } catch (const std::bad_alloc&) {
        // What is on disk is as it was: the save writes through temporaries.
        m_ctx.prompts.Message(Owner(), NotEnoughMemory(tr("%1 was not saved").arg(pagePath)));
        return false;
    }
    SetPathName(QFileInfo(pagePath).absoluteFilePath());
    return true;
}

bool CAppletTavelinWizardDoc::OnSaveDocument(const QString& pagePath)
{
    CommitPropertyPage();
    const bool rebased = RebaseImportedLinks(pagePath);
    const CProjectResult result = Service().Save(m_ctx.Params(), CText::FromQ(pagePath));
    ShowWarnings(result);
    if (!result) {
        // What is on disk is not the project: the history keeps its saved
        // state, and the links lead from the source's folder again.
        if (rebased)
            m_ctx.editor.History().undo();
        m_ctx.prompts.Message(Owner(), CText::ToQ(result.Error()));
        return false;
    }
    KeepPreviewFilesFor(pagePath);
    m_ctx.editor.History().setClean();
    return true;
}

bool CAppletTavelinWizardDoc::RebaseImportedLinks(const QString& pagePath)
{
    if (m_strImportSource.isEmpty() && m_itemSources.empty())
        return false;
    const std::string page = CText::FromQ(QFileInfo(pagePath).absoluteFilePath());
    // One rebase for each source: the project's own, and those of items imported into it.
    std::map<QString, CLinkRebase> rebases;
    const auto rebaseFrom = [&](const QString& source) -> const CLinkRebase& {
        auto found = rebases.find(source);
        if (found == rebases.end())
            found = rebases.emplace(source, CLinkRebase(CText::FromQ(source), page)).first;
        return found->second;
    };
    // The walk only finds the links to change; the changes go through the
    // model editor, one step for them all.
    std::vector<std::pair<CTavelinItem*, std::string>> moves;
    CItemWalk::ForEachToChange(m_ctx.Params(), [&](CTavelinItem& item) {
        const auto imported = m_itemSources.find(item.Serial());
        const QString& source = imported != m_itemSources.end() ? imported->second : m_strImportSource;
        if (source.isEmpty())
            return;
        std::string moved = rebaseFrom(source).Rebase(item.m_strLink.str());
        if (moved != item.m_strLink.str())
            moves.emplace_back(&item, std::move(moved));
    });
    if (moves.empty())
        return false;
    m_ctx.editor.BeginMacro(tr("Rebase Links"));
    for (auto& [item, link] : moves) {
        CItemFields fields = *item;
        fields.m_strLink = link;
        m_ctx.editor.SetItemFields(item, fields);
    }
    m_ctx.editor.EndMacro();
    return true;
}

QString CAppletTavelinWizardDoc::SaveRecovered(const QString& pagePath, const std::string& projectText)
{
    try {
        CAppletParameters params;
        const std::string page = CText::FromQ(pagePath);
        CProjectResult result = Service().OpenText(projectText, page, params);
        if (result)
            result = Service().Save(params, page);
        return result ? QString() : CText::ToQ(result.Error());
    } catch (const std::bad_alloc&) {
        return NotEnoughMemory(tr("%1 was not saved").arg(pagePath));
    }
}

QString CAppletTavelinWizardDoc::NotEnoughMemory(const QString& what)
{
    return what + tr(": not enough memory.");
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
    switch (m_ctx.prompts.AskSave(Owner(), tr("Save changes to %1?").arg(name))) {
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
    // The check only recommends; Auto-Change Menu Size hands the wider items
    // (for the longest labels) and the applet size to the model editor as one
    // step, so that the views and the modified mark follow.
    const auto widen =
        m_bAutoChangeSize ? CLabelFit::MenusToWiden(m_ctx.Params()) : std::vector<std::pair<CTavelin*, int>>();
    const QString step = tr("Auto-Change Menu Size");
    if (!widen.empty())
        m_ctx.editor.BeginMacro(step);
    for (const auto& [menu, width] : widen) {
        CMenuStyle wider = *menu;
        wider.m_nItemWidth = width;
        m_ctx.editor.SetMenuStyle(menu, wider, step);
    }
    const CParameterCheck::Result check = CParameterCheck(m_ctx.Params(), m_ctx.fileSystem).Run();
    if (m_bAutoChangeSize) {
        CAppletSettings sized = m_ctx.Params();
        sized.m_nWidth = check.width;
        sized.m_nHeight = check.height;
        m_ctx.editor.SetAppletSettings(sized, step);
    }
    if (!widen.empty())
        m_ctx.editor.EndMacro();
    emit MessagesChanged(CText::ToQMultiLine(check.report));
    emit ReportItemsShown(check.lineItems);
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
        emit MessageAppended(QCoreApplication::translate("CPreview", CPreview::kAppletOnlyNote));
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
    // Read whole before the project being edited goes: a copy too large for
    // the memory left leaves it as it was, and the copy stays for next time.
    const CProjectResult result =
        Service().OpenText(projectText, CText::FromQ(pagePath), m_ctx.Params(), [this] { ReleaseModel(); });
    if (!result) {
        m_ctx.prompts.Message(Owner(), CText::ToQ(result.Error()));
        return false;
    }
    ModelReplaced();
    m_bFirstNew = false;
    m_strPathName = pagePath;
    m_strSaveFolder.clear();
    // A page that is there without its project file was not saved here (a
    // page written by hand, or one whose project file went): Save never
    // writes over it unasked. The work stays untitled and its Save As starts
    // beside that page.
    const std::string page = CText::FromQ(pagePath);
    if (!page.empty() && m_ctx.fileSystem.Exists(page) &&
        !m_ctx.fileSystem.IsRegularFile(CPath::ProjectFileFor(page))) {
        m_strPathName.clear();
        m_strSaveFolder = QFileInfo(pagePath).absolutePath();
        emit MessageAppended(tr("Warning:\t\tThe recovered changes were made to %1, which now has no "
                                "project file beside it: Save asks where to save them.")
                                 .arg(QDir::toNativeSeparators(pagePath)));
    }
    emit TitleChanged(Title());
    // Not saved anywhere: no undo leads back to a saved state.
    m_ctx.editor.History().resetClean();
    return true;
}
