// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

// The help pages shipped in data/help: every link between them leads to a
// page (and an anchor) that exists, and every page can be reached from the
// contents.
namespace {

namespace fs = std::filesystem;

const fs::path kHelpFolder = fs::path(ATW_SOURCE_DIR) / "data" / "help";

std::string ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> Matches(const std::string& text, const std::regex& pattern)
{
    std::vector<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), pattern); it != std::sregex_iterator(); ++it)
        found.push_back((*it)[1].str());
    return found;
}

struct HelpPages {
    HelpPages()
    {
        for (const auto& entry : fs::directory_iterator(kHelpFolder)) {
            if (entry.path().extension() == ".htm")
                text[entry.path().filename().string()] = ReadAll(entry.path());
        }
    }
    std::vector<std::string> Links(const std::string& page) const
    {
        static const std::regex href(R"re(href\s*=\s*"([^"]*)")re", std::regex::icase);
        return Matches(text.at(page), href);
    }
    std::set<std::string> Anchors(const std::string& page) const
    {
        static const std::regex id(R"re(\bid\s*=\s*"([^"]*)")re", std::regex::icase);
        const auto ids = Matches(text.at(page), id);
        return {ids.begin(), ids.end()};
    }
    std::map<std::string, std::string> text;
};

bool IsExternal(const std::string& link)
{
    return link.rfind("http:", 0) == 0 || link.rfind("https:", 0) == 0 || link.rfind("mailto:", 0) == 0;
}

TEST(HelpPages, EveryLinkResolvesAndEveryPageIsReachable)
{
    const HelpPages pages;
    ASSERT_TRUE(pages.text.count("index.htm"));
    ASSERT_GE(pages.text.size(), 25u);

    std::map<std::string, std::set<std::string>> linksTo;
    for (const auto& [page, text] : pages.text) {
        EXPECT_NE(text.find("<title>"), std::string::npos) << page;
        EXPECT_NE(text.find("href=\"help.css\""), std::string::npos) << page;
        bool toContents = page == "index.htm";
        for (const std::string& link : pages.Links(page)) {
            EXPECT_FALSE(IsExternal(link)) << page << " -> " << link;
            const auto hash = link.find('#');
            const std::string file = hash == std::string::npos ? link : link.substr(0, hash);
            const std::string target = file.empty() ? page : file;
            if (target == "help.css") {
                EXPECT_TRUE(fs::is_regular_file(kHelpFolder / target));
                continue;
            }
            if (!pages.text.count(target)) {
                ADD_FAILURE() << page << " -> " << link;
                continue;
            }
            if (hash != std::string::npos) {
                EXPECT_TRUE(pages.Anchors(target).count(link.substr(hash + 1))) << page << " -> " << link;
            }
            linksTo[page].insert(target);
            toContents = toContents || target == "index.htm";
        }
        EXPECT_TRUE(toContents) << page << " has no way back to the contents";
    }

    // Every page is reachable from the contents.
    std::set<std::string> reached = {"index.htm"};
    std::vector<std::string> queue = {"index.htm"};
    while (!queue.empty()) {
        const std::string page = queue.back();
        queue.pop_back();
        for (const std::string& target : linksTo[page]) {
            if (reached.insert(target).second)
                queue.push_back(target);
        }
    }
    for (const auto& entry : pages.text)
        EXPECT_TRUE(reached.count(entry.first)) << entry.first << " cannot be reached from the contents";
}

}  // namespace
