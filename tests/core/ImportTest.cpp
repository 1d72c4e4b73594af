// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <ctime>
#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>
#include <zlib.h>

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

// text packed as gzip does it.
std::string Gzip(const std::string& text)
{
    z_stream stream{};
    EXPECT_EQ(deflateInit2(&stream, 9, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY), Z_OK);
    std::string out(deflateBound(&stream, text.size()), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
    stream.avail_in = static_cast<uInt>(text.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    EXPECT_EQ(deflate(&stream, Z_FINISH), Z_STREAM_END);
    out.resize(stream.total_out);
    deflateEnd(&stream);
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
        {"outline.txt",
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
        // An MkDocs configuration: its "nav:", pages from its docs folder.
        {"mkdocs.yml",
         "site_name: My Docs\ndocs_dir: documentation\nmarkdown_extensions:\n  - pymdownx.emoji:\n"
         "      emoji_index: !!python/name:material.extensions.emoji.twemoji\n"
         "nav:\n  - Home: index.md\n  - 'User Guide':\n      - 'Writing your docs': 'user-guide/writing.md'\n"
         "      - user-guide/styling.md\n  - About:\n      - Issues: https://github.com/x/y/issues\n",
         "Home|documentation/index.md||\n"
         "User Guide\n"
         "  Writing your docs|documentation/user-guide/writing.md||\n"
         "  Styling|documentation/user-guide/styling.md||\n"
         "About\n"
         "  Issues|https://github.com/x/y/issues||\n"},
        // The same as Markdown: the title and the prose are no items.
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
         "Home|index.html|Start here|\n"
         "Products\n"
         "  Software|sw/|tools we make|\n"
         "  Editor\n"
         "    Pro|sw/pro.html||\n"
         "  Hardware\n"},
        // An mdBook SUMMARY.md: prefix chapter, separators, a part title, a draft chapter.
        {"SUMMARY.md",
         "# Summary\n\n[Introduction](README.md)\n\n---\n\n- [Guide](guide/index.md)\n"
         "  - [Foo (bar)](Foo_(bar).md \"The foo\")\n\n---\n\n# Reference\n\n- [CLI](cli.md)\n- [Draft]()\n\n"
         "[Contributors](misc/contributors.md)\n",
         "Introduction|README.md||\n"
         "Guide|guide/index.md||\n"
         "  Foo (bar)|Foo_(bar).md|The foo|\n"
         "Reference\n"
         "  CLI|cli.md||\n"
         "  Draft\n"
         "  Contributors|misc/contributors.md||\n"},
        // A GitBook SUMMARY.md: "## Section" headings are parents.
        {"gitbook.md",
         "# Table of contents\n\n* [Welcome](README.md)\n\n## Basics\n\n* [Setup](basics/setup.md)\n"
         "  * [Linux](basics/linux.md)\n\n## More\n\n* [FAQ](more/faq.md)\n",
         "Welcome|README.md||\n"
         "Basics\n"
         "  Setup|basics/setup.md||\n"
         "    Linux|basics/linux.md||\n"
         "More\n"
         "  FAQ|more/faq.md||\n"},
        // A README with a doctoc table of contents that starts with HTML.
        {"README.md",
         "<!-- START doctoc generated TOC please keep comment here to allow auto update -->\n"
         "<div align=\"center\"><img src=\"logo.png\"></div>\n\n"
         "**Table of Contents**\n\n- [Install](#install)\n- [Use `it`](#use-it)\n  - [C&amp;C++](#cc)\n\n"
         "<!-- END doctoc -->\n\n## Install\n\nRun `make`.\n\n## Use it\n\nSee above.\n",
         "Install|#install||\n"
         "Use it|#use-it||\n"
         "  C&C++|#cc||\n"},
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

// A heading inside a list item goes to the section, after the item: the
// item, left empty, goes, and not the heading in its place (which then
// stood freed in the list of sections, and the item as "item"). The heading
// leads no items of its own, so it is left out too.
TEST(Import, AnEmptyItemLeavesTheHeadingBesideIt)
{
    CMenuImport import;
    ASSERT_TRUE(import.LoadText("- # Guide\n- [A](a.html)\n  - [B](b.html)\n", "nav.md")) << import.Error();
    CImportNode root;
    ASSERT_TRUE(import.Import(root)) << import.Error();
    EXPECT_EQ(Dump(root), "A|a.html||\n  B|b.html||\n");
}

TEST(Import, PageListsAreOfferedNavFirst)
{
    CMenuImport import;
    ASSERT_TRUE(import.LoadText("<p>x<ul id=a><li>One<li>Two<ul><li>Sub</ul></ul>"
                                "<nav><div><ol class=\"menu\"><li>Nav</ol></div></nav><ul><li></ul>",
                                "page.htm"));
    const std::vector<std::string> expected = {
        "<nav> <ol class=\"menu\"> at line 1: 1 item, 1 level, 0 links",
        "<ul id=\"a\"> at line 1: 3 items, 2 levels, 0 links",
        // The last list's one item holds nothing: no menu is there.
    };
    EXPECT_EQ(import.Candidates(), expected);
    CImportNode root;
    ASSERT_TRUE(import.Import(root, 1));
    EXPECT_EQ(Dump(root), "One\nTwo\n  Sub\n");
}

// The list a person takes for the menu comes first: one whose items are
// links, before a breadcrumb of two links in a <nav> and theme buttons
// without links (the shapes of an mdBook page and a Sphinx page), and a
// manual's authors with their mail addresses (Debian's Python policy).
TEST(Import, ListsOfLinksAreOfferedFirst)
{
    CMenuImport import;
    ASSERT_TRUE(
        import.LoadText("<dl class=simple><dt>Authors:</dt><dd><ul class=simple>"
                        "<li><p>A &lt;<a href=\"mailto:a&#37;&#52;&#48;d.org\">a@d.org</a>&gt;</p></li>"
                        "<li><p>B &lt;<a href=mailto:b@d.org>b@d.org</a>&gt;</p></li>"
                        "<li><p>C &lt;<a href=mailto:c@d.org>c@d.org</a>&gt;</p></li></ul></dd></dl>\n"
                        "<nav aria-label=breadcrumb><ol><li><a href=/>Docs</a><li><a href=x.html>X</a></ol></nav>\n"
                        "<ul class=themes><li><button>Light</button><li><button>Rust</button>"
                        "<li><button>Coal</button></ul>\n"
                        "<div role=navigation><ol class=chapter><li><a href=intro.html>Intro</a>"
                        "<li><a href=use.html>Use</a><ol><li><a href=use.html#cli>CLI</a></ol>"
                        "<li><a href=faq.html>FAQ</a></ol></div>",
                        "book.html"));
    const std::vector<std::string> expected = {
        "<nav> <ol class=\"chapter\"> at line 4: 4 items, 2 levels, 4 links",
        "<nav> <ol> at line 2: 2 items, 1 level, 2 links",
        "<dl class=\"simple\"> at line 1: 4 items, 2 levels, 3 links",
        "<ul class=\"themes\"> at line 3: 3 items, 1 level, 0 links",
    };
    EXPECT_EQ(import.Candidates(), expected);
    CImportNode root;
    ASSERT_TRUE(import.Import(root));
    EXPECT_EQ(Dump(root), "Intro|intro.html||\nUse|use.html||\n  CLI|use.html#cli||\nFAQ|faq.html||\n");
}

// What a browser shows nested is imported nested, and what is left out is told.
TEST(Import, NothingABrowserShowsIsDropped)
{
    const Source sources[] = {
        // npm's installed documentation: a <ul> directly inside a <ul>.
        {"npm.html",
         "<ul><li><a href=a.html>A</a></li><ul><li><a href=a1.html>A1</a></li><li><a href=a2.html>A2</a></li>"
         "</ul><li><a href=b.html>B</a></li></ul>",
         "A|a.html||\n  A1|a1.html||\n  A2|a2.html||\nB|b.html||\n"},
        {"leading.html", "<ul><ul><li>Inner</ul><li>Outer</ul>", "Inner\nOuter\n"},
        // A Bootstrap 4 navbar: the dropdown holds links in a <div>, its toggle leads nowhere.
        {"bs4.html",
         "<nav class=\"navbar navbar-expand-lg\"><ul class=\"navbar-nav\">"
         "<li class=nav-item><a class=nav-link href=\"index.html\">Home</a></li>"
         "<li class=\"nav-item dropdown\"><a class=\"nav-link dropdown-toggle\" href=\"#\" "
         "data-toggle=dropdown>More</a><div class=\"dropdown-menu\"><a class=dropdown-item href=a.html>Action</a>"
         "<div class=dropdown-divider></div><a class=dropdown-item href=b.html>Other</a></div></li>"
         "<li class=nav-item><a class=nav-link href=\"javascript:void(0)\">Theme</a></ul></nav>",
         "Home|index.html||\nMore\n  Action|a.html||\n  Other|b.html||\nTheme\n"},
        // A gtk-doc (DocBook) table of contents: <dt> entries, sub-lists in <dd>.
        {"gtkdoc.html",
         "<div class=toc><dl><dt><span class=preface><a href=pr01.html>Introduction</a></span></dt>"
         "<dt><span class=reference><a href=ch01.html>API Reference</a></span></dt><dd><dl>"
         "<dt><span class=refentrytitle><a href=gtk-x.html>GtkX</a></span><span class=refpurpose> \xE2\x80\x94 "
         "an x</span></dt></dl></dd></dl></div>",
         "Introduction|pr01.html||\nAPI Reference|ch01.html||\n  GtkX|gtk-x.html||\n"},
        // pod2html's index (Debian's lintian API documentation): a row of links in each <dd>;
        // a <dd> of prose is no sub-menu.
        {"pod.html",
         "<dl class='superindex'><dt><a name=\"lintian\">Lintian</a></dt><dd>\n  <a "
         "href=\"./Lintian/Archive.html\">Lintian::Archive</a>&nbsp;&nbsp;\n  <a "
         "href=\"./Lintian/Data.html\">Lintian::Data</a>&nbsp;&nbsp;\n</dd><dt><a name=\"test\">Test</a></dt>"
         "<dd><a href=\"./Test/Lintian.html\">Test::Lintian</a></dd><dt>Term</dt><dd>A word, see <a "
         "href=x.html>x</a>.</dd></dl>",
         "Lintian\n  Lintian::Archive|./Lintian/Archive.html||\n  Lintian::Data|./Lintian/Data.html||\nTest\n  "
         "Test::Lintian|./Test/Lintian.html||\nTerm\n"},
        // A <nav> of bare links, the Bootstrap 4 way without a list.
        {"bare.html",
         "<nav class=navbar><div class=navbar-nav><a class=\"nav-item nav-link\" href=/>Home</a>"
         "<a class=\"nav-item nav-link\" href=f.html>Features</a></div></nav>",
         "Home|/||\nFeatures|f.html||\n"},
        // A README whose quote holds a list: told, not hidden.
        {"quoted.md", "- [A](a.md)\n\n> Note:\n> - [B](b.md)\n> - [C](c.md)\n", "A|a.md||\n"},
        // The sitemaps.org example: addresses that differ by their query.
        {"sitemap.xml",
         "<urlset xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">"
         "<url><loc>http://www.example.com/</loc></url>"
         "<url><loc>http://www.example.com/catalog?item=12&amp;desc=vacation_hawaii</loc></url>"
         "<url><loc>http://www.example.com/catalog?item=73&amp;desc=vacation_new_zealand</loc></url>"
         "<url><loc>http://www.example.com/catalog?item=74&amp;desc=vacation_newfoundland</loc></url>"
         "<url><loc>http://www.example.com/catalog?item=83&amp;desc=vacation_usa</loc></url>"
         "<url><loc>http://www.example.com/catalog?item=83&amp;desc=vacation_usa</loc></url>"
         "<url><lastmod>2005-01-01</lastmod></url></urlset>",
         "Home|http://www.example.com/||\n"
         "Catalog (item=12&desc=vacation hawaii)|http://www.example.com/catalog?item=12&desc=vacation_hawaii||\n"
         "Catalog (item=73&desc=vacation new "
         "zealand)|http://www.example.com/catalog?item=73&desc=vacation_new_zealand||\n"
         "Catalog (item=74&desc=vacation "
         "newfoundland)|http://www.example.com/catalog?item=74&desc=vacation_newfoundland||\n"
         "Catalog (item=83&desc=vacation usa)|http://www.example.com/catalog?item=83&desc=vacation_usa||\n"},
        // rustdoc: X.html beside X/index.html, and index.rs.html a page of its own.
        {"rustdoc.xml",
         "<?xml version=\"1.0\"?><!-- made by a site generator --><urlset>"
         "<url><loc>https://d.rs/std/index.html</loc></url><url><loc>https://d.rs/std.html</loc></url>"
         "<url><loc>https://d.rs/src/std/index.rs.html</loc></url></urlset>",
         "Std|https://d.rs/std/index.html||\nStd|https://d.rs/std.html||\nSrc\n  Std\n    "
         "Index.rs|https://d.rs/src/std/index.rs.html||\n"},
    };
    for (const Source& source : sources) {
        CMenuImport import;
        ASSERT_TRUE(import.LoadText(source.m_strText, source.m_pszName)) << import.Error();
        CImportNode root;
        ASSERT_TRUE(import.Import(root)) << source.m_pszName << ": " << import.Error();
        EXPECT_EQ(Dump(root), source.m_pszTree) << source.m_pszName;
        if (std::string(source.m_pszName) == "quoted.md") {
            EXPECT_EQ(import.Notes(), std::vector<std::string>{
                                          "quoted.md: 2 list items were left out: they stand in a quote or a table."});
        } else if (std::string(source.m_pszName) == "sitemap.xml") {
            const std::vector<std::string> notes = {"sitemap.xml: 1 URL was left out: each repeats an earlier <loc>.",
                                                    "sitemap.xml: 1 <url> was left out: no <loc> gives an address."};
            EXPECT_EQ(import.Notes(), notes);
        } else {
            EXPECT_TRUE(import.Notes().empty()) << source.m_pszName;
        }
    }
}

// Whatever the kind of source, what the menu leaves out is counted and
// its reason named, one line each.
TEST(Import, EveryKindTellsWhatItLeftOut)
{
    struct Case {
        const char* m_pszName;
        std::string m_strText;
        const char* m_pszTree;
        std::vector<std::string> m_notes;
    };
    const Case cases[] = {
        // A Bootstrap 3 navbar: a divider between the dropdown's links.
        {"bs3.html",
         "<ul class=\"nav navbar-nav\"><li class=dropdown><a href=# class=dropdown-toggle>More</a>"
         "<ul class=dropdown-menu><li><a href=a.html>A</a></li><li role=separator class=divider></li>"
         "<li class=dropdown-header>Header</li><li><a href=b.html>B</a></li></ul></li></ul>",
         "More\n  A|a.html||\n  Header\n  B|b.html||\n",
         {"bs3.html: 1 list item was left out: each holds no text, link or list."}},
        // Two links in one item: the item takes the first; a second one to the same page is no loss.
        {"pair.html",
         "<ul><li><a href=a.html><img src=a.png alt=\"\"></a> <a href=a.html>A</a> (<a href=a.pdf>pdf</a>, "
         "<a href=a.txt>txt</a>)<li><a href=b.html>B</a></ul>",
         "A|a.html||\nB|b.html||\n",
         {"pair.html: 2 links were left out: each follows the first link of its list item."}},
        // A DocBook table of contents with an empty entry.
        {"toc.html",
         "<div class=toc><dl><dt><a href=ch01.html>Intro</a></dt><dd><dl><dt><a href=s1.html>Setup</a></dt>"
         "<dt> </dt></dl></dd></dl></div>",
         "Intro|ch01.html||\n  Setup|s1.html||\n",
         {"toc.html: 1 list item was left out: each holds no text, link or list."}},
        {"outline.txt",
         "Products\n\t-\n\tSoftware\n*\nAbout\n",
         "Products\n  Software\nAbout\n",
         {"outline.txt: 2 lines were left out: each holds a list marker and no text."}},
        {"empty.md",
         "- [A](a.md)\n-\n- [B](b.md)\n-\n",
         "A|a.md||\nB|b.md||\n",
         {"empty.md: 2 list items were left out: each holds no text, link or list."}},
        {"mkdocs.yml",
         "nav:\n  - Home: index.md\n  -\n  - Guide:\n    - A: a.md\n      B: b.md\n",
         "Home|docs/index.md||\nGuide\n  A|docs/a.md||\n",
         {"mkdocs.yml: 1 \"nav:\" entry was left out: each names no page or section.",
          "mkdocs.yml: 1 \"nav:\" label was left out: each follows the first label of its entry."}},
        {"sitemap.xml",
         "<urlset><url><loc>https://e.org/a</loc></url><url><loc>https://e.org/a</loc></url></urlset>",
         "A|https://e.org/a||\n",
         {"sitemap.xml: 1 URL was left out: each repeats an earlier <loc>."}},
        // Nothing left out, nothing told.
        {"clean.html", "<ul><li><a href=a.html>A</a><li>Text</ul>", "A|a.html||\nText\n", {}},
    };
    for (const Case& c : cases) {
        CMenuImport import;
        ASSERT_TRUE(import.LoadText(c.m_strText, c.m_pszName)) << import.Error();
        CImportNode root;
        ASSERT_TRUE(import.Import(root)) << c.m_pszName << ": " << import.Error();
        EXPECT_EQ(Dump(root), c.m_pszTree) << c.m_pszName;
        EXPECT_EQ(import.Notes(), c.m_notes) << c.m_pszName;
    }
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
    const std::string deepMarkdown = [] {
        std::string text;
        for (int i = 0; i <= CMenuImport::kMaxLevels; ++i)
            text += std::string(static_cast<size_t>(i) * 2, ' ') + "- x\n";
        return text;
    }();
    const std::string deepPage = [] {
        std::string text = "<nav>";
        for (int i = 0; i <= CMenuImport::kMaxLevels; ++i)
            text += "<ul><li>x";
        return text;
    }();
    const Source bad[] = {
        {"empty.txt", "\n  \n- \n", "empty.txt: The outline has no items: every line is empty."},
        {"empty.md", "\n  \n- \n", "empty.md: The Markdown file holds no list, heading or link"},
        {"blank.htm", "<html><body><p>Welcome</p></body></html>", "blank.htm: The page has no menu list"},
        {"empty.htm", "<nav>\n<ul id=\"m\">\n</ul></nav>", "empty.htm: The list <ul id=\"m\"> at line 2 has no items."},
        {"logo.png", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), "logo.png: The file is not an HTML page"},
        {"broken.xml", "<?xml version=\"1.0\"?>\n<urlset>\n<url><loc>a</url>\n</urlset>",
         "broken.xml: The sitemap is not well-formed XML: Start-end tags mismatch at line 3."},
        {"feed.xml", "<?xml version=\"1.0\"?><rss><channel/></rss>",
         "feed.xml: The XML file is not a sitemap: its root element is <rss>, not <urlset>."},
        {"none.xml", "<urlset><url><lastmod>2024</lastmod></url></urlset>", "none.xml: The sitemap lists no URLs"},
        {"deep.txt", deepOutline, "deep.txt: Line 1001 nests deeper than 1000 levels"},
        {"deep.md", deepMarkdown, "deep.md: The Markdown lists nest deeper than 1000 levels"},
        {"quotes.md", std::string(20000, '>') + " - x\n", "quotes.md: A line of the Markdown file nests deeper"},
        {"prose.md", "# Title\n\nJust text, [a link](a.html) in it.\n\n## Part\n\nMore text.\n",
         "prose.md: The Markdown file holds no list"},
        {"empties.htm", "<ul id=a></ul>\n<ol class=b></ol><ul></ul>",
         "empties.htm: The lists <ul id=\"a\"> at line 1 and <ol class=\"b\"> at line 2 (and 1 more) have no items."},
        {"frames.htm",
         "<html><frameset cols=\"20%,80%\"><frame src=\"toc.html\"><frame src=\"main.html\"></frameset></html>",
         "frames.htm: The page is a frameset; import the page of one of its frames instead: toc.html, main.html."},
        {"cut.xml.gz", Gzip("<urlset><url><loc>https://e.org/</loc></url></urlset>").substr(0, 30),
         "cut.xml.gz: The packed file cannot be read: the packed data is cut off."},
        {"bomb.xml.gz", Gzip(std::string(65u << 20, ' ')),
         "bomb.xml.gz: The packed file cannot be read: it unpacks to more than 64 MB."},
        {"plain.yml", "site_name: x\ntheme: readthedocs\n", "plain.yml: The MkDocs configuration has no \"nav:\" list"},
        {"broken.yaml", "nav:\n  - [a\n", "broken.yaml: The YAML cannot be read"},
        {"deep.yml", "nav: " + std::string(50000, '['), "deep.yml: The YAML nests deeper than 1000 levels"},
        {"deep.htm", deepPage, "deep.htm: The page nests its lists more than 1000 levels deep (at line 1)"},
    };
    for (const Source& source : bad) {
        CMenuImport import;
        CImportNode root;
        const bool done = import.LoadText(source.m_strText, source.m_pszName) && import.Import(root);
        EXPECT_FALSE(done) << source.m_pszName;
        EXPECT_EQ(import.Error().rfind(source.m_pszTree, 0), 0u) << source.m_pszName << ": " << import.Error();
        EXPECT_TRUE(root.m_children.empty()) << source.m_pszName;
    }
    MemoryFileSystem fs;
    CMenuImport import;
    EXPECT_FALSE(import.Load(fs, "/nowhere/menu.htm"));
    EXPECT_EQ(import.Error(), "menu.htm: The file cannot be read.");
}

// Text as a browser shows it: in the encoding the file declares (or the
// browsers' default), with inline markup inside a word joining no space in.
TEST(Import, TextIsReadInItsDeclaredEncodingAndLaidOutAsInABrowser)
{
    // ASCII text in UTF-16, low or high byte first; "\xE9" is U+00E9.
    const auto utf16 = [](std::string_view text, bool little) {
        std::string out;
        for (const char c : text)
            out += little ? std::string{c, '\0'} : std::string{'\0', c};
        return out;
    };
    const std::string list = "<ul><li><a href=a.html>Su\xE1rez</a></ul>";
    const Source sources[] = {
        // The head of Debian's libxslt manual pages.
        {"latin1.html",
         "<html xmlns=\"http://www.w3.org/1999/xhtml\"><head><meta http-equiv=\"Content-Type\" "
         "content=\"text/html; charset=ISO-8859-1\" /></head><body>" +
             list,
         "Su\xC3\xA1rez|a.html||\n"},
        {"meta.html", "<meta charset='windows-1252'>" + list, "Su\xC3\xA1rez|a.html||\n"},
        {"xhtml.html", "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n<html>" + list, "Su\xC3\xA1rez|a.html||\n"},
        {"undeclared.html", "<ul><li>\x93Quoted\x94</ul>", "\xE2\x80\x9CQuoted\xE2\x80\x9D\n"},
        {"utf8.html", "\xEF\xBB\xBF<meta charset=iso-8859-1><ul><li>Caf\xC3\xA9</ul>", "Caf\xC3\xA9\n"},
        {"utf16le.html", "\xFF\xFE" + utf16("<ul><li>Su\xE1rez</ul>", true), "Su\xC3\xA1rez\n"},
        {"utf16be.html", utf16("<ul><li>Su\xE1rez</ul>", false), "Su\xC3\xA1rez\n"},
        {"outline16.md", "\xFE\xFF" + utf16("- One\n  - Two\n", false), "One\n  Two\n"},
        {"inline.html",
         "<ul><li><a href=c.html>C<span class=pp>++</span> API</a><li><a href=h.html><b>H</b>ome</a>"
         "<li>One<br>Two<li><div>A</div><div>B</div><li>x <em> y </em>z"
         "<li><a href=/><img src=logo.svg alt=\"Example Inc.\"></a></ul>",
         "C++ API|c.html||\nHome|h.html||\nOne Two\nA B\nx y z\nExample Inc.|/||\n"},
        {"labels.xml",
         "<urlset><url><loc>https://e.org/C%2B%2B/</loc></url><url><loc>https://e.org/caf%E9.html</loc></url>"
         "<url><loc>https://e.org/hello+big-world_map</loc></url></urlset>",
         "C++|https://e.org/C%2B%2B/||\nCaf\xC3\xA9|https://e.org/caf%E9.html||\n"
         "Hello big world map|https://e.org/hello+big-world_map||\n"},
    };
    for (const Source& source : sources) {
        CMenuImport import;
        ASSERT_TRUE(import.LoadText(source.m_strText, source.m_pszName)) << import.Error();
        CImportNode root;
        ASSERT_TRUE(import.Import(root)) << source.m_pszName << ": " << import.Error();
        EXPECT_EQ(Dump(root), source.m_pszTree) << source.m_pszName;
    }
}

// The extension and the content decide together: Markdown may start with
// HTML, a sitemap with a comment, and a name without extension says nothing.
TEST(Import, ExtensionAndContentTellTheKind)
{
    using Kind = CMenuImport::Kind;
    const std::tuple<const char*, const char*, Kind> cases[] = {
        {"README.md", "<!-- START doctoc -->\n- [A](#a)\n", Kind::Outline},
        {"README.markdown", "<div align=\"center\"><img src=logo.png></div>\n", Kind::Outline},
        {"notes.txt", "<b>not a page</b>\n", Kind::Outline},
        {"sitemap.xml", "<!-- generated -->\n<urlset>", Kind::Sitemap},
        {"sitemap", "\xEF\xBB\xBF<?xml version=\"1.0\"?>\n<!-- c --><urlset>", Kind::Sitemap},
        {"sitemap.xml.gz", "<ns:urlset xmlns:ns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">", Kind::Sitemap},
        {"page.xml", "<?xml version=\"1.0\"?><!DOCTYPE html><html>", Kind::Html},
        {"feed.xml", "<rss>", Kind::Sitemap},  // refused then as no sitemap, by its root element
        {"page", "  <!doctype html><title>x</title>", Kind::Html},
        {"page.HTM", "Welcome", Kind::Html},
        {"menu", "- a\n", Kind::Outline},
        {"mkdocs.yml", "site_name: x\n", Kind::MkDocs},
    };
    for (const auto& [name, text, kind] : cases)
        EXPECT_EQ(static_cast<int>(CMenuImport::Detect(text, name)), static_cast<int>(kind)) << name;
}

// Deep nesting is refused by a scan before the parser, which would take
// minutes on it; what only looks like a tag does not count.
TEST(Import, DeepNestingIsRefusedBeforeParsing)
{
    const auto repeat = [](const std::string& part, int times) {
        std::string text;
        for (int i = 0; i < times; ++i)
            text += part;
        return text;
    };
    struct Case {
        const char* m_pszName;
        std::string m_strHtml;
        const char* m_pszError;  // "" when the page is read
    };
    const Case cases[] = {
        {"unclosed lists", "<nav>\n" + repeat("<ul><li>x\n", 100000),
         "The page nests its lists more than 1000 levels deep (at line 1002)"},
        {"unclosed ol and dl", repeat("<ol><li><dl><dt>x</dt><dd>", 600),
         "The page nests its lists more than 1000 levels deep"},
        {"divs", "<ul><li>a</ul>" + repeat("<div>", 300000), "The page nests its elements more than 4000 deep"},
        {"closed lists", repeat("<ul><li>x</li></ul>", 200000), ""},
        {"flat unclosed items", "<ul>" + repeat("<li><p>x", 200000), ""},
        {"lists closed by an outer end tag", repeat("<div>" + repeat("<ul><li>x", 900) + "</div>", 50), ""},
        {"items at the bottom of deep lists", repeat("<ul><li>x", 900) + repeat("<li>x", 50000), ""},
        // Each a parse error, which the parser would record with a copy of the open elements.
        {"stray end tags deep inside", "<ul><li>a</ul>" + repeat("<div>", 3900) + repeat("</x>", 10000), ""},
        // Within both limits, but the parser would look through thousands of open elements at each tag.
        {"rules under deep elements", "<ul><li>a</ul>" + repeat("<div>", 3999) + repeat("<hr>", 250000),
         "The page holds too many elements deep inside others (from line 1 on)"},
        {"items under deep elements", "<ul><li>a</ul>" + repeat("<div>", 3999) + repeat("<li>x", 200000),
         "The page holds too many elements deep inside others"},
        {"lists in comments, scripts and values",
         "<ul><li>a</ul><!--" + repeat("<ul>", 2000) + "--><script>\"" + repeat("<ul>", 2000) +
             "\"</script><p title=\"" + repeat("<ul>", 2000) + "\">",
         ""},
    };
    for (const Case& c : cases) {
        // Processor time: what a busy machine makes the test wait does not count.
        const std::clock_t start = std::clock();
        CMenuImport import;
        CImportNode root;
        const bool read = import.LoadText(c.m_strHtml, "deep.html");
        const double seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
        EXPECT_EQ(read, *c.m_pszError == '\0') << c.m_pszName << ": " << import.Error();
        if (!read) {
            EXPECT_EQ(import.Error().rfind(std::string("deep.html: ") + c.m_pszError, 0), 0u) << import.Error();
        }
        // Under a second a megabyte (0.1 to 0.6 s on a quiet machine), with
        // room for a busy one; the refusals take milliseconds.
        EXPECT_LT(seconds, 1.0 + 2 * static_cast<double>(c.m_strHtml.size()) / 1e6) << c.m_pszName;
    }
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
    // A page's <base href> is where its links are read from, and an
    // outline's "#part" names the outline itself.
    const std::pair<const char*, const char*> sources[] = {
        {"based.html", "<base href=\"https://example.com/docs/\"><ul><li><a href=a.html>A</a>"
                       "<li><a href=#b>B</a></ul>"},
        {"relative.html", "<base href=\"sub/\"><ul><li><a href=a.html>A</a><li><a href=#b>B</a></ul>"},
        {"outline.md", "- [A](a.html)\n- [B](#b)\n"},
    };
    const std::pair<const char*, const char*> wanted[] = {
        {"https://example.com/docs/a.html", "https://example.com/docs/#b"},
        {"../site/sub/a.html", "../site/sub/#b"},
        {"../site/a.html", "../site/outline.md#b"},
    };
    for (size_t i = 0; i < std::size(sources); ++i) {
        CMenuImport import;
        CImportNode root;
        ASSERT_TRUE(import.LoadText(sources[i].second, std::string("/site/") + sources[i].first) &&
                    import.Import(root));
        import.LinkFrom(root, "/other/menu.htm");
        EXPECT_EQ(root.m_children.at(0)->m_strLink, wanted[i].first) << sources[i].first;
        EXPECT_EQ(root.m_children.at(1)->m_strLink, wanted[i].second) << sources[i].first;
    }
}

TEST(Import, LinksAreReadAgainstTheBaseAsABrowserReadsThem)
{
    struct Case {
        const char* m_pszBase;
        const char* m_pszLink;
        const char* m_pszWanted;
    };
    const Case cases[] = {
        {"https://e.org/x/y.html?p#q", "a.html", "https://e.org/x/a.html"},
        {"https://e.org/x/y.html?p#q", "#f", "https://e.org/x/y.html?p#f"},
        {"https://e.org/x/y.html?p#q", "?r", "https://e.org/x/y.html?r"},
        {"https://e.org/x/y.html", "/root.html", "https://e.org/root.html"},
        {"https://e.org/x/y.html", "../../../z.html", "https://e.org/z.html"},
        {"https://e.org/x/y.html", "sub/./b/../c/", "https://e.org/x/sub/c/"},
        {"https://e.org", "a.html", "https://e.org/a.html"},
        {"https://e.org/x/", "//cdn.org/s.js", "https://cdn.org/s.js"},
        {"https://e.org/x/", "mailto:a@e.org", "mailto:a@e.org"},
        {"../", "a.html?x#y", "../a.html?x#y"},
        {"docs/index.html", "a.html", "docs/a.html"},
        {"", "a.html", "a.html"},
        {"https://e.org/", "", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CLinkRebase::Resolve(c.m_pszBase, c.m_pszLink), c.m_pszWanted) << c.m_pszBase << " " << c.m_pszLink;
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
    // Leaves keep the shared empty sub-menu (a large import is mostly leaves).
    EXPECT_FALSE(level1.GetItem(0)->m_pSubMenu.IsShared());
    EXPECT_TRUE(level1.GetItem(0)->m_pSubMenu->GetItem(0)->m_pSubMenu.IsShared());
    EXPECT_TRUE(built.GetItem(1)->m_pSubMenu.IsShared());
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
