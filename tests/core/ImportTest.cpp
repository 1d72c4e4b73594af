// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "core/check/CItemSearch.h"
#include "core/import/CImportBuilder.h"
#include "core/import/CLinkRebase.h"
#include "core/import/CMenuImport.h"
#include "support/MemoryFileSystem.h"

// The menu importers on sources of the shapes real sites have, and on the
// bad inputs that must be refused with a message and no tree.
namespace {

// "label|link|description|target" of every node, indented two spaces a level.
std::string Dump(const CImportNode& root)
{
    std::string out;
    std::vector<std::pair<const CImportNode*, int>> stack;
    for (auto it = root.m_children.rbegin(); it != root.m_children.rend(); ++it)
        stack.emplace_back(it->get(), 0);
    while (!stack.empty()) {
        auto [node, level] = stack.back();
        stack.pop_back();
        out += std::string(static_cast<size_t>(level) * 2, ' ') + node->m_strLabel;
        if (!node->m_strLink.empty() || !node->m_strDescription.empty() || !node->m_strTarget.empty())
            out += "|" + node->m_strLink + "|" + node->m_strDescription + "|" + node->m_strTarget;
        out += "\n";
        for (auto it = node->m_children.rbegin(); it != node->m_children.rend(); ++it)
            stack.emplace_back(it->get(), level + 1);
    }
    return out;
}

struct Source {
    const char* m_pszName;
    std::string m_strText;
    const char* m_pszTree;
};

}  // namespace

TEST(Import, RealWorldShapesBecomeTrees)
{
    const Source sources[] = {
        {"nav.html",
         "<!DOCTYPE html><html><head><title>Shop</title><script>var s = '<ul><li>no</li></ul>';</script>"
         "</head><body><ul class=\"skip\"><li><a href=\"#main\">Skip</a></ul>\n"
         "<nav id=\"site\"><!-- main menu --><ul>\n"
         "<li><a href=\"/\" title=\"Start &amp; news\">Home</a>\n"
         "<li><a href=\"products/\" target=\"_top\">Products &amp; Services</a>\n"
         "  <ul><li><a href=\"products/software.html\">Software</a>\n"
         "      <li><span>Hard&shy;ware</span> <a href=\"hw.html\">kits</a></ul>\n"
         "<li>About&nbsp;us\n"
         "  <ol><li><a href=\"team.html\"><img src=\"t.png\" alt=\"\">\n  Our  team </a></li></ol>\n"
         "</ul></nav></body></html>",
         "Home|/|Start & news|\n"
         "Products & Services|products/||_top\n"
         "  Software|products/software.html||\n"
         "  kits|hw.html||\n"
         "About us\n"
         "  Our team|team.html||\n"},
        {"outline.md",
         "# Our site\n"
         "- [Home](index.html \"Start here\")\n"
         "- Products\n"
         "\t- [Software](sw/) - tools we make\n"
         "    * Editor\n"
         "\t\t1. [Pro](sw/pro.html)\n"
         "  - Hardware\n"
         "\n"
         "Contact\n",
         "Our site\n"
         "Home|index.html|Start here|\n"
         "Products\n"
         "  Software|sw/|tools we make|\n"
         "  Editor\n"
         "    Pro|sw/pro.html||\n"
         "  Hardware\n"
         "Contact\n"},
        {"sitemap.xml",
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<urlset xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">\n"
         "<url><loc>https://example.com/</loc></url>\n"
         "<url><loc>https://example.com/products/software-tools.html</loc><priority>1</priority></url>\n"
         "<url><loc> https://example.com/products/ </loc></url>\n"
         "<url><loc>https://example.com/about/our%20team/index.html</loc></url>\n"
         "</urlset>",
         "Home|https://example.com/||\n"
         "Products|https://example.com/products/||\n"
         "  Software tools|https://example.com/products/software-tools.html||\n"
         "About\n"
         "  Our team|https://example.com/about/our%20team/index.html||\n"},
    };
    for (const Source& source : sources) {
        CMenuImport import;
        ASSERT_TRUE(import.LoadText(source.m_strText, source.m_pszName)) << import.Error();
        CImportNode root;
        ASSERT_TRUE(import.Import(root)) << import.Error();
        EXPECT_EQ(Dump(root), source.m_pszTree) << source.m_pszName;
    }
}

