#pragma once

#include <QTreeWidget>

class CAppletTavelinWizardDoc;
class CPropertyFrame;
class CTavelin;
class CTavelinItem;

// The menu tree: the applet root, top-level menus, items with sub-items and
// leaf items. It mirrors the model, runs the structure commands (through
// CModelEditor) and patches itself from the editor's signals; the whole
// tree is rebuilt only for a new or opened model. It owns the property frame.
class CAppletTavelinWizardView : public QTreeWidget {
    Q_OBJECT
public:
    // Node kinds as read back from a node's picture.
    enum NodeKind { KindNone = -1, KindRoot = 0, KindTopMenu = 1, KindItem = 3, KindLeaf = 5 };
    // Picture indices: 0 root, 1/2 top-level menu shown/hidden, 3/4 item with
    // sub-items shown/hidden, 5/6 leaf shown/hidden.
    static constexpr int kImageCount = 7;

    explicit CAppletTavelinWizardView(QWidget* parent = nullptr);
    ~CAppletTavelinWizardView() override;

    void SetDocument(CAppletTavelinWizardDoc* doc);

    void RebuildTree();
    int GetNodeKind(const QTreeWidgetItem* node) const;   // no node: KindRoot
    int GetNodeDepth(const QTreeWidgetItem* node) const;
    int NodeImage(const QTreeWidgetItem* node) const;
    QTreeWidgetItem* RootNode() const;
    QTreeWidgetItem* NodeOf(const CTavelinItem* item) const;
    QTreeWidgetItem* NodeOf(const CTavelin* topMenu) const;
    // The menu that directly holds the selected item; null when no item is selected.
    CTavelin* GetSelectedItemMenu() const;

    CPropertyFrame* PropertyFrame() const { return m_pPropertyFrame; }

    // Enable and check rules of the commands, for the frame's actions.
    bool CanProperty() const;
    bool CanVisible() const;
    bool IsVisibleChecked() const;
    bool CanMove() const;
    bool CanCutCopy() const;
    bool CanPaste() const;

public slots:
    void OnProperty();
    void OnInsert();
    void OnDelete();
    void OnVisible();
    void OnMoveUp();
    void OnMoveDown();
    void OnEditCut();
    void OnEditCopy();
    void OnEditPaste();

signals:
    // The enable or check state of a command may have changed.
    void CommandStateChanged();

protected:
    CPropertyFrame* m_pPropertyFrame = nullptr;
    CAppletTavelinWizardDoc* m_pDoc = nullptr;
};
