#include "CItemSearch.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {
char LowerChar(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool Contains(std::string_view field, std::string_view lowerText)
{
    const auto found = std::search(field.begin(), field.end(), lowerText.begin(), lowerText.end(),
                                   [](char a, char b) { return LowerChar(a) == b; });
    return found != field.end() || lowerText.empty();
}
}  // namespace

std::string CItemSearch::Lower(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), LowerChar);
    return lower;
}

bool CItemSearch::Matches(const CTavelinItem& item, std::string_view lowerText)
{
    return Contains(item.m_strLabel, lowerText) || Contains(item.m_strDescription, lowerText) ||
           Contains(item.m_strLink, lowerText);
}

const CTavelinItem* CItemSearch::FindNext(const CAppletParameters& params, const CTavelinItem* after,
                                          std::string_view text)
{
    const std::string lower = Lower(text);
    const CTavelinItem* first = nullptr;  // the first match from the top, for the wrap
    bool passed = after == nullptr;
    for (const auto& top : params.m_arrMenus) {
        std::vector<std::pair<const CTavelin*, size_t>> stack{{top.get(), 0}};
        while (!stack.empty()) {
            auto& [menu, index] = stack.back();
            if (index >= menu->m_arrItems.size()) {
                stack.pop_back();
                continue;
            }
            const CTavelinItem* item = menu->m_arrItems[index++].get();
            if (Matches(*item, lower)) {
                if (passed)
                    return item;
                if (!first)
                    first = item;
            }
            passed = passed || item == after;
            stack.emplace_back(item->m_pSubMenu.get(), 0);
        }
    }
    return first;
}
