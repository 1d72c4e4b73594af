// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <string>

#include "core/check/CParameterCheck.h"
#include "core/model/CAppletParameters.h"
#include "support/MemoryFileSystem.h"

namespace {
const std::string kHeader = "-----------------Checking My Tavelina Parameters--------------\r\n\r\n";

std::string Recommend(int w, int h)
{
    return "Recommend:\tApplet Width:" + std::to_string(w) + ",\tApplet Height:" + std::to_string(h) + "\r\n";
}
}  // namespace

TEST(Check, SizeOfOpenMenus)
{
    CAppletParameters p;
    MemoryFileSystem fs;
    CParameterCheck check(p, fs);
    p.m_nDisplayFromY = 10;
    EXPECT_EQ(check.Run().report, kHeader + Recommend(4, 14) + CParameterCheck::kFooter);

    p.m_nDisplayFromY = 0;
    CTavelin* top = p.AddTopMenu();
    top->SetItemCount(3, false);
    EXPECT_NE(check.Run().report.find(Recommend(124, 74)), std::string::npos);
    top->GetItem(0)->m_pSubMenu->SetItemCount(2, false);
    EXPECT_NE(check.Run().report.find(Recommend(164, 119)), std::string::npos);
    EXPECT_EQ(p.m_nWidth, 400);  // Auto-Change off: size kept
    EXPECT_EQ(p.m_nHeight, 200);

    // A menu whose items are all hidden adds nothing (not minus one gap).
    top->GetItem(0)->m_pSubMenu->GetItem(0)->m_bVisible = 0;
    top->GetItem(0)->m_pSubMenu->GetItem(1)->m_bVisible = 0;
    EXPECT_NE(check.Run().report.find(Recommend(124, 74)), std::string::npos);
    top->GetItem(0)->m_pSubMenu->GetItem(0)->m_bVisible = 1;
    top->GetItem(0)->m_pSubMenu->GetItem(1)->m_bVisible = 1;

    // An invisible item's branch adds nothing; style 2 adds one each way.
    top->GetItem(1)->m_pSubMenu->SetItemCount(4, false);
    top->GetItem(1)->m_bVisible = 0;
    // 2 visible items now: 2*25-5 = 45, plus the sub-menu's 45.
    EXPECT_NE(check.Run().report.find(Recommend(164, 94)), std::string::npos);
    top->GetItem(0)->m_pSubMenu->m_nBackStyle = 2 + 16;  // only the low four bits count
    const CParameterCheck::Result sized = check.Run();
    EXPECT_NE(sized.report.find(Recommend(165, 95)), std::string::npos);
    EXPECT_EQ(std::make_pair(sized.width, sized.height), std::make_pair(165, 95));
    EXPECT_EQ(p.m_nWidth, 400);  // the check only recommends

    // A hidden top-level menu adds nothing; huge values do not overflow.
    CTavelin* hidden = p.AddTopMenu();
    hidden->SetItemCount(1, false);
    hidden->m_bVisible = 0;
    top->m_nItemHeight = 2000000000;
    top->m_nItemGap = 2000000000;
    EXPECT_EQ(check.Run().height, 2147483647);
}

