#include "CTavelinItem.h"

#include "CTavelin.h"

CTavelinItem::CTavelinItem(const std::string& label)
    : m_pSubMenu(std::make_unique<CTavelin>(0, "Menu"))
{
    m_strLabel = label;
}

CTavelinItem::CTavelinItem(const CTavelinItem& other)
    : CItemFields(other), m_pSubMenu(std::make_unique<CTavelin>(*other.m_pSubMenu))
{
}

CTavelinItem::~CTavelinItem() = default;

void CTavelinItem::SetSubMenu(std::unique_ptr<CTavelin> menu)
{
    if (menu)
        m_pSubMenu = std::move(menu);
}

std::unique_ptr<CTavelin> CTavelinItem::TakeSubMenu()
{
    auto old = std::move(m_pSubMenu);
    m_pSubMenu = std::make_unique<CTavelin>(0, "Menu");
    return old;
}
