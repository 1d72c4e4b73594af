// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <algorithm>
#include <gtest/gtest.h>
#include <string>

#include "core/model/CAppletParameters.h"
#include "core/publish/CHtml5Css.h"
#include "core/publish/CHtml5Exporter.h"
#include "core/publish/CHtml5Markup.h"
#include "core/publish/CPageHead.h"
#include "support/MemoryFileSystem.h"

namespace {
CTavelinItem* AddItem(CTavelin& menu, const std::string& label, const std::string& link = "")
{
    auto item = std::make_unique<CTavelinItem>(label);
    item->m_strLink = link;
    CTavelinItem* raw = item.get();
    menu.AddItem(std::move(item), false);
    return raw;
}

// Menu 0: Home, Products (opening Tools, Toys), Hidden (opening Secret);
// a hidden top-level menu; a top-level menu whose only item is hidden; and
// menu 2: Contact.
void SiteModel(CAppletParameters& p)
{
    p.Reset();
    p.m_strName = "Site";
    auto top = std::make_unique<CTavelin>(0, "top");
    AddItem(*top, "Home", "index.htm")->m_strDescription = "The start page";
    CTavelinItem* products = AddItem(*top, "Products");
    AddItem(*products->m_pSubMenu, "Tools", "tools.htm")->m_strTarget = "main";
    AddItem(*products->m_pSubMenu, "Toys", "toys.htm")->m_strTarget = "_self";
    CTavelinItem* hidden = AddItem(*top, "Hidden", "hidden.htm");
    hidden->m_bVisible = 0;
    AddItem(*hidden->m_pSubMenu, "Secret", "secret.htm");
    p.AttachTopMenu(std::move(top), false);

    auto off = std::make_unique<CTavelin>(0, "off");
    AddItem(*off, "Off", "off.htm");
    off->m_bVisible = 0;
    p.AttachTopMenu(std::move(off), false);
    auto empty = std::make_unique<CTavelin>(0, "empty");
    AddItem(*empty, "Gone", "gone.htm")->m_bVisible = 0;
    p.AttachTopMenu(std::move(empty), false);
    auto last = std::make_unique<CTavelin>(0, "last");
    AddItem(*last, "Contact", "contact.htm");
    p.AttachTopMenu(std::move(last), false);
}

size_t Count(const std::string& text, const std::string& what)
{
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

struct ExportFixture : ::testing::Test {
    void SetUp() override
    {
        fs.m_dirs = {"/prog", "/site"};
        fs.m_files["/prog/tavelin.js"] = "// runtime";
        SiteModel(params);
    }
    MemoryFileSystem fs;
    CAppletParameters params;
    CHtml5Exporter exporter{fs, "/prog"};
};
}  // namespace

TEST_F(ExportFixture, MenusBecomeNestedListsOfRealLinks)
{
    const std::string page = exporter.PageText(params);
    EXPECT_EQ(page.rfind("<!DOCTYPE html>\r\n", 0), 0u);
    EXPECT_NE(page.find("<title>Site</title>"), std::string::npos);
    EXPECT_NE(page.find("<script src=\"tavelin.js\"></script>"), std::string::npos);
    EXPECT_EQ(page.find("<applet"), std::string::npos);

    // Written menus are numbered depth-first as in the applet page:
    // top 0, its sub-menu 1, the last top-level menu 2.
    EXPECT_NE(page.find("<ul class=\"tv-menu tv-m0 tv-k0\" id=\"tv1-m0\">"), std::string::npos);
    EXPECT_NE(page.find("<div class=\"tv-sub\" id=\"tv1-s1\">\r\n<ul class=\"tv-menu tv-m1 tv-k0\""),
              std::string::npos);
    EXPECT_NE(page.find("<ul class=\"tv-menu tv-m2 tv-k0\" id=\"tv1-m2\">\r\n<li class=\"tv-li\">"
                        "<a class=\"tv-item\" href=\"contact.htm\">"),
              std::string::npos);
    EXPECT_EQ(Count(page, "<ul class=\"tv-menu"), 3u);
    EXPECT_EQ(Count(page, "<li class=\"tv-li\">"), 5u);

    // The sub-menu sits inside the item it opens from, after the item.
    const size_t products = page.find("<span class=\"tv-label\">Products</span></span>");
    const size_t tools = page.find("href=\"tools.htm\" target=\"main\"");
    const size_t home = page.find("<a class=\"tv-item\" href=\"index.htm\" title=\"The start page\">");
    ASSERT_NE(products, std::string::npos);
    ASSERT_NE(home, std::string::npos);
    EXPECT_LT(home, products);
    EXPECT_LT(products, tools);
    EXPECT_NE(page.find("<span class=\"tv-item\"><span class=\"tv-label\">Products"), std::string::npos);
    EXPECT_NE(page.find("<a class=\"tv-item\" href=\"toys.htm\"><span"), std::string::npos) << "_self is no target";

    // Hidden items, their sub-menus and hidden or empty top-level menus stay out.
    for (const char* absent : {"hidden.htm", "secret.htm", "off.htm", "gone.htm", "tv-m3"})
        EXPECT_EQ(page.find(absent), std::string::npos) << absent;

    // The looks: one rule set for menus that look alike, the box's own size and behaviour.
    EXPECT_NE(page.find(".tv1{width:400px;height:200px;"), std::string::npos);
    EXPECT_EQ(Count(page, "{margin-inline-start:40px;width:80px;margin-top:0px;}"), 1u);
    EXPECT_NE(page.find(".tv1 .tv-k0{margin-inline-start:40px;width:80px;margin-top:0px;}"), std::string::npos);
    EXPECT_EQ(page.find(".tv-k1"), std::string::npos);
    EXPECT_NE(page.find("data-tavelin=\"export\" data-open-speed=\"5\" data-close-speed=\"5\" "
                        "data-show-selection=\"1\" data-show-all=\"0\">"),
              std::string::npos);
    EXPECT_NE(page.find("<div class=\"tv-page\" style=\"text-align:center\">"), std::string::npos);
    params.m_nAlign = 2;
    EXPECT_NE(exporter.PageText(params).find("style=\"text-align:right\""), std::string::npos);
}

TEST_F(ExportFixture, LooksFollowTheModelAsThePageCarriesThem)
{
    CTavelin& top = *params.m_arrMenus[0];
    top.m_nBackStyle = 3;
    top.m_crBackground = RGB(0x20, 0x40, 0x60);
    top.m_nBorderThick = 2;
    top.m_styleNormal.m_nBackStyle = 9;
    top.m_styleNormal.m_nGradientDir = 0;
    top.m_styleNormal.m_crBack = RGB(0x99, 0x66, 0x33);
    top.m_styleNormal.m_nFontName = 2;
    top.m_styleNormal.m_nFontStyle = 2;
    top.m_styleOver.m_nBorder = 1;
    // A value the page cannot carry in its digit run ("%d%d%d") draws as
    // the page's reader would: with the defaults of that run.
    top.m_styleClick.m_nBackStyle = 12;
    top.m_styleClick.m_nBorder = 2;
    params.m_nDisplayFromY = 17;
    params.m_nBackStyle = 2;
    params.m_nGradientDir = 1;
    params.m_crBackground = RGB(255, 0, 0);
    params.m_bHasLines = 0;

    const std::string page = exporter.PageText(params);
    EXPECT_NE(page.find(".tv1 .tv-k0{margin-inline-start:40px;width:80px;margin-top:17px;background:#204060;"
                        "outline:1px solid #122335;}"),
              std::string::npos);
    EXPECT_NE(page.find(".tv1 .tv-k1{margin-inline-start:40px;width:80px;margin-top:0px;}"), std::string::npos)
        << "only the first menu starts at the display Y";
    EXPECT_NE(page.find("<ul class=\"tv-menu tv-m2 tv-k1\""), std::string::npos);
    // Colours are custom properties with the model's colour as fallback.
    EXPECT_NE(page.find(".tv1 .tv-k0>.tv-li>.tv-item{background:linear-gradient(to bottom,var(--tv-back,#996633),"
                        "#ffffff);color:var(--tv-font,#ffffff);border:2px solid #ffffff;font-family:\"Courier New\""),
              std::string::npos);
    EXPECT_NE(page.find("font-style:italic"), std::string::npos);
    EXPECT_NE(
        page.find(".tv-item:focus-visible{background:var(--tv-over-back,#000000);"
                  "color:var(--tv-over-font,#ffffff);border:2px solid;border-color:#999999 #000000 #000000 #999999;"),
        std::string::npos);
    EXPECT_NE(page.find(".tv-item:active{background:var(--tv-click-back,#000000);color:var(--tv-click-font,#ffffff);"
                        "border:2px solid #ffffff;"),
              std::string::npos);
    EXPECT_NE(page.find(".tv1{width:400px;height:200px;background:linear-gradient(to bottom,#ffffff,#ff0000,"
                        "#ffffff) var(--tv-box-back,#ff0000);border:0;}"),
              std::string::npos);
    EXPECT_EQ(page.find("::before{content:\"\""), std::string::npos) << "no tree lines when switched off";
}

TEST_F(ExportFixture, TextIsEscapedAndTheCharsetFitsIt)
{
    CTavelinItem& home = *params.m_arrMenus[0]->m_arrItems[0];
    home.m_strLabel = "Fish & <Chips>\r\n\"2\" 'for' 1";
    home.m_strDescription = "a\"b<c>";
    home.m_strLink = "x.htm?a=1&b=\"2\"";
    home.m_strTarget = "<frame>";
    params.m_strName = "Name </title><script>";
    const std::string page = exporter.PageText(params);
    EXPECT_NE(page.find("<span class=\"tv-label\">Fish &amp; &lt;Chips&gt;\n&quot;2&quot; &#39;for&#39; 1</span>"),
              std::string::npos);
    EXPECT_NE(page.find("href=\"x.htm?a=1&amp;b=&quot;2&quot;\" target=\"&lt;frame&gt;\" title=\"a&quot;b&lt;c&gt;\""),
              std::string::npos);
    EXPECT_NE(page.find("<title>Name &lt;/title&gt;&lt;script&gt;</title>"), std::string::npos);
    EXPECT_NE(page.find("aria-label=\"Name &lt;/title&gt;&lt;script&gt;\""), std::string::npos);
    EXPECT_EQ(page.find("</title><script>"), std::string::npos);
    EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos);
}

