// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CModelEditor.h"

#include <optional>
#include <utility>
#include <vector>

#include "CEditCommand.h"
#include "core/model/CItemWalk.h"

namespace {
template <typename T>
using Held = std::shared_ptr<std::unique_ptr<T>>;

template <typename T>
Held<T> Hold(std::unique_ptr<T> object = nullptr)
{
    return std::make_shared<std::unique_ptr<T>>(std::move(object));
}
}  // namespace

CModelEditor::CModelEditor(CAppletParameters& params, QObject* parent) : QObject(parent), m_params(params)
{
}

QString CModelEditor::MergeKey(const void* object, const QString& field)
{
    if (field.isEmpty())
        return QString();
    return QString::number(reinterpret_cast<quintptr>(object), 16) + QLatin1Char('/') + field;
}

void CModelEditor::Push(const QString& name, std::function<void()> redo, std::function<void()> undo,
                        const QString& mergeKey)
{
    auto doRedo = [this, redo = std::move(redo)] {
        redo();
        emit Changed();
    };
    auto doUndo = [this, undo = std::move(undo)] {
        undo();
        emit Changed();
    };
    m_history.push(new CEditCommand(name, std::move(doRedo), std::move(doUndo), mergeKey));
}

void CModelEditor::BeginMacro(const QString& name)
{
    m_history.beginMacro(name);
}

void CModelEditor::EndMacro()
{
    m_history.endMacro();
}

CTavelinItem* CModelEditor::OwnerOf(const CTavelin* menu) const
{
    if (!menu || m_params.IndexOfTopMenu(menu) >= 0)
        return nullptr;
    return CItemWalk::Find(m_params, [menu](const CTavelinItem& item) { return &item.SubMenu() == menu; });
}

// The new menu takes the look (and the name) of the first top-level menu
// that has items.
CTavelin* CModelEditor::AddTopMenu()
{
    auto fresh = std::make_unique<CTavelin>(0, "top-level Tavelina");
    if (const CTavelin* model = m_params.FindMenuAtDepth(0))
        fresh->CopyStyle(*model);
    CTavelin* menu = fresh.get();
    auto hold = Hold(std::move(fresh));
    Push(
        tr("Insert"),
        [this, hold] {
            m_params.m_arrMenus.insert(m_params.m_arrMenus.begin(), std::move(*hold));
            emit TopMenuInserted(0);
        },
        [this, menu, hold] {
            emit TopMenuAboutToBeRemoved(menu);
            *hold = m_params.DetachTopMenu(menu);
        });
    return menu;
}

void CModelEditor::PrepareSubMenu(CTavelinItem* leaf, int nestingDepth)
{
    if (!leaf || leaf->SubMenu().GetItemCount(true) > 0)
        return;
    const CTavelin* source = m_params.FindMenuAtDepth(nestingDepth);
    if (!source)
        source = m_params.FindMenuOfItem(leaf);
    if (source)
        leaf->m_pSubMenu->CopyStyle(*source);
}

CTavelinItem* CModelEditor::InsertItem(CTavelin* menu, CTavelinItem* owner, int nestingDepth,
                                       std::unique_ptr<CTavelinItem> fresh, const QString& name)
{
    if (!menu)
        return nullptr;
    CTavelinItem* item = fresh.get();
    auto hold = Hold(std::move(fresh));
    const bool prepare = owner && owner->m_pSubMenu.get() == menu && menu->GetItemCount(true) == 0;
    const CMenuStyle before = *menu;
    auto prepared = std::make_shared<std::optional<CMenuStyle>>();
    Push(
        name,
        [this, menu, owner, nestingDepth, hold, prepare, prepared] {
            if (prepare && !*prepared) {
                PrepareSubMenu(owner, nestingDepth);
                *prepared = static_cast<const CMenuStyle&>(*menu);
            } else if (prepare) {
                static_cast<CMenuStyle&>(*menu) = **prepared;
            }
            menu->AddItem(std::move(*hold), true);
            emit ItemInserted(menu, owner, 0);
        },
        [this, menu, item, hold, prepare, before] {
            emit ItemAboutToBeRemoved(menu, item);
            *hold = menu->DetachItem(item);
            if (prepare)
                static_cast<CMenuStyle&>(*menu) = before;
            emit ItemRemoved(menu, 0);
        });
    return item;
}

