// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// A quick pass over a page's tags before the HTML parser sees it: the parser
// takes time that grows with the square of the nesting, so a page that nests
// its lists (or any elements) deeper than a menu can go is refused here, in
// one linear pass, rather than after minutes of parsing. Tags are read as a
// browser's tokenizer reads them: comments, the content of scripts, styles
// and the like, and quoted attribute values hide what looks like a tag; an
// end tag closes up to the element it names; empty elements and those that
// their next sibling closes (<li>, <p>, <td>...) do not nest.
class CNestingScan {
public:
    static constexpr int kMaxElements = 4000;  // elements of any kind open at once

    // Scans html until lists (<ul>, <ol>, <dl>, <menu>) nest deeper than
    // maxLists or elements deeper than kMaxElements.
    CNestingScan(std::string_view html, int maxLists);

    // "" when the page stays within both limits; else the message that refuses it.
    const std::string& Problem() const { return m_strProblem; }
    int DeepestLists() const { return m_nDeepestLists; }

private:
    std::string m_strProblem;
    int m_nDeepestLists = 0;
};