TEST(Import, PageListsAreOfferedNavFirst)
{
    CMenuImport import;
    ASSERT_TRUE(import.LoadText("<p>x<ul id=a><li>One<li>Two<ul><li>Sub</ul></ul>"
                                "<nav><div><ol class=\"menu\"><li>Nav</ol></div></nav><ul><li></ul>",
                                "page.htm"));
    const std::vector<std::string> expected = {
        "<nav> <ol class=\"menu\"> at line 1: 1 item, 1 level",
        "<ul id=\"a\"> at line 1: 3 items, 2 levels",
        "<ul> at line 1: 1 item, 1 level",
    };
    EXPECT_EQ(import.Candidates(), expected);
    CImportNode root;
    ASSERT_TRUE(import.Import(root, 1));
    EXPECT_EQ(Dump(root), "One\nTwo\n  Sub\n");
}

TEST(Import, ASitemapOf500UrlsGroupsByFolder)
{
    std::string xml = "<urlset xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">";
    for (int i = 0; i < 500; ++i)
        xml += "<url><loc>http://s.org/sec" + std::to_string(i % 5) + "/part" + std::to_string(i % 25) + "/p" +
               std::to_string(i) + ".html</loc></url>\n";
    xml += "</urlset>";
    CMenuImport import;
    ASSERT_TRUE(import.LoadText(xml, "sitemap.xml"));
    CImportNode root;
    ASSERT_TRUE(import.Import(root)) << import.Error();
    ASSERT_EQ(root.m_children.size(), 5u);
    EXPECT_EQ(root.m_children[0]->m_strLabel, "Sec0");
    ASSERT_EQ(root.m_children[0]->m_children.size(), 5u);  // part0, part5, ... part20
    EXPECT_EQ(root.m_children[0]->m_children[1]->m_strLabel, "Part5");
    EXPECT_EQ(root.m_children[0]->m_children[1]->m_children.size(), 20u);
    EXPECT_EQ(CImportBuilder::Depth(root), 3);
}

TEST(Import, BadSourcesAreRefusedByLineOrElement)
{
    const std::string deepOutline = [] {
        std::string text;
        for (int i = 0; i <= CMenuImport::kMaxLevels; ++i)
            text += std::string(static_cast<size_t>(i), ' ') + "- x\n";
        return text;
    }();
    const std::string deepPage = [] {
        std::string text = "<nav>";
        for (int i = 0; i <= CMenuImport::kMaxLevels; ++i)
            text += "<ul><li>x";
        return text;
    }();
    const Source bad[] = {
        {"empty.md", "\n  \n- \n", "empty.md: The outline has no items: every line is empty."},
        {"blank.htm", "<html><body><p>Welcome</p></body></html>", "blank.htm: The page has no menu list"},
        {"empty.htm", "<nav>\n<ul id=\"m\">\n</ul></nav>", "empty.htm: The list <ul id=\"m\"> at line 2 has no items."},
        {"logo.png", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), "logo.png: The file is not an HTML page"},
        {"broken.xml", "<?xml version=\"1.0\"?>\n<urlset>\n<url><loc>a</url>\n</urlset>",
         "broken.xml: The sitemap is not well-formed XML: Start-end tags mismatch at line 3."},
        {"feed.xml", "<?xml version=\"1.0\"?><rss><channel/></rss>",
         "feed.xml: The XML file is not a sitemap: its root element is <rss>, not <urlset>."},
        {"none.xml", "<urlset><url><lastmod>2024</lastmod></url></urlset>", "none.xml: The sitemap lists no URLs"},
        {"deep.md", deepOutline, "deep.md: Line 1001 nests deeper than 1000 levels"},
        {"deep.htm", deepPage, "deep.htm: The list <ul> at line 1 nests deeper than 1000 levels"},
    };
    for (const Source& source : bad) {
        CMenuImport import;
        CImportNode root;
        const bool done = import.LoadText(source.m_strText, source.m_pszName) && import.Import(root);
        EXPECT_FALSE(done) << source.m_pszName;
        EXPECT_EQ(import.Error().rfind(source.m_pszTree, 0), 0u) << import.Error();
        EXPECT_TRUE(root.m_children.empty()) << source.m_pszName;
    }
    MemoryFileSystem fs;
    CMenuImport import;
    EXPECT_FALSE(import.Load(fs, "/nowhere/menu.htm"));
    EXPECT_EQ(import.Error(), "menu.htm: The file cannot be read.");
}