CTavelinItem* CModelEditor::InsertNewItem(CTavelin* menu, CTavelinItem* owner, int nestingDepth)
{
    return InsertItem(menu, owner, nestingDepth, std::make_unique<CTavelinItem>("item"), tr("Insert"));
}

CTavelinItem* CModelEditor::InsertItemCopy(CTavelin* menu, CTavelinItem* owner, int nestingDepth,
                                           const CTavelinItem& source)
{
    return InsertItem(menu, owner, nestingDepth, std::make_unique<CTavelinItem>(source), tr("Paste"));
}

bool CModelEditor::RemoveTopMenu(CTavelin* menu)
{
    const int index = m_params.IndexOfTopMenu(menu);
    if (index < 0)
        return false;
    auto hold = Hold<CTavelin>();
    Push(
        tr("Delete"),
        [this, menu, hold] {
            emit TopMenuAboutToBeRemoved(menu);
            *hold = m_params.DetachTopMenu(menu);
        },
        [this, index, hold] {
            m_params.m_arrMenus.insert(m_params.m_arrMenus.begin() + index, std::move(*hold));
            emit TopMenuInserted(index);
        });
    return true;
}

bool CModelEditor::RemoveItem(CTavelin* menu, CTavelinItem* item)
{
    const int index = menu ? menu->IndexOf(item) : -1;
    if (index < 0)
        return false;
    auto hold = Hold<CTavelinItem>();
    Push(
        tr("Delete"),
        [this, menu, item, index, hold] {
            emit ItemAboutToBeRemoved(menu, item);
            *hold = menu->DetachItem(item);
            emit ItemRemoved(menu, index);
        },
        [this, menu, index, hold] {
            menu->m_arrItems.insert(menu->m_arrItems.begin() + index, std::move(*hold));
            emit ItemInserted(menu, OwnerOf(menu), index);
        });
    return true;
}

bool CModelEditor::SetTopMenuVisible(CTavelin* menu, bool visible)
{
    if (m_params.IndexOfTopMenu(menu) < 0)
        return false;
    const int before = menu->m_bVisible;
    const int after = visible ? 1 : 0;
    auto apply = [this, menu](int value) {
        menu->m_bVisible = value;
        emit TopMenuChanged(menu);
    };
    Push(
        tr("Visible"), [apply, after] { apply(after); }, [apply, before] { apply(before); });
    return true;
}

bool CModelEditor::SetItemVisible(CTavelinItem* item, bool visible)
{
    if (!item)
        return false;
    const int before = item->m_bVisible;
    const int after = visible ? 1 : 0;
    auto apply = [this, item](int value) {
        item->m_bVisible = value;
        emit ItemChanged(item);
    };
    Push(
        tr("Visible"), [apply, after] { apply(after); }, [apply, before] { apply(before); });
    return true;
}

bool CModelEditor::MoveTopMenu(CTavelin* menu, bool up)
{
    const int from = m_params.IndexOfTopMenu(menu);
    const int to = up ? from - 1 : from + 1;
    if (from < 0 || to < 0 || to >= static_cast<int>(m_params.m_arrMenus.size()))
        return false;
    auto move = [this, menu](bool moveUp, int a, int b) {
        moveUp ? m_params.MoveTopMenuUp(menu) : m_params.MoveTopMenuDown(menu);
        emit TopMenuMoved(menu, a, b);
    };
    Push(
        up ? tr("Move Up") : tr("Move Down"), [move, up, from, to] { move(up, from, to); },
        [move, up, from, to] { move(!up, to, from); });
    return true;
}

bool CModelEditor::MoveItem(CTavelin* menu, CTavelinItem* item, bool up)
{
    const int from = menu ? menu->IndexOf(item) : -1;
    const int to = up ? from - 1 : from + 1;
    if (from < 0 || to < 0 || to >= menu->GetItemCount(true))
        return false;
    auto move = [this, menu, item](bool moveUp, int a, int b) {
        moveUp ? menu->MoveItemUp(item) : menu->MoveItemDown(item);
        emit ItemMoved(menu, a, b);
    };
    Push(
        up ? tr("Move Up") : tr("Move Down"), [move, up, from, to] { move(up, from, to); },
        [move, up, from, to] { move(!up, to, from); });
    return true;
}