// A project that mixes UTF-8 and 8-bit texts: every text is written in
// ASCII, as character references and percent-encoded UTF-8, so that it
// survives a host page of any character set.
TEST_F(ExportFixture, TextsOfAnyCharsetAreWrittenInAscii)
{
    CTavelinItem& home = *params.m_arrMenus[0]->m_arrItems[0];
    const struct {
        const char* label;
        const char* link;
        const char* shown;
        const char* href;
    } cases[] = {
        {"caf\xc3\xa9", "caf\xc3\xa9.htm", "caf&#xE9;", "caf%C3%A9.htm"},  // UTF-8
        {"\xe6\xbc\xa2\xe5\xad\x97", "k.htm?q=\xe6\xbc\xa2", "&#x6F22;&#x5B57;", "k.htm?q=%E6%BC%A2"},
        {"caf\xe9 \x80", "caf\xe9.htm", "caf&#xE9; &#x20AC;", "caf%C3%A9.htm"},  // windows-1252
        {"\xc3\xa9 and \xe9", "a%20b.htm", "&#xE9; and &#xE9;", "a%20b.htm"},    // both in one label
        {"\xc0\xaf \xed\xa0\x80", "x.htm", "&#xC0;&#xAF; &#xED;&#xA0;&#x20AC;",
         "x.htm"},  // no overlong form, no surrogate
        {"\xf0\x9f\x8d\xb0", "x.htm", "&#x1F370;", "x.htm"},
    };
    for (const auto& c : cases) {
        home.m_strLabel = c.label;
        home.m_strLink = c.link;
        home.m_strDescription = c.label;
        const std::string page = exporter.PageText(params);
        EXPECT_NE(page.find(std::string("<span class=\"tv-label\">") + c.shown + "</span>"), std::string::npos)
            << c.shown;
        EXPECT_NE(page.find(std::string("href=\"") + c.href + "\" title=\"" + c.shown + '"'), std::string::npos)
            << c.href;
        EXPECT_TRUE(std::all_of(page.begin(), page.end(), [](char b) { return static_cast<unsigned char>(b) < 0x80; }))
            << c.shown;
        EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos);
    }
    EXPECT_EQ(CHtml5Markup::UrlPath("caf\xe9 1.gif"), "caf%C3%A9%201.gif");
}

