// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "CImportNode.h"

// Reads a sitemap (<urlset> of <url><loc> entries) with a real XML parser and
// groups its addresses by their path folders into a tree: "/a/b/c.html"
// becomes c under b under a. A folder's own page ("/a/", "/a/index.html",
// "/a.html") becomes the link of the folder's item, the first of them: the
// others get items of their own beside it, as do addresses that differ by
// their query. Labels are the last path part made readable.
class CSitemapImporter {
public:
    // Builds root's children; false with Error() naming the line or element.
    bool Import(const std::string& xml, CImportNode& root, int maxDepth);
    const std::string& Error() const { return m_strError; }
    // What was left out and why, one line each.
    const std::vector<std::string>& Notes() const { return m_notes; }

    static constexpr const char* kNoUrls = "The sitemap lists no URLs: no <url> holds a <loc>.";

private:
    bool Fail(std::string message);
    std::string m_strError;
    std::vector<std::string> m_notes;
};
