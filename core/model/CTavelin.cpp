// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CTavelin.h"

#include <utility>

#include "CArchive.h"

CTavelin::CTavelin(int itemCount, const std::string& name)
{
    m_strName = name;
    SetItemCount(itemCount, false);
}

CTavelin::CTavelin(const CTavelin& other)  // NOLINT(bugprone-copy-constructor-init): CopyStyle copies the base
{
    CopyStyle(other);
    m_bVisible = other.m_bVisible;
    m_arrItems.reserve(other.m_arrItems.size());
    for (const auto& item : other.m_arrItems)
        m_arrItems.push_back(std::make_unique<CTavelinItem>(*item));
}

CTavelin::~CTavelin()
{
    RemoveAllItems();
}

bool CTavelin::SetItemCount(int count, bool keep)
{
    if (!keep)
        RemoveAllItems();
    const int n = GetItemCount(true);
    if (count > n) {
        for (int i = n + 1; i <= count; ++i)
            m_arrItems.push_back(std::make_unique<CTavelinItem>("item" + std::to_string(i)));
    } else {
        while (GetItemCount(true) > count && count >= 0)
            RemoveItemAt(GetItemCount(true) - 1);
    }
    return true;
}

int CTavelin::GetItemCount(bool all) const
{
    if (all)
        return static_cast<int>(m_arrItems.size());
    int n = 0;
    for (const auto& item : m_arrItems)
        n += item->m_bVisible != 0;
    return n;
}

CTavelinItem* CTavelin::GetItem(int index) const
{
    if (index < 0 || index >= GetItemCount(true))
        return nullptr;
    return m_arrItems[static_cast<size_t>(index)].get();
}

int CTavelin::IndexOf(const CTavelinItem* item) const
{
    for (size_t i = 0; i < m_arrItems.size(); ++i)
        if (m_arrItems[i].get() == item)
            return static_cast<int>(i);
    return -1;
}

CTavelinItem* CTavelin::InsertNewItem()
{
    m_arrItems.insert(m_arrItems.begin(), std::make_unique<CTavelinItem>("item"));
    return m_arrItems.front().get();
}

bool CTavelin::AddItem(std::unique_ptr<CTavelinItem> item, bool atFront)
{
    if (!item)
        return false;
    if (atFront)
        m_arrItems.insert(m_arrItems.begin(), std::move(item));
    else
        m_arrItems.push_back(std::move(item));
    return true;
}

CTavelinItem* CTavelin::InsertItemCopy(const CTavelinItem* item)
{
    if (!item)
        return nullptr;
    m_arrItems.insert(m_arrItems.begin(), std::make_unique<CTavelinItem>(*item));
    return m_arrItems.front().get();
}

void CTavelin::CopyStyle(const CTavelin& other)
{
    static_cast<CMenuStyle&>(*this) = other;
}

// Tears the subtree down without recursion, so that a very deep tree cannot
// exhaust the stack: every item is emptied of its sub-menu's items before it
// is destroyed.
bool CTavelin::RemoveAllItems()
{
    std::vector<std::unique_ptr<CTavelinItem>> pending = std::move(m_arrItems);
    m_arrItems.clear();
    while (!pending.empty()) {
        std::unique_ptr<CTavelinItem> item = std::move(pending.back());
        pending.pop_back();
        if (CTavelin* sub = item ? item->OwnSubMenu() : nullptr) {
            auto& children = sub->m_arrItems;
            for (auto& child : children)
                pending.push_back(std::move(child));
            children.clear();
        }
    }
    return true;
}

bool CTavelin::RemoveItemAt(int index)
{
    auto item = DetachItem(GetItem(index));
    if (!item)
        return false;
    if (CTavelin* sub = item->OwnSubMenu())
        sub->RemoveAllItems();
    return true;
}

bool CTavelin::RemoveItem(const CTavelinItem* item)
{
    return RemoveItemAt(IndexOf(item));
}

std::unique_ptr<CTavelinItem> CTavelin::DetachItem(const CTavelinItem* item)
{
    const int index = item ? IndexOf(item) : -1;
    if (index < 0)
        return nullptr;
    auto owned = std::move(m_arrItems[static_cast<size_t>(index)]);
    m_arrItems.erase(m_arrItems.begin() + index);
    return owned;
}

bool CTavelin::MoveItemUp(int index)
{
    if (index < 1 || index >= GetItemCount(true))
        return false;
    std::swap(m_arrItems[static_cast<size_t>(index)], m_arrItems[static_cast<size_t>(index - 1)]);
    return true;
}

bool CTavelin::MoveItemUp(const CTavelinItem* item)
{
    return MoveItemUp(IndexOf(item));
}

bool CTavelin::MoveItemDown(int index)
{
    if (index < 0 || index >= GetItemCount(true) - 1)
        return false;
    std::swap(m_arrItems[static_cast<size_t>(index)], m_arrItems[static_cast<size_t>(index + 1)]);
    return true;
}

bool CTavelin::MoveItemDown(const CTavelinItem* item)
{
    return MoveItemDown(IndexOf(item));
}

namespace {
void ExchangeStyle(CArchive& ar, CItemStyle& style)
{
    for (COLORREF* color : {&style.m_crBack, &style.m_crFont})
        ar.Exchange(*color);
    for (int* value : {&style.m_nBorder, &style.m_nBackStyle, &style.m_nGradientDir, &style.m_nFontEffect,
                       &style.m_nFontName, &style.m_nFontSize, &style.m_nFontStyle, &style.m_nTextAlign,
                       &style.m_nTextOffset, &style.m_nImageAlign, &style.m_nImageOffset})
        ar.Exchange(*value);
    ar.Exchange(style.m_strExtra);
}
}  // namespace

// The name, the ten geometry values, the three state blocks, the visibility,
// then the item count and each item as a tagged object.
void CTavelin::Persist(CArchive& ar)
{
    ar.Exchange(m_strName);
    ar.Exchange(m_crBackground);
    for (int* value : {&m_nBackStyle, &m_nReserved1, &m_nReserved2, &m_nIndent, &m_nStartY, &m_nItemWidth,
                       &m_nItemHeight, &m_nItemGap, &m_nBorderThick})
        ar.Exchange(*value);
    for (CItemStyle* style : {&m_styleNormal, &m_styleOver, &m_styleClick})
        ExchangeStyle(ar, *style);
    ar.Exchange(m_bVisible);
    if (ar.IsStoring()) {
        ar.WriteInt(GetItemCount(true));
        for (auto& item : m_arrItems)
            ar.WriteObject(*item);
        return;
    }
    RemoveAllItems();
    const int count = ar.ReadCount();
    for (int i = 0; i < count; ++i)
        m_arrItems.push_back(ar.ReadObject<CTavelinItem>());
}