TEST_F(ExportFixture, ScriptLinksAreTextAndThePageNamesItsLanguage)
{
    CTavelinItem& home = *params.m_arrMenus[0]->m_arrItems[0];
    const std::string anchor = "<a class=\"tv-item\"";
    const size_t links = Count(exporter.PageText(params), anchor);
    for (const char* link :
         {"javascript:alert(1)", " JavaScript:x", "java\nscript:x", "VBScript:x", "data:text/html,x"}) {
        home.m_strLink = link;
        EXPECT_EQ(Count(exporter.PageText(params), anchor), links - 1) << link;
    }
    for (const char* link : {"index.htm", "mailto:a@b.c", "https://x.org/javascript:", "./javascript:x"}) {
        home.m_strLink = link;
        EXPECT_EQ(Count(exporter.PageText(params), anchor), links) << link;
    }
    exporter.SetLanguage("fr");
    EXPECT_NE(exporter.PageText(params).find("<html lang=\"fr\">"), std::string::npos);

    const struct {
        const char *all, *messages, *lang, *tag;
    } locales[] = {{nullptr, nullptr, nullptr, "en"},    {"", "", "C.UTF-8", "en"},
                   {nullptr, nullptr, "POSIX", "en"},    {nullptr, nullptr, "de_CH.UTF-8@euro", "de-CH"},
                   {"fr_FR", nullptr, "de_DE", "fr-FR"}, {nullptr, "pt_BR.utf8", "de_DE", "pt-BR"},
                   {nullptr, nullptr, "ast", "ast"}};
    for (const auto& l : locales)
        EXPECT_EQ(CPageHead::LanguageFromLocale(l.all, l.messages, l.lang), l.tag) << (l.lang ? l.lang : "-");
}

