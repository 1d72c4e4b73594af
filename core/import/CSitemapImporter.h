// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "CImportNode.h"

// Reads a sitemap (<urlset> of <url><loc> entries) with a real XML parser and
// groups its addresses by their path folders into a tree: "/a/b/c.html"
// becomes c under b under a. A folder's own page ("/a/", "/a/index.html",
// "/a.html") becomes the link of the folder's item; labels are the last path
// part made readable.
class CSitemapImporter {
public:
    // Builds root's children; false with Error() naming the line or element.
    bool Import(const std::string& xml, CImportNode& root, int maxDepth);
    const std::string& Error() const { return m_strError; }

    static constexpr const char* kNoUrls = "The sitemap lists no URLs: no <url> holds a <loc>.";

private:
    bool Fail(std::string message);
    std::string m_strError;
};
