// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CItemSearch.h"

#include <algorithm>

#include "core/model/CItemWalk.h"

namespace {
char LowerChar(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

void AppendLower(std::string& out, std::string_view text)
{
    const size_t start = out.size();
    out.append(text).push_back('\0');
    std::transform(out.begin() + static_cast<std::ptrdiff_t>(start), out.end() - 1,
                   out.begin() + static_cast<std::ptrdiff_t>(start), [](char c) { return c ? LowerChar(c) : ' '; });
}
}  // namespace

CItemSearch::CItemSearch(const CAppletParameters& params)
{
    CItemWalk::ForEach(params, [this](const CTavelinItem& item) {
        m_items.push_back(&item);
        m_starts.push_back(m_strText.size());
        AppendLower(m_strText, item.m_strLabel);
        AppendLower(m_strText, item.m_strDescription);
        AppendLower(m_strText, item.m_strLink);
    });
}

const CTavelinItem* CItemSearch::ItemAt(size_t position) const
{
    const auto next = std::upper_bound(m_starts.begin(), m_starts.end(), position);
    return m_items[static_cast<size_t>(next - m_starts.begin()) - 1];
}

const CTavelinItem* CItemSearch::FindNext(const CTavelinItem* after, std::string_view text) const
{
    std::string needle;
    for (char c : text)
        needle += LowerChar(c);
    if (needle.empty() || needle.find('\0') != std::string::npos || m_items.empty())
        return nullptr;
    size_t from = 0;
    // A plain scan of the pointers: far cheaper than the text scan that follows.
    if (const auto known = std::find(m_items.begin(), m_items.end(), after); after && known != m_items.end()) {
        const auto next = static_cast<size_t>(known - m_items.begin()) + 1;
        from = next < m_starts.size() ? m_starts[next] : m_strText.size();
    }
    const std::string_view all(m_strText);
    size_t found = all.find(needle, from);
    if (found == std::string_view::npos)
        found = all.substr(0, from).find(needle);  // around the end
    return found == std::string_view::npos ? nullptr : ItemAt(found);
}