// Two menus exported to different files can share one page: each box has
// its own id and the ids and rules inside it carry that id.
TEST_F(ExportFixture, FragmentAndStyleSheetToPasteIntoAPage)
{
    std::string error;
    exporter.SetFragment(true);
    ASSERT_TRUE(exporter.Export(params, "/site/side menu.htm", &error)) << error;
    const std::string& part = fs.m_files["/site/side menu.htm"];
    const std::string& css = fs.m_files["/site/side menu.css"];
    EXPECT_EQ(part.find("<html"), std::string::npos);
    EXPECT_EQ(part.find("<style"), std::string::npos);
    EXPECT_NE(part.find("<link rel=\"stylesheet\" href=\"side%20menu.css\">"), std::string::npos);
    // The scope: the file's name and a number from its whole path and the menu's name.
    const std::string scope = CHtml5Exporter::ScopeFor("/site/side menu.htm", params.m_strName);
    EXPECT_EQ(scope.rfind("tv-side_menu-", 0), 0u);
    EXPECT_EQ(scope.size(), std::string("tv-side_menu-").size() + 6);
    EXPECT_NE(part.find("<div class=\"tv-box " + scope + "\" data-tavelin=\"export\""), std::string::npos);
    EXPECT_NE(part.find("id=\"" + scope + "-m2\""), std::string::npos);
    EXPECT_NE(part.find("<script src=\"tavelin.js\" defer></script>"), std::string::npos);
    EXPECT_EQ(css.rfind(".tv-box{", 0), 0u);
    EXPECT_NE(css.find("." + scope + " .tv-k0{"), std::string::npos);
    EXPECT_EQ(css.find(".tv1"), std::string::npos);

    exporter.SetFragment(false);
    ASSERT_TRUE(exporter.Export(params, "/site/top.htm", &error)) << error;
    EXPECT_NE(fs.m_files["/site/top.htm"].find("class=\"tv-box " +
                                               CHtml5Exporter::ScopeFor("/site/top.htm", params.m_strName) + '"'),
              std::string::npos);
    // Files of one name in other folders, or another menu, get scopes of their own.
    EXPECT_NE(CHtml5Exporter::ScopeFor("/site/top.htm", "a"), CHtml5Exporter::ScopeFor("/site/b/top.htm", "a"));
    EXPECT_NE(CHtml5Exporter::ScopeFor("/site/top.htm", "a"), CHtml5Exporter::ScopeFor("/site/top.htm", "b"));
    EXPECT_EQ(fs.m_files.count("/site/top.css"), 0u);
}

