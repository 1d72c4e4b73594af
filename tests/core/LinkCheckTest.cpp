// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "core/check/CLinkChecker.h"
#include "support/MemoryFileSystem.h"

// The link check on a folder of pages held in memory; a folder without an
// index page is no broken link (a browser lists its files).
TEST(LinkCheck, ReportsBrokenAndExternalReferencesByItemPath)
{
    MemoryFileSystem fs;
    fs.m_dirs = {"/site", "/site/products", "/site/empty", "/site/img"};
    fs.m_files["/site/menu.htm"] = "<html><body><a name=\"top\"></a></body></html>";
    fs.m_files["/site/products/index.html"] = "<h1 id=\"list\">x</h1>";
    fs.m_files["/site/about.html"] = "<ul><li id=team>Team</ul><form><input name=q></form><a name=old></a>";
    fs.m_files["/site/img/b.gif"] = "GIF89a";
    fs.m_files["/media/over.gif"] = "GIF89a";

    CAppletParameters params;
    CTavelin* top = params.AddTopMenu();
    top->SetItemCount(4, false);
    CTavelinItem* products = top->GetItem(0);
    products->m_strLabel = "Products";
    products->m_strLink = "products/";
    products->m_strNormalImage = "img/b.gif";
    products->m_strOverImage = "/media/over.gif";
    products->m_strClickImage = "/media/gone.gif";
    products->m_strOverAudio = "http://cdn.example/a.au";
    CTavelin* sub = products->m_pSubMenu.get();
    sub->SetItemCount(8, false);
    sub->GetItem(0)->m_strLabel = "Soft\r\nware";
    sub->GetItem(0)->m_strLink = "products/index.html#list";
    sub->GetItem(1)->m_strLabel = "Team";
    sub->GetItem(1)->m_strLink = "about.html#staff";
    sub->GetItem(2)->m_strLabel = "Old";
    sub->GetItem(2)->m_strLink = "empty/";
    sub->GetItem(3)->m_strLabel = "Spaces";
    sub->GetItem(3)->m_strLink = "about%20us.html?x=1";
    // As a browser follows them from the disk: "\\" is "/", "#top" is the
    // top of any page, an <input name> is no target, an <a name> is.
    sub->GetItem(4)->m_strLabel = "Back";
    sub->GetItem(4)->m_strLink = "products\\index.html#TOP";
    sub->GetItem(5)->m_strLabel = "Search";
    sub->GetItem(5)->m_strLink = "about.html#q";
    sub->GetItem(6)->m_strLabel = "Old";
    sub->GetItem(6)->m_strLink = "about.html#old";
    sub->GetItem(7)->m_strLabel = "Up";
    sub->GetItem(7)->m_strLink = "../../gone.html";
    top->GetItem(1)->m_strLabel = "Mail";
    top->GetItem(1)->m_strLink = "mailto:info@example.com";
    top->GetItem(2)->m_strLabel = "Top";
    top->GetItem(2)->m_strLink = "#top";
    top->GetItem(3)->m_strLabel = "Outside";
    top->GetItem(3)->m_strLink = "../menu.htm";

    CLinkChecker checker(fs, "/site/menu.htm");
    const auto findings = checker.Run(params);
    const std::vector<std::string> expected = {
        "Products: broken image \"/media/gone.gif\": no such file",
        "Products: external sound \"http://cdn.example/a.au\", not checked",
        "Products > Team: broken link \"about.html#staff\": no id or name \"staff\" in about.html",
        "Products > Spaces: broken link \"about%20us.html?x=1\": no such file",
        "Products > Search: broken link \"about.html#q\": no id or name \"q\" in about.html",
        "Products > Up: broken link \"../../gone.html\": no such file; the link leads out of the page's folder",
        "Mail: external link \"mailto:info@example.com\", not checked",
        "Outside: broken link \"../menu.htm\": no such file; the link leads out of the page's folder",
        "6 broken references, 2 external, 14 checked.",
    };
    EXPECT_EQ(CLinkChecker::Lines(findings, checker.Checked()), expected);
    EXPECT_EQ(findings[2].m_pItem, sub->GetItem(1));
    EXPECT_TRUE(findings[0].m_bBroken);
    EXPECT_FALSE(findings[1].m_bBroken);
}

// A large project's report is handed out line by line as Run finds it, the
// same lines as the list; each distinct address is looked up on the disk
// once, however many items share it and whether or not it is there.
TEST(LinkCheck, StreamsTheReportAndLooksUpEachAddressOnce)
{
    MemoryFileSystem fs;
    fs.m_dirs = {"/site", "/site/docs"};
    fs.m_files["/site/menu.htm"] = "<p>menu</p>";
    fs.m_files["/site/a.html"] = "<p>a</p>";
    fs.m_files["/site/img/b.gif"] = "GIF89a";

    CAppletParameters params;
    CTavelin* top = params.AddTopMenu();
    const char* const links[] = {"a.html", "gone.html", "docs/", "gone.html", "a.html", "http://x.example/", ""};
    top->SetItemCount(60, false);
    for (int i = 0; i < 60; ++i) {
        CTavelinItem* item = top->GetItem(i);
        item->m_strLabel = "Item " + std::to_string(i);
        item->m_strLink = links[i % 7];
        item->m_strNormalImage = i % 2 ? "img/b.gif" : "img/missing.gif";
    }
    CLinkChecker checker(fs, "/site/menu.htm");
    const auto findings = checker.Run(params);
    const std::vector<std::string> expected = CLinkChecker::Lines(findings, checker.Checked());
    fs.m_nQuestions = 0;
    std::vector<std::string> streamed;
    CLinkChecker again(fs, "/site/menu.htm");
    again.Run(params, [&streamed](const CLinkChecker::CFinding& finding) { streamed.push_back(finding.m_strText); });
    streamed.push_back(CLinkChecker::Summary(again.Broken(), again.External(), again.Checked()));
    EXPECT_EQ(streamed, expected);
    EXPECT_EQ(expected.back(), "48 broken references, 8 external, 104 checked.");
    // a.html, gone.html, docs, img/b.gif, img/missing.gif
    EXPECT_EQ(fs.m_nQuestions, 5);
}
