#include "CTavelinItem.h"

#include "CArchive.h"
#include "CTavelin.h"

#include <atomic>

namespace {

std::uint64_t NextSerial()
{
    static std::atomic<std::uint64_t> next{1};
    return next.fetch_add(1, std::memory_order_relaxed);
}

} // namespace

CTavelinItem::CTavelinItem(const std::string& label)
    : m_pSubMenu(std::make_unique<CTavelin>(0, "Menu")), m_nSerial(NextSerial())
{
    m_strLabel = label;
}

CTavelinItem::CTavelinItem(NoSubMenuYet) : m_nSerial(NextSerial())
{
    m_strLabel = "item";
}

CTavelinItem::CTavelinItem(const CTavelinItem& other)
    : CItemFields(other), m_pSubMenu(std::make_unique<CTavelin>(*other.m_pSubMenu)), m_nSerial(NextSerial())
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

// The nine texts, the visibility, then the sub-menu as a tagged object.
void CTavelinItem::Persist(CArchive& ar)
{
    for (std::string* text : {&m_strLabel, &m_strDescription, &m_strNormalImage, &m_strOverImage,
                              &m_strClickImage, &m_strOverAudio, &m_strClickAudio, &m_strTarget,
                              &m_strLink})
        ar.Exchange(*text);
    ar.Exchange(m_bVisible);
    if (ar.IsStoring())
        ar.WriteObject(*m_pSubMenu);
    else
        SetSubMenu(ar.ReadObject<CTavelin>());
}