TEST_F(ExportFixture, ShownMediaAndTheRuntimeAreCopiedBesideThePage)
{
    fs.m_dirs.insert("/media");
    for (const char* name : {"/media/n.gif", "/media/over sound.au", "/media/back.png", "/media/loop.wav",
                             "/media/hidden.gif", "/media/notes.txt", "/media/c\"q.jpg"})
        fs.m_files[name] = std::string("bytes of ") + name;
    CTavelinItem& home = *params.m_arrMenus[0]->m_arrItems[0];
    home.m_strNormalImage = "/media/n.gif";
    home.m_strClickImage = "/media/c\"q.jpg";
    home.m_strOverImage = "/media/notes.txt";  // not a media file
    home.m_strOverAudio = "/media/over sound.au";
    home.m_strClickAudio = "/media/missing.au";
    params.m_arrMenus[0]->m_arrItems[2]->m_strNormalImage = "/media/hidden.gif";  // the hidden item
    params.m_strBackImage = "/media/back.png";
    params.m_strBackAudio = "/media/loop.wav";

    std::string error;
    ASSERT_TRUE(exporter.Export(params, "/site/menu.htm", &error)) << error;
    for (const char* copied : {"/site/tavelin.js", "/site/n.gif", "/site/over sound.au", "/site/back.png",
                               "/site/loop.wav", "/site/c\"q.jpg"})
        EXPECT_EQ(fs.m_files.count(copied), 1u) << copied;
    for (const char* left : {"/site/hidden.gif", "/site/notes.txt", "/site/missing.au"})
        EXPECT_EQ(fs.m_files.count(left), 0u) << left;
    EXPECT_EQ(fs.m_files["/site/tavelin.js"], "// runtime");

    const std::string& page = fs.m_files["/site/menu.htm"];
    EXPECT_NE(page.find("data-over-audio=\"over%20sound.au\">"), std::string::npos);
    EXPECT_EQ(page.find("data-click-audio"), std::string::npos) << "a missing file is not referenced";
    // The over state has no image of its own (a text file is none) and shows the normal one.
    EXPECT_NE(page.find("<img class=\"tv-img tv-img-no\" src=\"n.gif\" alt=\"\">"
                        "<img class=\"tv-img tv-img-c\" src=\"c%22q.jpg\" alt=\"\">"),
              std::string::npos);
    EXPECT_NE(page.find("." + CHtml5Exporter::ScopeFor("/site/menu.htm", params.m_strName) +
                        "{width:400px;height:200px;background:url(\"back.png\") 0px 0px no-repeat,"),
              std::string::npos);
    EXPECT_NE(page.find("data-back-audio=\"loop.wav\""), std::string::npos);
}