// A page's links lead from the page that takes the menu where they led from
// the page they were read from, whichever folders the two lie in.
TEST(Import, PageLinksLeadWhereTheyLedFromTheSource)
{
    struct Case {
        const char* m_pszPage;  // where the menu goes
        const char* m_pszLink;
        const char* m_pszWanted;
    };
    const Case cases[] = {
        {"/site/menu.htm", "a.html", "a.html"},
        {"/site/menu.htm", "#intro", "old%20page.html#intro"},
        {"", "#intro", "old%20page.html#intro"},
        {"", "../up.html", "../up.html"},
        {"/site/nav/menu.htm", "a.html?x=1#top", "../a.html?x=1#top"},
        {"/site/nav/menu.htm", "?q", "../old%20page.html?q"},
        {"/site/nav/menu.htm", "docs/", "../docs/"},
        {"/site/nav/menu.htm", "..", "../.."},
        {"/site/menu.htm", "docs/../b.html", "docs/../b.html"},
        {"/menus/menu.htm", "../up.html", "../up.html"},
        {"/menus/menu.htm", "b.html", "../site/b.html"},
        {"/site/nav/menu.htm", "https://example.com/a", "https://example.com/a"},
        {"/site/nav/menu.htm", "mailto:a@example.com", "mailto:a@example.com"},
        {"/site/nav/menu.htm", "/root.html", "/root.html"},
        {"/site/nav/menu.htm", "//cdn.example.com/x", "//cdn.example.com/x"},
        {"/site/nav/menu.htm", "", ""},
        {"/site/nav/menu.htm", " \n#intro ", "../old%20page.html#intro"},
        {"relative/menu.htm", "b.html", "b.html"},  // the two folders' relation is unknown
    };
    for (const Case& c : cases) {
        CMenuImport import;
        CImportNode root;
        const std::string page = std::string("<nav><ul><li><a href=\"") + c.m_pszLink + "\">X</a></ul></nav>";
        ASSERT_TRUE(import.LoadText(page, "/site/old page.html") && import.Import(root));
        import.LinkFrom(root, c.m_pszPage);
        EXPECT_EQ(root.m_children.at(0)->m_strLink, c.m_pszWanted) << c.m_pszPage << " " << c.m_pszLink;
    }
    // From relative paths as the command line gives them, and a folder
    // above the working one that cannot be named.
    EXPECT_EQ(CLinkRebase("site/old.html", "out/menu.htm").Rebase("#a"), "../site/old.html#a");
    EXPECT_EQ(CLinkRebase("old.html", "../menu.htm").Rebase("a.html"), "a.html");
    // A page that sets its links' base, and an outline, keep them as written.
    for (const auto& [name, text] :
         {std::pair{"based.html", "<base href=\"https://example.com/\"><ul><li><a href=a.html>A</a></ul>"},
          std::pair{"outline.md", "- [A](a.html)\n"}}) {
        CMenuImport import;
        CImportNode root;
        ASSERT_TRUE(import.LoadText(text, std::string("/site/") + name) && import.Import(root));
        import.LinkFrom(root, "/other/menu.htm");
        EXPECT_EQ(root.m_children.at(0)->m_strLink, "a.html") << name;
    }
}

