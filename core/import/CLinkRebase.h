// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "CImportNode.h"

// A page's links are written from where the page lies. A menu read out of
// one page and put into another keeps leading to the same places when its
// relative links are rewritten from the new page's folder: "#part" and
// "?query" name the source page itself, "b.html" and "../c.html" are taken
// from the source's folder to the new page's. Links with a scheme, those
// rooted at the site ("/a.html", "//host") and empty ones stay as they are.
class CLinkRebase {
public:
    // sourcePage: the page the links were read from; page: the page that
    // will hold them, "" when not known yet (it is then taken to lie beside
    // the source, where a site's menu page usually goes).
    CLinkRebase(const std::string& sourcePage, const std::string& page);

    std::string Rebase(const std::string& link) const;
    // link read against base (a page's <base href>) as a browser reads it:
    // "a.html" against "https://e.org/docs/x.html" is "https://e.org/docs/a.html",
    // against "sub/" it is "sub/a.html". An empty link stays empty.
    static std::string Resolve(const std::string& base, const std::string& link);
    // Every link of root's tree.
    void RebaseAll(CImportNode& root) const;

private:
    bool m_bKnown = false;    // false: how the two folders lie to each other cannot be told
    std::string m_strPrefix;  // from the page's folder to the source's: "" or ending in "/"
    std::string m_strSource;  // the source's file name, written as a link
};
