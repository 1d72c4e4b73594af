// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "CImportNode.h"

// Reads a Markdown file (a README's table of contents, an mdBook or GitBook
// SUMMARY.md) with a CommonMark parser (md4c): list items become items, the
// first link of an item its link ("[Foo](Foo_(bar) \"title\")" whole);
// headings become the parents of the items after them, up to the next
// heading of their level or above; a paragraph that is only a link (an
// mdBook prefix chapter) is an item. The file's title (a first heading
// before anything else), separators ("---"), prose and code are no items,
// and nor is a heading with no items under it; list items in a quote or a
// table are left out, and counted in the notes.
class CMarkdownImporter {
public:
    bool Import(const std::string& text, CImportNode& root, int maxDepth);
    const std::string& Error() const { return m_strError; }
    // What was left out and why, one line each.
    const std::vector<std::string>& Notes() const { return m_notes; }

    static constexpr const char* kEmpty = "The Markdown file holds no list, heading or link to make items of.";

private:
    std::string m_strError;
    std::vector<std::string> m_notes;
};
