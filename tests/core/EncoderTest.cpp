// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <cctype>
#include <gtest/gtest.h>
#include <set>
#include <string>

#include "core/format/CNumberingWalk.h"
#include "core/format/CParamEncoder.h"
#include "core/format/CWriteState.h"
#include "core/model/CAppletParameters.h"

namespace {
// A top-level menu with the given visible items; returns it.
CTavelin* AddMenu(CAppletParameters& p, int items)
{
    auto menu = std::make_unique<CTavelin>(items, "top-level Tavelina");
    CTavelin* raw = menu.get();
    p.m_arrMenus.push_back(std::move(menu));
    return raw;
}

std::string Misc(CAppletParameters& p)
{
    CParamEncoder enc(p, nullptr);
    const std::string all = enc.WriteAllParams();
    const auto pos = all.find("name=\"Misc\" value=\"");
    EXPECT_NE(pos, std::string::npos);
    const auto start = pos + 19;
    return all.substr(start, all.find('"', start) - start);
}

// The "I%d-%d" names in the order written.
std::string ItemNames(CAppletParameters& p)
{
    const std::string all = CParamEncoder(p, nullptr).WriteAllParams();
    std::string names;
    for (auto pos = all.find("name=\"I"); pos != std::string::npos; pos = all.find("name=\"I", pos + 1)) {
        const auto end = all.find('"', pos + 6);
        const std::string name = all.substr(pos + 6, end - pos - 6);
        if (name.size() > 1 && std::isdigit(static_cast<unsigned char>(name[1])))
            names += name + " ";
    }
    return names;
}
}  // namespace

TEST(Encoder, ColorAndComposites)
{
    EXPECT_EQ(CParamEncoder::ColorToHex(RGB(255, 0, 0)), "ff0000");
    EXPECT_EQ(CParamEncoder::ColorToHex(RGB(255, 255, 255)), "ffffff");
    EXPECT_EQ(CParamEncoder::ColorToHex(RGB(153, 102, 51)), "996633");
    EXPECT_EQ(CParamEncoder::ColorToHex(0xFF000001u), "010000");  // high byte ignored

    CAppletParameters p;
    p.m_crBackground = RGB(1, 2, 3);
    p.m_crLine = RGB(0xab, 0xcd, 0xef);
    p.m_nImageMode = 1;
    p.m_nImageX = 7;
    p.m_nImageY = 8;
    p.m_bShowSelection = 0;
    p.m_nOpenSpeed = 11;
    p.m_nCloseSpeed = 12;
    p.m_bShowAllBranches = 1;
    p.m_bHasLines = 0;
    p.m_nGradientDir = 0;
    p.m_nBackStyle = 3;
    p.m_nBorder = 2;
    p.m_nLineIndent = 13;
    p.m_nLineThick = 14;
    CParamEncoder enc(p, nullptr);
    EXPECT_EQ(enc.ApStyleValue(), "010203,010203,,1,7,8,,0,11,12,1,0,082,13,14,abcdef");
    p.m_nBackStyle = 0;  // filled: background code 1
    p.m_nGradientDir = 1;
    p.m_nBorder = 0;
    EXPECT_NE(enc.ApStyleValue().find(",0,110,13,"), std::string::npos);

    CTavelin menu;
    menu.m_crBackground = RGB(0x10, 0x20, 0x30);
    menu.m_nBackStyle = 3;
    menu.m_nIndent = 41;
    menu.m_nStartY = 9;
    menu.m_nItemWidth = 81;
    menu.m_nItemHeight = 21;
    menu.m_nItemGap = 6;
    menu.m_nBorderThick = 2;
    EXPECT_EQ(enc.MStyleValue(menu), "102030,12,0,0,41,9,81,21,6,2");
    const char* codes[] = {"01", "02", "11", "12", "", ""};
    int styles[] = {0, 1, 2, 3, 4, -1};
    for (int i = 0; i < 6; ++i) {
        menu.m_nBackStyle = styles[i];
        EXPECT_EQ(enc.MStyleValue(menu).rfind("102030," + std::string(codes[i]) + ",0,0,41,", 0), 0u) << styles[i];
    }

    CItemStyle& n = menu.m_styleNormal;
    n.m_crBack = RGB(1, 1, 1);
    n.m_crFont = RGB(2, 2, 2);
    n.m_nGradientDir = 0;
    n.m_nBackStyle = 7;
    n.m_nBorder = 2;  // written as 3
    n.m_nFontEffect = 4;
    n.m_nFontName = 2;
    n.m_nFontSize = 18;
    n.m_nFontStyle = 1;
    n.m_nImageAlign = 2;
    n.m_nTextAlign = 1;
    n.m_nImageOffset = 5;
    n.m_nTextOffset = 6;
    menu.m_styleOver.m_nFontSize = 20;
    menu.m_styleClick.m_nFontSize = 22;
    EXPECT_EQ(enc.IStyleValue(menu), "010101,020202,073,4,2,18,1,21,5,6,,,"
                                     "000000,ffffff,111,0,0,20,0,00,0,0,,,"
                                     "000000,ffffff,111,0,0,22,0,00,0,0,,,");
}

