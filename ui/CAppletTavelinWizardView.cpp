#include "CAppletTavelinWizardView.h"

// Placeholder until the tree view lands.
CAppletTavelinWizardView::CAppletTavelinWizardView(QWidget* parent) : QTreeWidget(parent) {}
CAppletTavelinWizardView::~CAppletTavelinWizardView() = default;
void CAppletTavelinWizardView::SetDocument(CAppletTavelinWizardDoc* doc) { m_pDoc = doc; }
void CAppletTavelinWizardView::RebuildTree() {}
int CAppletTavelinWizardView::GetNodeKind(const QTreeWidgetItem*) const { return KindRoot; }
int CAppletTavelinWizardView::GetNodeDepth(const QTreeWidgetItem*) const { return 0; }
int CAppletTavelinWizardView::NodeImage(const QTreeWidgetItem*) const { return 0; }
QTreeWidgetItem* CAppletTavelinWizardView::RootNode() const { return nullptr; }
QTreeWidgetItem* CAppletTavelinWizardView::NodeOf(const CTavelinItem*) const { return nullptr; }
QTreeWidgetItem* CAppletTavelinWizardView::NodeOf(const CTavelin*) const { return nullptr; }
CTavelin* CAppletTavelinWizardView::GetSelectedItemMenu() const { return nullptr; }
bool CAppletTavelinWizardView::CanProperty() const { return false; }
bool CAppletTavelinWizardView::CanVisible() const { return false; }
bool CAppletTavelinWizardView::IsVisibleChecked() const { return false; }
bool CAppletTavelinWizardView::CanMove() const { return false; }
bool CAppletTavelinWizardView::CanCutCopy() const { return false; }
bool CAppletTavelinWizardView::CanPaste() const { return false; }
void CAppletTavelinWizardView::OnProperty() {}
void CAppletTavelinWizardView::OnInsert() {}
void CAppletTavelinWizardView::OnDelete() {}
void CAppletTavelinWizardView::OnVisible() {}
void CAppletTavelinWizardView::OnMoveUp() {}
void CAppletTavelinWizardView::OnMoveDown() {}
void CAppletTavelinWizardView::OnEditCut() {}
void CAppletTavelinWizardView::OnEditCopy() {}
void CAppletTavelinWizardView::OnEditPaste() {}
