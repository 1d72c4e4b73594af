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
// their next sibling closes (<li>, <p>, <td>...) do not nest. A page within
// both limits can still pile many tags deep inside (a thousand levels, then
// a million items): what the parser will do at each tag is counted as the
// elements open there, and a page that would take too long is refused too.
class CNestingScan {
public:
    static constexpr int kMaxElements = 4000;  // elements of any kind open at once
    // The parser looks through the open elements at many tags: a page may
    // make it look at about this many of them a byte, and some more when
    // small, which keeps its parse within half a second a megabyte or so.
    static constexpr long long kLooksPerByte = 500;
    static constexpr long long kLooksFree = 50'000'000;

    // Scans html until lists (<ul>, <ol>, <dl>, <menu>) nest deeper than
    // maxLists, elements deeper than kMaxElements, or the parser's looks
    // through the open elements would pass the budget of html's size.
    CNestingScan(std::string_view html, int maxLists);

    // "" when the page stays within both limits; else the message that refuses it.
    const std::string& Problem() const { return m_strProblem; }
    int DeepestLists() const { return m_nDeepestLists; }

private:
    std::string m_strProblem;
    int m_nDeepestLists = 0;
};