TEST(Encoder, ItemValueFieldsAndFileReferences)
{
    CAppletParameters p;
    std::set<std::string, std::less<>> existing{"/media/a.gif", "/media/b.wav"};
    CParamEncoder enc(p, [&](std::string_view path) { return existing.count(path) != 0; });
    CTavelinItem item("one\r\ntwo");
    item.m_strDescription = "desc";
    item.m_strNormalImage = "/media/a.gif";
    item.m_strOverImage = "/gone/x.gif";
    item.m_strClickImage = "/media/a.gif";
    item.m_strOverAudio = "/media/b.wav";
    item.m_strClickAudio = "";
    item.m_strLink = "page.htm";
    EXPECT_EQ(enc.ItemValue(item), "one|_#`two,desc,a.gif,,a.gif,b.wav,,_self,page.htm");
    EXPECT_EQ(item.m_strOverImage, "/gone/x.gif");  // the model keeps the path
    item.m_strTarget = "frame";
    EXPECT_EQ(enc.ItemValue(item).substr(enc.ItemValue(item).size() - 15), ",frame,page.htm");

    // Background image and audio as references.
    p.m_strBackImage = "/media/a.gif";
    p.m_strBackAudio = "/gone/s.au";
    EXPECT_EQ(enc.ApStyleValue().substr(0, 21), "000000,000000,a.gif,0");
    EXPECT_NE(enc.ApStyleValue().find(",0,,1,"), std::string::npos);
}

TEST(Encoder, LineBreaksNeverReachThePage)
{
    EXPECT_EQ(CParamEncoder::EncodeLabel("a\r\nb\rc\nd"), "a|_#`b|_#`c|_#`d");
    EXPECT_EQ(CParamEncoder::EncodeLabel("\n\r"), "|_#`|_#`");  // LF then CR: two breaks
    EXPECT_EQ(CParamEncoder::EncodeLabel("A\tB"), "A\tB");
    EXPECT_EQ(CParamEncoder::FlattenLines("a\r\nb\rc\nd"), "a b c d");

    CAppletParameters p;
    CParamEncoder enc(p, nullptr);
    CTavelinItem item("x");
    item.m_strDescription = "two\r\nlines";
    item.m_strLink = "l\ni";
    item.m_strTarget = "t\rt";
    const std::string v = enc.ItemValue(item);
    EXPECT_EQ(v, "x,two lines,,,,,,t t,l i");
    EXPECT_EQ(v.find_first_of("\r\n"), std::string::npos);
}

TEST(Encoder, ParamLineEscapesQuotesAndAmpersands)
{
    EXPECT_EQ(CParamEncoder::ParamLine("I0-0", "say \"hi\" & <b>"),
              "\t<param name=\"I0-0\" value=\"say &quot;hi&quot; &amp; <b>\">\r\n");
    EXPECT_EQ(CParamEncoder::EscapeValue("&amp;"), "&amp;amp;");
}

