#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <string>

class CAppletTavelinWizardView;
class CRecentFileList;
class CWizardInfoView;
class QWidget;

// The single document: ties new, open, save and the recent files to the
// model (held by the application object), and carries the commands of the
// File, Build, Options and Help menus. It holds no project data itself: a
// project is the HTML page (the document's path) and the ".tvx" file beside it.
class CAppletTavelinWizardDoc : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kNotOurFile =
        "This File is not saved by Applet Tavelin Wizard!\nSystem can't open it.";
    static constexpr const char* kOpenFilter = "HTML Files(*.htm,*.html) (*.htm *.html)";
    static constexpr const char* kSaveFilter = "Applet Tavelina Wizard Saved HTML(*.htm) (*.htm)";

    explicit CAppletTavelinWizardDoc(QObject* parent = nullptr);
    ~CAppletTavelinWizardDoc() override;

    // The main window hands over its two panes when it makes them, so the
    // document knows them before its first new or open.
    void SetViews(CAppletTavelinWizardView* tree, CWizardInfoView* info);
    CAppletTavelinWizardView* TreeView() const { return m_pTreeView; }
    CWizardInfoView* InfoView() const { return m_pInfoView; }

    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool modified = true);
    QString PathName() const { return m_strPathName; }
    // The page's file name, or "Untitled" for a project not saved yet.
    QString Title() const;
    QStringList RecentFiles() const;

    // The framework's cycle: each offers to save first where a project would
    // be replaced, then runs the document step and updates path and views.
    bool NewDocument();
    bool OpenDocumentFile(const QString& pagePath);
    bool DoSave(const QString& pagePath);

    // The document steps; each returns what the framework step returns.
    bool OnNewDocument();
    bool OnOpenDocument(const QString& pagePath);
    bool OnSaveDocument(const QString& pagePath);
    // Offers to save a modified project; false when the user cancelled.
    bool SaveModified();
    // Opens unsaved work kept in a recovery copy: the project text replaces
    // the model, which stays modified and keeps its page path.
    bool OpenRecovered(const QString& pagePath, const std::string& projectText);

    bool m_bAutoChangeSize = false;

public slots:
    void OnFileNew();
    void OnFileOpen();
    bool OnFileSave();
    bool OnFileSaveAs();
    void OnFileSaveAsTemplate();
    void OnOpenRecentFile(int index);
    void OnCheckParameters();
    void OnBuildHtml();
    void OnPreview();
    void OnClearMessage();
    void OnWebBrowser();
    void OnManageTemplates();
    void OnAutoChangeSize();
    void OnViewSample();
    void OnExportHtml5();
    void OnHtml5Runtime();
    void OnAutoSaveOptions();

signals:
    void TitleChanged(const QString& title);
    void ModifiedChanged(bool modified);
    void RecentFilesChanged();
    void AutoChangeSizeChanged(bool on);
    void Html5RuntimeChanged(bool on);

private:
    QWidget* Owner() const;
    void SetPathName(const QString& pagePath);
    // Stores the property page's input; false when the page refused it.
    bool CommitPropertyPage();
    // Before the model is reset or refilled: no page may still edit it.
    void ReleaseModel();
    // After: the views follow the new model.
    void ModelReplaced();

    CAppletTavelinWizardView* m_pTreeView = nullptr;
    CWizardInfoView* m_pInfoView = nullptr;
    bool m_bModified = false;
    QString m_strPathName;
    std::unique_ptr<CRecentFileList> m_pRecent;
};
