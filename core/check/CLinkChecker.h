// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <map>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/io/IFileSystem.h"
#include "core/model/CAppletParameters.h"

// Checks every item's link and media files against the files around a page:
// a relative address must name a file that exists relative to the page's
// folder (a folder must hold an index page), a "#fragment" must name an id or
// a name in its page when that page is local HTML. Addresses with a scheme
// ("http:", "mailto:", ...) or rooted at the site ("/a.html", "//host") are
// listed as external and never fetched.
class CLinkChecker {
public:
    struct CFinding {
        const CTavelinItem* m_pItem = nullptr;
        std::string m_strText;   // the report line, e.g. "Products > Software: ..."
        bool m_bBroken = false;  // false: external, listed only
    };

    CLinkChecker(IFileSystem& fs, std::string pagePath);

    std::vector<CFinding> Run(const CAppletParameters& params);
    // The report lines, and a closing count ("2 broken links, 1 external, 12 checked.").
    static std::vector<std::string> Lines(const std::vector<CFinding>& findings, int checked);
    int Checked() const { return m_nChecked; }

    // "Products > Software": the labels from the top-level item down, each on one line.
    static std::string ItemPath(const std::vector<const CTavelinItem*>& chain);

private:
    void CheckItem(const CTavelinItem& item, const std::string& path, std::vector<CFinding>& out);
    // Empty when the address is sound; else why not. external is set for one not checked.
    std::string Problem(const std::string& address, bool media, bool& external);
    // The same for an address that is not external, from the disk.
    std::string FileProblem(const std::string& address);
    bool HasAnchor(const std::string& file, const std::string& anchor);

    IFileSystem& m_fs;
    std::string m_strPage;
    std::string m_strFolder;
    std::map<std::string, std::set<std::string>> m_anchors;   // by file
    std::unordered_map<std::string, std::string> m_problems;  // by address, once looked up
    int m_nChecked = 0;
};
