#pragma once

#include <QObject>
#include <QString>

class CAppletTavelinWizardView;
class CWizardInfoView;

// The single document: ties new, open, save and the recent files to the
// model (held by the application object), and carries the commands of the
// File, Build, Options and Help menus. It holds no project data itself.
class CAppletTavelinWizardDoc : public QObject {
    Q_OBJECT
public:
    explicit CAppletTavelinWizardDoc(QObject* parent = nullptr);
    ~CAppletTavelinWizardDoc() override;

    void SetViews(CAppletTavelinWizardView* tree, CWizardInfoView* info);
    CAppletTavelinWizardView* TreeView() const { return m_pTreeView; }
    CWizardInfoView* InfoView() const { return m_pInfoView; }

    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool modified = true);
    QString PathName() const { return m_strPathName; }
    QString Title() const;

    // The document steps; each returns what the framework step returns.
    bool OnNewDocument();
    bool OnOpenDocument(const QString& pagePath);
    bool OnSaveDocument(const QString& pagePath);
    // Offers to save a modified project; false when the user cancelled.
    bool SaveModified();

    bool m_bAutoChangeSize = false;

public slots:
    void OnFileNew();
    void OnFileOpen();
    bool OnFileSave();
    bool OnFileSaveAs();
    void OnFileSaveAsTemplate();
    void OnCheckParameters();
    void OnBuildHtml();
    void OnPreview();
    void OnClearMessage();
    void OnWebBrowser();
    void OnManageTemplates();
    void OnAutoChangeSize();
    void OnViewSample();

signals:
    void TitleChanged(const QString& title);
    void ModifiedChanged(bool modified);
    void RecentFilesChanged();

private:
    CAppletTavelinWizardView* m_pTreeView = nullptr;
    CWizardInfoView* m_pInfoView = nullptr;
    bool m_bModified = false;
    QString m_strPathName;
};
