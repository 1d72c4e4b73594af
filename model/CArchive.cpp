#include "CArchive.h"

#include "CTavelin.h"
#include "CTavelinItem.h"

// Placeholder until the archive format lands.
std::string CArchive::StoreItem(CTavelinItem&)
{
    return {};
}

std::unique_ptr<CTavelinItem> CArchive::LoadItem(const std::string&, std::string* error)
{
    if (error)
        *error = "The clipboard data is not an item.";
    return nullptr;
}

void CTavelinItem::Persist(CArchive&) {}
void CTavelin::Persist(CArchive&) {}
