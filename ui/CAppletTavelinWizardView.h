#pragma once

#include <QTreeWidget>
#include <memory>

#include "editor/CEditorContext.h"

class CAppletTavelinWizardDoc;
class CPropertyFrame;
class CTavelin;
class CTavelinItem;
class CTreeNodeMap;
class QAction;
class QMenu;

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

    explicit CAppletTavelinWizardView(const CEditorContext& context, QWidget* parent = nullptr);
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

    // --- nodes and the model objects behind them ---------------------------
    static int ItemImage(const CTavelinItem* item);
    CTavelinItem* ItemOf(const QTreeWidgetItem* node) const;      // item nodes only
    CTavelin* TopMenuOf(const QTreeWidgetItem* node) const;       // top-level menu nodes only
    // The menu whose items include the item of node: the parent's top-level
    // menu or the parent item's sub-menu; null for other nodes.
    CTavelin* MenuHolding(const QTreeWidgetItem* node) const;
    bool IsDescendant(const QTreeWidgetItem* node, const QTreeWidgetItem* ancestor) const;

    // --- clipboard and drag and drop ---------------------------------------
    // Puts a deep copy of item at the front of target's items and selects it;
    // false when target takes no items or the nesting would grow too deep.
    bool PasteItemUnder(QTreeWidgetItem* target, const CTavelinItem& item);
    // Takes the item of node out of the model (cut, moving drop).
    void RemoveItemNode(QTreeWidgetItem* node);
    bool CanDragNode(const QTreeWidgetItem* node) const;
    bool CanDropOn(const QTreeWidgetItem* dragged, const QTreeWidgetItem* target, bool ctrl) const;
    // A drop of dragged on target: a copy with ctrl, a move without. False
    // when refused.
    bool DropNode(QTreeWidgetItem* dragged, QTreeWidgetItem* target, bool ctrl);
    QTreeWidgetItem* DropHighlight() const { return m_hDropHighlight; }
    // The format of the (empty) data that a drag out of this view carries.
    static QString DragMimeType();

    // --- context menu --------------------------------------------------------
    QMenu* ContextMenu() const { return m_pContextMenu; }
    // Applies the enable and check rules and pops the context menu up.
    void OpenContextMenu(const QPoint& globalPos);

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
    void contextMenuEvent(QContextMenuEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override;

    CEditorContext m_ctx;
    CPropertyFrame* m_pPropertyFrame = nullptr;
    CAppletTavelinWizardDoc* m_pDoc = nullptr;
    // The node being dragged out of this view; null when no drag runs.
    QTreeWidgetItem* m_hDragItem = nullptr;

private slots:
    void OnCurrentNodeChanged();
    void OnTopMenuInserted(int index);
    void OnTopMenuAboutToBeRemoved(CTavelin* menu);
    void OnTopMenuMoved(CTavelin* menu, int from, int to);
    void OnItemInserted(CTavelin* menu, CTavelinItem* owner, int index);
    void OnItemAboutToBeRemoved(CTavelin* menu, CTavelinItem* item);
    void OnItemRemoved(CTavelin* menu, int index);
    void OnItemMoved(CTavelin* menu, int from, int to);
    void OnTopMenuChanged(CTavelin* menu);
    void OnItemChanged(CTavelinItem* item);
    void OnAppletChanged();

private:
    void ConnectEditor();
    void CreateContextMenu();
    QTreeWidgetItem* SelectedNode() const { return currentItem(); }
    void MarkModified();
    void Move(bool up);
    void RemoveFromParent(QTreeWidgetItem* node);
    void RemoveNode(QTreeWidgetItem* node);
    void ReplaceMovedNode(QTreeWidgetItem* old, QTreeWidgetItem* fresh, int from, int to);
    void RefreshItemImage(QTreeWidgetItem* node);
    bool CopySelection();
    bool CheckNesting(const QTreeWidgetItem* target, int itemLevels);
    void ShowPropertyFor(QTreeWidgetItem* node);
    void PlacePropertyFrame();
    bool UpdateDropState(QDragMoveEvent* event);
    void SetDropHighlight(QTreeWidgetItem* node);
    bool IsDragOfThisView(const QDropEvent* event) const;

    std::unique_ptr<CTreeNodeMap> m_pNodes;
    QMenu* m_pContextMenu = nullptr;
    QAction* m_pActProperty = nullptr;
    QAction* m_pActVisible = nullptr;
    QAction* m_pActMoveUp = nullptr;
    QAction* m_pActMoveDown = nullptr;
    QTreeWidgetItem* m_hDropHighlight = nullptr;
    bool m_bRebuilding = false;
    // Property hid the frame for a top-level menu; selecting another node
    // shows it again.
    bool m_bFrameHiddenForMenu = false;
};
