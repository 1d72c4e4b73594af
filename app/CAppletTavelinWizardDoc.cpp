#include "CAppletTavelinWizardDoc.h"

// Placeholder until the document lands.
CAppletTavelinWizardDoc::CAppletTavelinWizardDoc(QObject* parent) : QObject(parent) {}
CAppletTavelinWizardDoc::~CAppletTavelinWizardDoc() = default;
void CAppletTavelinWizardDoc::SetViews(CAppletTavelinWizardView* tree, CWizardInfoView* info)
{
    m_pTreeView = tree;
    m_pInfoView = info;
}
void CAppletTavelinWizardDoc::SetModifiedFlag(bool modified)
{
    m_bModified = modified;
}
QString CAppletTavelinWizardDoc::Title() const
{
    return QStringLiteral("Untitled");
}
bool CAppletTavelinWizardDoc::OnNewDocument() { return true; }
bool CAppletTavelinWizardDoc::OnOpenDocument(const QString&) { return false; }
bool CAppletTavelinWizardDoc::OnSaveDocument(const QString&) { return false; }
bool CAppletTavelinWizardDoc::SaveModified() { return true; }
void CAppletTavelinWizardDoc::OnFileNew() {}
void CAppletTavelinWizardDoc::OnFileOpen() {}
bool CAppletTavelinWizardDoc::OnFileSave() { return false; }
bool CAppletTavelinWizardDoc::OnFileSaveAs() { return false; }
void CAppletTavelinWizardDoc::OnFileSaveAsTemplate() {}
void CAppletTavelinWizardDoc::OnCheckParameters() {}
void CAppletTavelinWizardDoc::OnBuildHtml() {}
void CAppletTavelinWizardDoc::OnPreview() {}
void CAppletTavelinWizardDoc::OnClearMessage() {}
void CAppletTavelinWizardDoc::OnWebBrowser() {}
void CAppletTavelinWizardDoc::OnManageTemplates() {}
void CAppletTavelinWizardDoc::OnAutoChangeSize() {}
void CAppletTavelinWizardDoc::OnViewSample() {}