TEST(Encoder, NumberingSkipsHiddenMenusAndItems)
{
    CAppletParameters p;
    EXPECT_EQ(Misc(p), "0,");
    CTavelin* hidden = AddMenu(p, 2);
    hidden->m_bVisible = 0;
    AddMenu(p, 0);  // no items: not written
    EXPECT_EQ(Misc(p), "0,");

    // Hidden top-level menu first: the next written menu takes number 0.
    CTavelin* top = AddMenu(p, 3);
    top->GetItem(1)->m_bVisible = 0;                      // takes no number
    top->GetItem(1)->m_pSubMenu->SetItemCount(2, false);  // and its sub-menu is left out
    top->GetItem(0)->m_pSubMenu->SetItemCount(1, false);
    top->GetItem(2)->m_pSubMenu->SetItemCount(2, false);
    top->GetItem(2)->m_pSubMenu->GetItem(0)->m_pSubMenu->SetItemCount(1, false);
    EXPECT_EQ(ItemNames(p), "I0-0 I0-1 I1-0 I2-0 I2-1 I3-0 ");
    // Menu 1 opens from item 0, menu 2 from item 1 (global index of the
    // third item, since the hidden one has none), menu 3 from item 3.
    EXPECT_EQ(Misc(p), "4,2,1,2,1,-0,0-1,1-2,3-3,");
    // The walk keeps its values in the state it is given; a menu's number
    // is its index there.
    CWriteState state;
    CNumberingWalk walk(p, true, state);
    const auto& menus = walk.Run();
    ASSERT_EQ(state.MenuCount(), 4);
    EXPECT_EQ(menus[0], top);
    EXPECT_EQ(menus[2], top->GetItem(2)->m_pSubMenu.get());
    EXPECT_EQ(state.m_arrWritten.size(), 6u);
    EXPECT_EQ(state.m_strRelation, "2,1,2,1,");
    EXPECT_EQ(walk.StructureValue(), "4,2,1,2,1,-0,0-1,1-2,3-3,");
    EXPECT_TRUE(state.m_arrWritten.empty());

    // A hidden sub-menu and a sub-menu whose items are all hidden are left out.
    top->GetItem(0)->m_pSubMenu->m_bVisible = 0;
    top->GetItem(2)->m_pSubMenu->GetItem(0)->m_pSubMenu->GetItem(0)->m_bVisible = 0;
    EXPECT_EQ(Misc(p), "2,2,2,-0,1-1,");
}

TEST(Encoder, MiscRelationsFollowGlobalItemOrder)
{
    // The worked example: two items, the second opening a one-item menu.
    CAppletParameters p;
    CTavelin* top = AddMenu(p, 2);
    top->GetItem(1)->m_pSubMenu->SetItemCount(1, false);
    EXPECT_EQ(Misc(p), "2,2,1,-0,1-1,");

    // Sub-menu numbers are not in item order: item 0's branch is numbered
    // before item 1's sub-menu, yet entries are listed by item index.
    top->GetItem(0)->m_pSubMenu->SetItemCount(2, false);
    top->GetItem(0)->m_pSubMenu->GetItem(0)->m_pSubMenu->SetItemCount(1, false);
    CTavelin* second = AddMenu(p, 1);
    (void)second;
    EXPECT_EQ(Misc(p), "5,2,2,1,1,1,-0,-4,0-1,1-3,2-2,");
}

TEST(Encoder, StartYRewrittenForEveryBuild)
{
    CAppletParameters p;
    p.m_nDisplayFromY = 33;
    CTavelin* a = AddMenu(p, 1);
    CTavelin* b = AddMenu(p, 1);
    a->m_nStartY = b->m_nStartY = 99;
    CParamEncoder(p, nullptr).WriteAllParams();
    EXPECT_EQ(a->m_nStartY, 33);
    EXPECT_EQ(b->m_nStartY, 0);
    p.MoveTopMenuDown(a);
    const std::string all = CParamEncoder(p, nullptr).WriteAllParams();
    EXPECT_EQ(a->m_nStartY, 0);
    EXPECT_EQ(b->m_nStartY, 33);
    EXPECT_NE(all.find("\"MStyle-0\" value=\"000000,01,0,0,40,33,"), std::string::npos);
    // Order of lines: ApStyle, each menu's MStyle, IStyle and items, Misc last.
    const auto ap = all.find("\"ApStyle\""), m0 = all.find("\"MStyle-0\""), i0 = all.find("\"IStyle-0\"");
    const auto it0 = all.find("\"I0-0\""), m1 = all.find("\"MStyle-1\""), misc = all.find("\"Misc\"");
    EXPECT_TRUE(ap < m0 && m0 < i0 && i0 < it0 && it0 < m1 && m1 < misc);
    EXPECT_EQ(all.substr(all.size() - 2), "\r\n");
}
