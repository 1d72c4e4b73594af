// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/io/IFileSystem.h"
#include "core/model/CAppletParameters.h"

// Checks every item's link and media files against the files around a page,
// as a browser opening the page from the disk follows them: a relative
// address must name a file or a folder that exists relative to the page's
// folder ("\\" read as "/"), a "#fragment" must name an id, or the name of an
// <a>, in its page when that page is local HTML ("#top" always does). Addresses with a scheme
// ("http:", "mailto:", ...) or rooted at the site ("/a.html", "//host") are
// listed as external and never fetched.
class CLinkChecker {
public:
    struct CFinding {
        const CTavelinItem* m_pItem = nullptr;
        std::string m_strText;   // the report line, e.g. "Products > Software: ..."
        bool m_bBroken = false;  // false: external, listed only
    };

    using Report = std::function<void(const CFinding&)>;

    CLinkChecker(IFileSystem& fs, std::string pagePath);

    std::vector<CFinding> Run(const CAppletParameters& params);
    // The same findings handed to report one at a time as the walk meets
    // them, none kept: a large project's report is written as it goes.
    void Run(const CAppletParameters& params, const Report& report);
    // The report lines, and a closing count ("2 broken links, 1 external, 12 checked.").
    static std::vector<std::string> Lines(const std::vector<CFinding>& findings, int checked);
    // That closing count alone.
    static std::string Summary(int broken, int external, int checked);
    // The counts of the last Run.
    int Checked() const { return m_nChecked; }
    int Broken() const { return m_nBroken; }
    int External() const { return m_nExternal; }

    // "Products > Software": the labels from the top-level item down, each on one line.
    static std::string ItemPath(const std::vector<const CTavelinItem*>& chain);

private:
    // chain: the item's path from the top-level item down, named only in a finding.
    void CheckItem(const CTavelinItem& item, const std::vector<const CTavelinItem*>& chain, const Report& report);
    // Empty when the address is sound; else why not. external is set for one not checked.
    std::string Problem(const std::string& address, bool media, bool& external);
    // The same for an address that is not external, from the disk.
    std::string FileProblem(const std::string& address);
    bool HasAnchor(const std::string& file, const std::string& anchor);
    // True when a relative path climbs above the page's folder ("../a.html").
    static bool LeavesFolder(const std::string& path);

    IFileSystem& m_fs;
    std::string m_strPage;
    std::string m_strFolder;
    // By file; none for a page too deep to read.
    std::map<std::string, std::optional<std::set<std::string>>> m_anchors;
    std::unordered_map<std::string, std::string> m_problems;  // by address, once looked up
    int m_nChecked = 0;
    int m_nBroken = 0;
    int m_nExternal = 0;
};