TEST(Import, ItemsTakeTheLooksOfTheTemplateByDepth)
{
    CAppletParameters looks;
    CTavelin* top = looks.AddTopMenu();
    top->m_nItemWidth = 120;
    top->SetItemCount(1, false);
    top->GetItem(0)->m_strNormalImage = "/prog/Sample/Image/button.gif";
    CTavelin* sub = top->GetItem(0)->m_pSubMenu.get();
    sub->m_nItemWidth = 90;
    sub->SetItemCount(1, false);

    CMenuImport import;
    ASSERT_TRUE(import.LoadText("- A\n  - B\n    - C\n- D\n", "o.txt"));
    CImportNode root;
    ASSERT_TRUE(import.Import(root));
    CImportBuilder::BuildProject(looks, root);

    ASSERT_EQ(looks.m_arrMenus.size(), 1u);
    const CTavelin& built = *looks.m_arrMenus[0];
    EXPECT_EQ(built.m_nItemWidth, 120);
    ASSERT_EQ(built.GetItemCount(), 2);
    EXPECT_EQ(built.GetItem(0)->m_strNormalImage, "/prog/Sample/Image/button.gif");
    const CTavelin& level1 = *built.GetItem(0)->m_pSubMenu;
    EXPECT_EQ(level1.m_nItemWidth, 90);
    EXPECT_EQ(level1.GetItem(0)->m_strLabel, "B");
    EXPECT_EQ(level1.GetItem(0)->m_strNormalImage, "");
    // Deeper than the template goes: the deepest look it has.
    EXPECT_EQ(level1.GetItem(0)->m_pSubMenu->m_nItemWidth, 90);
    EXPECT_EQ(built.GetItem(1)->m_strLabel, "D");
}

TEST(Find, NextMatchInTreeOrderWrapsAroundOnABigTree)
{
    // About 100,000 items: 100 top-level items of 499 sub-items, each with one leaf.
    CAppletParameters params;
    CTavelin* top = params.AddTopMenu();
    top->SetItemCount(100, false);
    for (int i = 0; i < 100; ++i) {
        CTavelin* sub = top->GetItem(i)->m_pSubMenu.get();
        sub->SetItemCount(499, false);
        for (int k = 0; k < 499; ++k)
            sub->GetItem(k)->m_pSubMenu->SetItemCount(1, false);
    }
    CTavelinItem* deep = top->GetItem(70)->m_pSubMenu->GetItem(400)->m_pSubMenu->GetItem(0);
    deep->m_strDescription = "Our SOFTWARE tools";
    CTavelinItem* early = top->GetItem(3);
    early->m_strLink = "products/software.html";

    const CItemSearch search(params);
    EXPECT_EQ(search.ItemCount(), 99900u);
    EXPECT_EQ(search.FindNext(nullptr, "Software"), early);
    EXPECT_EQ(search.FindNext(early, "software"), deep);
    EXPECT_EQ(search.FindNext(deep, "SOFTWARE"), early);  // wraps
    EXPECT_EQ(search.FindNext(early, "nowhere"), nullptr);
    EXPECT_EQ(search.FindNext(nullptr, "item1our"), nullptr);  // label and description stay apart
    const CTavelinItem* last = top->GetItem(99)->m_pSubMenu->GetItem(498)->m_pSubMenu->GetItem(0);
    EXPECT_EQ(search.FindNext(last, "ITEM2"), top->GetItem(0)->m_pSubMenu->GetItem(1));
    EXPECT_EQ(search.FindNext(last, "item1"), top->GetItem(0));  // past the end: from the top
}
