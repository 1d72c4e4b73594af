// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "CEditorContext.h"

struct CImportNode;
class CProjectResult;
class CProjectService;
class CRecentFileList;
class CTemplateStore;
class IDocumentHost;
class QWidget;

// The single document: ties new, open, save and the recent files to the
// model, and carries the commands of the File, Build and Options menus that
// need no window of their own. It holds no project data itself: a project
// is the HTML page (the document's path) and the ".tvx" file beside it. The
// messages of the check go out as signals for the message view.
class CAppletTavelinWizardDoc : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kNotOurFile = QT_TRANSLATE_NOOP(
        "CAppletTavelinWizardDoc", "This File is not saved by Applet Tavelin Wizard!\nSystem can't open it.");
    static constexpr const char* kNoPageForProject = QT_TRANSLATE_NOOP(
        "CAppletTavelinWizardDoc",
        "No page belongs to the project file \"%1\": a project is opened through the page saved with it.");
    static constexpr const char* kOpenFilter =
        QT_TRANSLATE_NOOP("CAppletTavelinWizardDoc", "HTML Files(*.htm,*.html) (*.htm *.html)");
    static constexpr const char* kSaveFilter =
        QT_TRANSLATE_NOOP("CAppletTavelinWizardDoc", "Applet Tavelina Wizard Saved HTML(*.htm) (*.htm)");

    explicit CAppletTavelinWizardDoc(const CEditorContext& context, QObject* parent = nullptr);
    ~CAppletTavelinWizardDoc() override;

    // The main window, once it exists (not owned; null for none).
    void SetHost(IDocumentHost* host) { m_pHost = host; }
    const CEditorContext& Context() const { return m_ctx; }

    // True while the edit history is away from the state last saved or
    // opened (the history's clean state).
    bool IsModified() const;
    QString PathName() const { return m_strPathName; }
    // The page's file name, or "Untitled" for a project not saved yet.
    QString Title() const;
    QStringList RecentFiles() const;

    // The framework's cycle: each offers to save first where a project would
    // be replaced, then runs the document step and updates path and views.
    bool NewDocument();
    // A project file (".tvx") given in place of the page opens its page.
    bool OpenDocumentFile(const QString& pagePath);
    // The page whose project file is projectPath, beside it ("" when none):
    // its name with ".htm", else with ".html".
    static QString PageOfProject(const QString& projectPath);
    bool DoSave(const QString& pagePath);
    // False for a page that Save must not write where it is: one under the
    // shipped data (read in place, belonging to the package) or in a folder
    // that cannot be written. Save goes through Save As for it.
    bool CanSaveInPlace(const QString& pagePath) const;

    // The document steps; each returns what the framework step returns.
    bool OnNewDocument(int templateIndex);
    bool OnOpenDocument(const QString& pagePath);
    bool OnSaveDocument(const QString& pagePath);
    // Offers to save a modified project; false when the user cancelled.
    bool SaveModified();
    // File > Import Menu...: a new project (the template chosen as New
    // does) whose menu is the imported structure, read from source. Its
    // first Save As starts in the source's folder, where the imported
    // links lead from; wherever it saves, its relative links are rewritten
    // in that save (one step "Rebase Links") to lead where they led.
    bool NewFromImport(const CImportNode& root, const QString& source);
    // Menu > Import Items... into a project saved nowhere yet: items (with
    // the items below them) hold links written from source's folder. The
    // first save rewrites them, in its "Rebase Links" step, to lead from
    // where the page goes; in a saved project they were rewritten at import.
    void ItemsImportedFrom(const QString& source, const std::vector<const CTavelinItem*>& items);

    // Save As Template with the name and position the dialog gave.
    void SaveAsTemplate(const QString& name, int position);
    // The page text that Save would write, for Build HTML.
    QString PageText() const;
    // Opens unsaved work kept in a recovery copy: the project text replaces
    // the model, which stays modified and keeps its page path.
    bool OpenRecovered(const QString& pagePath, const std::string& projectText);
    // Saves a recovered project as pagePath without opening it: "" when
    // saved, otherwise what went wrong (Recover All).
    QString SaveRecovered(const QString& pagePath, const std::string& projectText);

    // The message of a step that ran out of memory: what was not done and
    // "not enough memory". Open, Import and Save end with it instead of
    // ending the program; the document and the files stay as they were.
    static QString NotEnoughMemory(const QString& what);

    // The files Preview created in the preview folder during this run, by
    // name; shut-down removes these and nothing else there.
    const std::set<std::string>& PreviewFiles() const { return m_previewFiles; }

    bool m_bAutoChangeSize = false;

public slots:
    void OnFileNew();
    void OnFileOpen();
    bool OnFileSave();
    bool OnFileSaveAs();
    void OnOpenRecentFile(int index);
    void OnCheckParameters();
    void OnPreview();
    void OnClearMessage();
    void OnAutoChangeSize();
    void OnViewSample();
    // Writes the menu as a page without the applet at path (or, with
    // fragment, only the menu and its style sheet); a failure is reported.
    void ExportHtml5(const QString& path, bool fragment);
    void OnHtml5Runtime();

signals:
    void TitleChanged(const QString& title);
    void ModifiedChanged(bool modified);
    void RecentFilesChanged();
    void AutoChangeSizeChanged(bool on);
    void Html5RuntimeChanged(bool on);
    // The message list shows text (empty: cleared) / gets line added.
    void MessagesChanged(const QString& text);
    void MessageAppended(const QString& line);
    // The report just shown names, by line, the items its warnings are about
    // (null for other lines).
    void ReportItemsShown(const std::vector<const CTavelinItem*>& items);

private:
    QWidget* Owner() const;
    void LoadTemplate(CTemplateStore& store, int index);
    // The project service with the user's options.
    CProjectService Service() const;
    void ShowWarnings(const CProjectResult& result);
    void SetPathName(const QString& pagePath);
    // Stores the property page's input; false when the page refused it.
    bool CommitPropertyPage();
    // Before the model is reset or refilled: no page may still edit it.
    void ReleaseModel();
    // After: the views follow the new model.
    void ModelReplaced();
    // A project or export written into the preview folder may use the files
    // Preview left there: they stay.
    void KeepPreviewFilesFor(const QString& pagePath);
    // An imported project, or one with imported items, saved the first
    // time: their links made to lead from pagePath's folder where they led
    // from their source's; false when no link changed (no step added).
    bool RebaseImportedLinks(const QString& pagePath);
    // The template of a new project; nothing when the user cancelled.
    std::optional<int> ChooseNewTemplate();

    CEditorContext m_ctx;
    IDocumentHost* m_pHost = nullptr;
    bool m_bFirstNew = true;
    QString m_strPathName;
    QString m_strSaveFolder;    // where the first Save As of an unsaved project starts
    QString m_strImportSource;  // the file an unsaved imported project was read from
    // Items imported into the unsaved project, by serial: the file each was read from.
    std::map<std::uint64_t, QString> m_itemSources;
    std::unique_ptr<CRecentFileList> m_pRecent;
    std::set<std::string> m_previewFiles;
};
