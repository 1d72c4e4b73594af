#include "CModelEditor.h"

CModelEditor::CModelEditor(CAppletParameters& params, QObject* parent)
    : QObject(parent), m_params(params)
{
}

CTavelin* CModelEditor::AddTopMenu()
{
    CTavelin* menu = m_params.AddTopMenu();
    emit TopMenuInserted(0);
    emit Changed();
    return menu;
}

void CModelEditor::PrepareSubMenu(CTavelinItem* leaf, int nestingDepth)
{
    if (!leaf || leaf->m_pSubMenu->GetItemCount(true) > 0)
        return;
    const CTavelin* source = m_params.FindMenuAtDepth(nestingDepth);
    if (!source)
        source = m_params.FindMenuOfItem(leaf);
    if (source)
        leaf->m_pSubMenu->CopyStyle(*source);
}

CTavelinItem* CModelEditor::InsertNewItem(CTavelin* menu, CTavelinItem* owner, int nestingDepth)
{
    if (!menu)
        return nullptr;
    if (owner && owner->m_pSubMenu.get() == menu)
        PrepareSubMenu(owner, nestingDepth);
    CTavelinItem* item = menu->InsertNewItem();
    emit ItemInserted(menu, owner, 0);
    emit Changed();
    return item;
}

CTavelinItem* CModelEditor::InsertItemCopy(CTavelin* menu, CTavelinItem* owner, int nestingDepth,
                                           const CTavelinItem& source)
{
    if (!menu)
        return nullptr;
    if (owner && owner->m_pSubMenu.get() == menu)
        PrepareSubMenu(owner, nestingDepth);
    CTavelinItem* item = menu->InsertItemCopy(&source);
    emit ItemInserted(menu, owner, 0);
    emit Changed();
    return item;
}

bool CModelEditor::RemoveTopMenu(CTavelin* menu)
{
    if (m_params.IndexOfTopMenu(menu) < 0)
        return false;
    emit TopMenuAboutToBeRemoved(menu);
    m_params.RemoveTopMenu(menu);
    emit Changed();
    return true;
}

bool CModelEditor::RemoveItem(CTavelin* menu, CTavelinItem* item)
{
    if (!menu || menu->IndexOf(item) < 0)
        return false;
    const int index = menu->IndexOf(item);
    emit ItemAboutToBeRemoved(menu, item);
    menu->RemoveItem(item);
    emit ItemRemoved(menu, index);
    emit Changed();
    return true;
}

bool CModelEditor::SetTopMenuVisible(CTavelin* menu, bool visible)
{
    if (m_params.IndexOfTopMenu(menu) < 0)
        return false;
    menu->m_bVisible = visible ? 1 : 0;
    emit TopMenuChanged(menu);
    emit Changed();
    return true;
}

bool CModelEditor::SetItemVisible(CTavelinItem* item, bool visible)
{
    if (!item)
        return false;
    item->m_bVisible = visible ? 1 : 0;
    emit ItemChanged(item);
    emit Changed();
    return true;
}

bool CModelEditor::MoveTopMenu(CTavelin* menu, bool up)
{
    const int from = m_params.IndexOfTopMenu(menu);
    const bool moved = up ? m_params.MoveTopMenuUp(menu) : m_params.MoveTopMenuDown(menu);
    if (!moved)
        return false;
    emit TopMenuMoved(menu, from, up ? from - 1 : from + 1);
    emit Changed();
    return true;
}

bool CModelEditor::MoveItem(CTavelin* menu, CTavelinItem* item, bool up)
{
    if (!menu)
        return false;
    const int from = menu->IndexOf(item);
    const bool moved = up ? menu->MoveItemUp(item) : menu->MoveItemDown(item);
    if (!moved)
        return false;
    emit ItemMoved(menu, from, up ? from - 1 : from + 1);
    emit Changed();
    return true;
}

void CModelEditor::SetAppletSettings(const CAppletSettings& settings)
{
    static_cast<CAppletSettings&>(m_params) = settings;
    emit AppletChanged();
    emit Changed();
}

void CModelEditor::SetItemFields(CTavelinItem* item, const CItemFields& fields)
{
    if (!item)
        return;
    static_cast<CItemFields&>(*item) = fields;
    emit ItemChanged(item);
    emit Changed();
}

void CModelEditor::SetMenuStyle(CTavelin* menu, const CMenuStyle& style)
{
    if (!menu)
        return;
    static_cast<CMenuStyle&>(*menu) = style;
    emit MenuStyleChanged(menu);
    emit Changed();
}

void CModelEditor::ApplyImages(CTavelinItem* item, int scope, const std::string& normal,
                               const std::string& over, const std::string& click)
{
    if (!item)
        return;
    if (scope == 0) {
        item->m_strNormalImage = normal;
        item->m_strOverImage = over;
        item->m_strClickImage = click;
    } else if (scope == 1) {
        CTavelin* menu = m_params.FindMenuOfItem(item);
        if (!menu)
            return;
        CAppletParameters::ApplyImagesToMenu(normal, over, click, menu, false);
    } else if (scope == 2) {
        for (auto& menu : m_params.m_arrMenus)
            CAppletParameters::ApplyImagesToMenu(normal, over, click, menu.get(), true);
    } else {
        return;
    }
    emit ItemsChanged();
    emit Changed();
}

void CModelEditor::ApplyAudio(CTavelinItem* item, int scope, const std::string& over,
                              const std::string& click)
{
    if (!item)
        return;
    if (scope == 0) {
        item->m_strOverAudio = over;
        item->m_strClickAudio = click;
    } else if (scope == 1) {
        CTavelin* menu = m_params.FindMenuOfItem(item);
        if (!menu)
            return;
        CAppletParameters::ApplyAudioToMenu(over, click, menu, false);
    } else if (scope == 2) {
        for (auto& menu : m_params.m_arrMenus)
            CAppletParameters::ApplyAudioToMenu(over, click, menu.get(), true);
    } else {
        return;
    }
    emit ItemsChanged();
    emit Changed();
}

void CModelEditor::NotifyReset()
{
    emit ModelReset();
}