void CModelEditor::SetAppletSettings(const CAppletSettings& settings, const QString& name, const QString& field)
{
    const CAppletSettings before = m_params;
    if (before == settings)
        return;
    auto apply = [this](const CAppletSettings& value) {
        static_cast<CAppletSettings&>(m_params) = value;
        emit AppletChanged();
    };
    Push(
        name.isEmpty() ? tr("Properties") : name, [apply, settings] { apply(settings); },
        [apply, before] { apply(before); }, MergeKey(&m_params, field));
}

void CModelEditor::SetItemFields(CTavelinItem* item, const CItemFields& fields, const QString& name,
                                 const QString& field)
{
    if (!item || static_cast<const CItemFields&>(*item) == fields)
        return;
    const CItemFields before = *item;
    auto apply = [this, item](const CItemFields& value) {
        static_cast<CItemFields&>(*item) = value;
        emit ItemChanged(item);
    };
    Push(
        name.isEmpty() ? tr("Properties") : name, [apply, fields] { apply(fields); },
        [apply, before] { apply(before); }, MergeKey(item, field));
}

void CModelEditor::SetMenuStyle(CTavelin* menu, const CMenuStyle& style, const QString& name, const QString& field)
{
    if (!menu || static_cast<const CMenuStyle&>(*menu) == style)
        return;
    const CMenuStyle before = *menu;
    auto apply = [this, menu](const CMenuStyle& value) {
        static_cast<CMenuStyle&>(*menu) = value;
        emit MenuStyleChanged(menu);
    };
    Push(
        name.isEmpty() ? tr("Properties") : name, [apply, style] { apply(style); }, [apply, before] { apply(before); },
        MergeKey(menu, field));
}

void CModelEditor::ApplyToScope(CTavelinItem* item, Scope scope, const QString& name,
                                const std::function<void(CItemFields&)>& change)
{
    std::vector<CTavelinItem*> targets;
    if (scope == Scope::Item) {
        targets.push_back(item);
    } else if (scope == Scope::Menu) {
        if (CTavelin* menu = m_params.FindMenuOfItem(item))
            for (auto& sibling : menu->m_arrItems)
                targets.push_back(sibling.get());
    } else if (scope == Scope::Model) {
        CItemWalk::ForEachToChange(m_params, [&targets](CTavelinItem& each) { targets.push_back(&each); });
    }
    std::vector<CItemFields> before, after;
    for (CTavelinItem* target : targets) {
        before.push_back(*target);
        after.push_back(*target);
        change(after.back());
    }
    if (before == after)
        return;
    auto apply = [this, targets](const std::vector<CItemFields>& values) {
        for (size_t i = 0; i < targets.size(); ++i)
            static_cast<CItemFields&>(*targets[i]) = values[i];
        emit ItemsChanged();
    };
    Push(
        name, [apply, after] { apply(after); }, [apply, before] { apply(before); });
}

void CModelEditor::ApplyImages(CTavelinItem* item, Scope scope, const std::string& normal, const std::string& over,
                               const std::string& click)
{
    if (!item)
        return;
    // One copy of each path, which every item of the scope shares.
    const CSharedText normalPath(normal), overPath(over), clickPath(click);
    ApplyToScope(item, scope, tr("Image"), [&](CItemFields& f) {
        f.m_strNormalImage = normalPath;
        f.m_strOverImage = overPath;
        f.m_strClickImage = clickPath;
    });
}

void CModelEditor::ApplyAudio(CTavelinItem* item, Scope scope, const std::string& over, const std::string& click)
{
    if (!item)
        return;
    const CSharedText overPath(over), clickPath(click);
    ApplyToScope(item, scope, tr("Audio"), [&](CItemFields& f) {
        f.m_strOverAudio = overPath;
        f.m_strClickAudio = clickPath;
    });
}

// The views rebuild first: clearing the history announces its new state,
// and whoever asks then must no longer reach objects of the old model.
void CModelEditor::NotifyReset()
{
    emit ModelReset();
    m_history.clear();
}