TEST(Check, MissingFilesInWalkOrder)
{
    CAppletParameters p;
    MemoryFileSystem fs;
    fs.m_files["/ok.gif"] = "GIF";
    fs.m_files["/etc/passwd"] = "x";
    p.m_strBackImage = "/bg.gif";
    p.m_strBackAudio = "/ok.gif";
    CTavelin* top = p.AddTopMenu();
    top->SetItemCount(2, false);
    CTavelinItem* first = top->GetItem(0);
    first->m_strLabel = "one\r\ntwo";
    first->m_strNormalImage = "/n.gif";
    first->m_strClickAudio = "/c.wav";
    first->m_strOverImage = "/ok.gif";
    first->m_pSubMenu->SetItemCount(1, false);
    first->m_pSubMenu->GetItem(0)->m_strOverAudio = "/sub.au";
    first->m_pSubMenu->GetItem(0)->m_bVisible = 0;  // hidden: still reported
    top->GetItem(1)->m_strClickImage = "/etc/passwd";
    CTavelin* hidden = p.AddTopMenu();
    hidden->m_bVisible = 0;
    hidden->SetItemCount(1, false);
    hidden->GetItem(0)->m_strOverImage = "/h.png";
    p.MoveTopMenuDown(hidden);

    CParameterCheck check(p, fs);
    EXPECT_EQ(check.Run().report,
              kHeader + Recommend(124, 49) +
                  "Warning:\t\tApplet background image file \"/bg.gif\" not exist.\r\n"
                  "Warning:\t\tItem \"one\r\ntwo\" normal image file \"/n.gif\" not exist.\r\n"
                  "Warning:\t\tItem \"one\r\ntwo\" mouse click audio file \"/c.wav\" not exist.\r\n"
                  "Warning:\t\tItem \"item1\" mouse over audio file \"/sub.au\" not exist.\r\n"
                  "Warning:\t\tItem \"item2\" mouse click image file \"/etc/passwd\" is not an image or audio "
                  "file; it is not copied.\r\n"
                  "Warning:\t\tItem \"item1\" mouse over image file \"/h.png\" not exist.\r\n" +
                  CParameterCheck::kFooter);
}

TEST(Check, CommaWarningsForPageTexts)
{
    CAppletParameters p;
    MemoryFileSystem fs;
    fs.m_files["/a,b.gif"] = "GIF";
    CTavelin* top = p.AddTopMenu();
    top->SetItemCount(2, false);
    top->GetItem(0)->m_strLink = "page.asp?a=1,2";
    top->GetItem(0)->m_strNormalImage = "/a,b.gif";
    top->GetItem(1)->m_strLabel = "x,y";
    top->GetItem(1)->m_bVisible = 0;  // not in the page: no warning
    const std::string report = CParameterCheck(p, fs).Run().report;
    const std::string expected =
        "Warning:\t\tItem \"item1\" link \"page.asp?a=1,2\" contains a comma, which the applet reads as a field "
        "separator.\r\n"
        "Warning:\t\tItem \"item1\" normal image file \"a,b.gif\" contains a comma, which the applet reads as a "
        "field separator.\r\n" +
        std::string(CParameterCheck::kFooter);
    ASSERT_GE(report.size(), expected.size());
    EXPECT_EQ(report.substr(report.size() - expected.size()), expected);
    EXPECT_EQ(report.find("x,y"), std::string::npos);
}

TEST(Check, CopyModeCopiesOnlyMedia)
{
    CAppletParameters p;
    MemoryFileSystem fs;
    fs.m_files["/m/a.png"] = "PNG";
    fs.m_files["/m/b.au"] = "AU";
    fs.m_files["/m/c.txt"] = "TXT";
    CTavelin* top = p.AddTopMenu();
    top->SetItemCount(1, false);
    top->GetItem(0)->m_strNormalImage = "/m/a.png";
    top->GetItem(0)->m_strOverImage = "/m/c.txt";
    top->GetItem(0)->m_pSubMenu->SetItemCount(1, false);
    top->GetItem(0)->m_pSubMenu->GetItem(0)->m_strClickAudio = "/m/b.au";
    std::string messages;
    CParameterCheck check(p, fs);
    check.CheckMenuFiles("/prog", *top, messages, false, true);
    EXPECT_EQ(fs.m_files["/prog/Sample/Image/a.png"], "PNG");
    EXPECT_EQ(fs.m_files["/prog/Sample/Audio/b.au"], "AU");
    EXPECT_EQ(fs.m_files.count("/prog/Sample/Image/c.txt"), 0u);
    check.CheckMenuFiles("/site", *top, messages, false, false);
    EXPECT_EQ(fs.m_files["/site/a.png"], "PNG");
    EXPECT_EQ(fs.m_files["/site/b.au"], "AU");
    EXPECT_EQ(fs.m_files.size(), 7u);
}