// A picture every state shows is written once; pictures that differ by
// state each get their own element.
TEST_F(ExportFixture, StatePicturesAreWrittenOncePerPicture)
{
    fs.m_dirs.insert("/media");
    for (const char* name : {"/media/a.gif", "/media/b.gif"})
        fs.m_files[name] = "bytes";
    const auto img = [](const std::string& state, const std::string& src) {
        return "<img class=\"tv-img tv-img-" + state + "\" src=\"" + src + "\" alt=\"\">";
    };
    struct Case {
        const char *normal, *over, *click;
        std::string written;
        size_t images;
    };
    const Case cases[] = {
        {"/media/a.gif", "", "", img("a", "a.gif"), 1},
        {"/media/a.gif", "/media/a.gif", "/media/a.gif", img("a", "a.gif"), 1},
        {"/media/a.gif", "/media/b.gif", "", img("nc", "a.gif") + img("o", "b.gif"), 2},
        {"/media/a.gif", "", "/media/b.gif", img("no", "a.gif") + img("c", "b.gif"), 2},
        {"/media/a.gif", "/media/b.gif", "/media/b.gif", img("n", "a.gif") + img("o", "b.gif") + img("c", "b.gif"), 3},
        {"", "/media/b.gif", "", img("o", "b.gif"), 1},
        {"", "", "/media/b.gif", img("c", "b.gif"), 1},
    };
    CTavelinItem& home = *params.m_arrMenus[0]->m_arrItems[0];
    for (const Case& c : cases) {
        home.m_strNormalImage = c.normal;
        home.m_strOverImage = c.over;
        home.m_strClickImage = c.click;
        const std::string page = exporter.PageText(params);
        EXPECT_NE(page.find(c.written + "<span class=\"tv-label\">"), std::string::npos) << c.written;
        size_t count = 0;
        for (size_t at = page.find("<img"); at != std::string::npos; at = page.find("<img", at + 1))
            ++count;
        EXPECT_EQ(count, c.images) << c.written;
    }
}

TEST_F(ExportFixture, FailuresLeaveTheOldPageAndSayWhy)
{
    fs.m_files["/site/menu.htm"] = "old page";
    fs.m_readOnly.insert("/site");
    std::string error;
    EXPECT_FALSE(exporter.Export(params, "/site/menu.htm", &error));
    EXPECT_EQ(error, CHtml5Exporter::kSaveFailed);
    EXPECT_EQ(fs.m_files["/site/menu.htm"], "old page");

    fs.m_readOnly.clear();
    fs.m_files.erase("/prog/tavelin.js");
    EXPECT_FALSE(exporter.Export(params, "/site/menu.htm", &error));
    EXPECT_EQ(error, CHtml5Exporter::kRuntimeMissing);
    EXPECT_EQ(fs.m_files["/site/menu.htm"], "old page");
    EXPECT_EQ(fs.m_files.count("/site/tavelin.js"), 0u);

    fs.m_files["/prog/tavelin.js"] = "// runtime";
    EXPECT_FALSE(exporter.Export(params, "/nowhere/menu.htm", &error)) << "a folder that does not exist";
    EXPECT_FALSE(exporter.Export(params, "/site/", &error)) << "no file name";
    EXPECT_TRUE(exporter.Export(params, "/site/menu.htm", nullptr));
    EXPECT_NE(fs.m_files["/site/menu.htm"], "old page");
}

// Text below 4.5:1 on a filled item is drawn in the nearest readable mix;
// the runtime's own table (tests/js) expects the very same colours.
TEST(Html5Css, ReadableFontKeepsGoodPairsAndMendsPoorOnes)
{
    struct Case {
        COLORREF font, back;
        int backStyle;
        const char* drawn;
    };
    const Case cases[] = {
        {RGB(0xff, 0xff, 0xff), RGB(0x00, 0xa0, 0xa0), 1, "#1a1a1a"},  // white on teal: to the dark side
        {RGB(0xff, 0xe6, 0x78), RGB(0x00, 0x82, 0x00), 1, "#fff5c9"},  // light on green: a little lighter
        {RGB(0x77, 0x77, 0x77), RGB(0x80, 0x80, 0x80), 1, "#0c0c0c"},
        {RGB(0xff, 0xff, 0xff), RGB(0x00, 0x00, 0x00), 1, "#ffffff"},  // good pairs stay
        {RGB(0xff, 0xff, 0xff), RGB(0x00, 0xa0, 0xa0), 6, "#ffffff"},  // gradients are left to the author
    };
    for (const Case& c : cases) {
        CItemStyle s;
        s.m_crFont = c.font;
        s.m_crBack = c.back;
        s.m_nBackStyle = c.backStyle;
        const COLORREF drawn = CHtml5Css::ReadableFont(s);
        EXPECT_EQ(CHtml5Css::Hex(drawn), c.drawn) << CHtml5Css::Hex(c.font) << " on " << CHtml5Css::Hex(c.back);
        if (c.backStyle == 1) {
            EXPECT_GE(CHtml5Css::Contrast(drawn, c.back), 4.5);
        }
    }
}
