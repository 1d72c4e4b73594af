// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QUndoStack>
#include <functional>
#include <memory>
#include <string>

#include "core/model/CAppletParameters.h"

// The one door through which the editor changes the model. The tree view's
// structure commands, the property pages and their dialogs all call these
// operations instead of writing into the model; every operation becomes one
// step of the edit history and announces what it changed, so that the views
// follow on do, undo and redo alike. Reading the model directly is fine;
// writing it is not. Objects taken out of the model stay alive inside the
// history, so a pointer to a model object keeps naming the same object
// through undo and redo.
class CModelEditor : public QObject {
    Q_OBJECT
public:
    explicit CModelEditor(CAppletParameters& params, QObject* parent = nullptr);

    CAppletParameters& Params() const { return m_params; }

    // The items media files go to (the "Apply to" choice): None changes nothing.
    enum class Scope {
        None = -1,
        Item = 0,   // this item only
        Menu = 1,   // every item of its menu
        Model = 2,  // every item
    };

    // --- structure --------------------------------------------------------
    // A new top-level menu at the front, looking like the first top-level
    // menu that has items.
    CTavelin* AddTopMenu();
    // A new "item" at the front of menu. owner is the item whose sub-menu
    // menu is (null for a top-level menu); when owner is a leaf, its empty
    // sub-menu first takes the look of its future siblings (PrepareSubMenu)
    // from the first non-empty menu at nestingDepth, else from the menu that
    // holds owner.
    CTavelinItem* InsertNewItem(CTavelin* menu, CTavelinItem* owner, int nestingDepth);
    // A deep copy of source at the front of menu (same rules as above).
    CTavelinItem* InsertItemCopy(CTavelin* menu, CTavelinItem* owner, int nestingDepth, const CTavelinItem& source);
    bool RemoveTopMenu(CTavelin* menu);
    bool RemoveItem(CTavelin* menu, CTavelinItem* item);
    bool SetTopMenuVisible(CTavelin* menu, bool visible);
    bool SetItemVisible(CTavelinItem* item, bool visible);
    bool MoveTopMenu(CTavelin* menu, bool up);
    bool MoveItem(CTavelin* menu, CTavelinItem* item, bool up);
    void PrepareSubMenu(CTavelinItem* leaf, int nestingDepth);

    // --- properties -------------------------------------------------------
    // A store that changes nothing adds no step and announces nothing. field
    // names the one field a store changes (empty: any number of them); a store
    // to the same field of the same object as the step before joins that step.
    void SetAppletSettings(const CAppletSettings& settings, const QString& name = QString(),
                           const QString& field = QString());
    void SetItemFields(CTavelinItem* item, const CItemFields& fields, const QString& name = QString(),
                       const QString& field = QString());
    void SetMenuStyle(CTavelin* menu, const CMenuStyle& style, const QString& name = QString(),
                      const QString& field = QString());
    void ApplyImages(CTavelinItem* item, Scope scope, const std::string& normal, const std::string& over,
                     const std::string& click);
    void ApplyAudio(CTavelinItem* item, Scope scope, const std::string& over, const std::string& click);

    // The whole model was reset and refilled (new, open): the history is
    // cleared and the views rebuild.
    void NotifyReset();

    // --- history ----------------------------------------------------------
    QUndoStack& History() { return m_history; }
    // Groups the following operations into one step named name.
    void BeginMacro(const QString& name);
    void EndMacro();
    // The item whose sub-menu menu is; null for a top-level menu.
    CTavelinItem* OwnerOf(const CTavelin* menu) const;

signals:
    void TopMenuInserted(int index);
    void TopMenuAboutToBeRemoved(CTavelin* menu);
    void TopMenuMoved(CTavelin* menu, int from, int to);
    void ItemInserted(CTavelin* menu, CTavelinItem* owner, int index);
    void ItemAboutToBeRemoved(CTavelin* menu, CTavelinItem* item);
    void ItemRemoved(CTavelin* menu, int index);
    void ItemMoved(CTavelin* menu, int from, int to);
    void TopMenuChanged(CTavelin* menu);   // visibility
    void ItemChanged(CTavelinItem* item);  // fields, visibility
    void MenuStyleChanged(CTavelin* menu);
    void AppletChanged();
    void ItemsChanged();  // media applied to many items
    void ModelReset();
    void Changed();  // after every change above

private:
    void Push(const QString& name, std::function<void()> redo, std::function<void()> undo,
              const QString& mergeKey = QString());
    // The key under which stores to field of object merge (empty for none).
    static QString MergeKey(const void* object, const QString& field);
    CTavelinItem* InsertItem(CTavelin* menu, CTavelinItem* owner, int nestingDepth, std::unique_ptr<CTavelinItem> fresh,
                             const QString& name);
    void ApplyToScope(CTavelinItem* item, Scope scope, const QString& name,
                      const std::function<void(CItemFields&)>& change);

    CAppletParameters& m_params;
    QUndoStack m_history;
};
