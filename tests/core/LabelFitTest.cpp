// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <algorithm>
#include <gtest/gtest.h>
#include <string>

#include "core/check/CLabelFit.h"
#include "core/check/CParameterCheck.h"
#include "core/model/CAppletParameters.h"
#include "support/MemoryFileSystem.h"

namespace {
// A top-level menu "Top" of 120 px items in 14 px Helvetica (7.84 px a
// character, 116 px of room): "Home", "Products and services" (21
// characters, 165 px) with a sub-menu of 80 px items holding "Overview" and
// "Consulting and training".
class LabelFit : public ::testing::Test {
protected:
    void SetUp() override
    {
        top = params.AddTopMenu();
        top->m_nItemWidth = 120;
        for (int state = 0; state < 3; ++state) {
            top->Style(state).m_nFontName = 1;
            top->Style(state).m_nFontSize = 14;
        }
        top->SetItemCount(2, false);
        top->GetItem(0)->m_strLabel = "Home";
        products = top->GetItem(1);
        products->m_strLabel = "Products and services";
        sub = products->m_pSubMenu.get();
        sub->CopyStyle(*top);
        sub->m_nItemWidth = 80;
        sub->SetItemCount(2, false);
        sub->GetItem(0)->m_strLabel = "Overview";
        sub->GetItem(1)->m_strLabel = "Consulting\r\nand training";
    }

    CAppletParameters params;
    CTavelin* top = nullptr;
    CTavelin* sub = nullptr;
    CTavelinItem* products = nullptr;
};
}  // namespace

TEST_F(LabelFit, EstimateFollowsFontSizeFaceAndStyle)
{
    struct Case {
        int font, size, style;
        const char* label;
        int width;
    };
    const Case cases[] = {
        {0, 10, 0, "abcd", 20},               // TimesRoman: half the size a character
        {1, 10, 0, "abcd", 23},               // Helvetica 5.6, rounded up
        {2, 10, 0, "abcd", 24},               // Courier
        {2, 10, 1, "abcd", 27},               // bold, a tenth wider
        {0, 10, 0, "ab\r\nabcdef", 30},       // the longest line counts
        {0, 10, 0, "\xc3\xa9t\xc3\xa9", 15},  // characters, not bytes
        {0, 10, 0, "", 0},
        {0, -5, 0, "abc", 0},  // a broken size measures nothing
    };
    for (const Case& c : cases) {
        CMenuStyle style;
        for (int state = 0; state < 3; ++state) {
            style.Style(state).m_nFontName = c.font;
            style.Style(state).m_nFontSize = c.size;
            style.Style(state).m_nFontStyle = c.style;
        }
        EXPECT_EQ(CLabelFit::TextWidth(c.label, style), c.width) << c.label;
    }
    // The widest state counts: a larger mouse-over font needs more room.
    CMenuStyle style;
    style.Style(1).m_nFontSize = 28;
    EXPECT_EQ(CLabelFit::TextWidth("ab", style), 28);
}

TEST_F(LabelFit, MisfitsNameTheirPathAndReportLines)
{
    const auto misfits = CLabelFit::Find(params);
    ASSERT_EQ(misfits.size(), 2u);
    EXPECT_EQ(misfits[0].item, products);
    EXPECT_EQ(misfits[0].path, "Products and services");
    EXPECT_EQ(misfits[0].room, 116);
    EXPECT_EQ(misfits[0].width, 165);
    EXPECT_EQ(misfits[1].item, sub->GetItem(1));
    EXPECT_EQ(misfits[1].path, "Products and services > Consulting and training");

    // The check says so, and its lines name the items.
    MemoryFileSystem fs;
    const CParameterCheck::Result result = CParameterCheck(params, fs).Run();
    const std::string line = "Warning:\t\tItem \"Products and services\" label is about 165 pixels wide, but its item "
                             "leaves it 116: the label is cut.";
    const size_t at = result.report.find(line);
    ASSERT_NE(at, std::string::npos) << result.report;
    const auto lineNumber = static_cast<size_t>(std::count(result.report.begin(), result.report.begin() + at, '\n'));
    ASSERT_LT(lineNumber + 1, result.lineItems.size());
    EXPECT_EQ(result.lineItems[lineNumber], products);
    EXPECT_EQ(result.lineItems[lineNumber + 1], sub->GetItem(1));
    EXPECT_EQ(result.lineItems[0], nullptr);

    // Hidden items and the branches of hidden items are not drawn: not told.
    products->m_bVisible = 0;
    EXPECT_TRUE(CLabelFit::Find(params).empty());
}

TEST_F(LabelFit, MenusToWidenFitTheirLongestLabel)
{
    const auto menus = CLabelFit::MenusToWiden(params);
    ASSERT_EQ(menus.size(), 2u);
    EXPECT_EQ(menus[0].first, top);
    EXPECT_EQ(menus[0].second, 120 - 116 + 165);
    EXPECT_EQ(menus[1].first, sub);
    for (const auto& [menu, width] : menus)
        menu->m_nItemWidth = width;
    EXPECT_TRUE(CLabelFit::Find(params).empty());
    EXPECT_TRUE(CLabelFit::MenusToWiden(params).empty());
    // Borders and the text offset take room too.
    top->m_nBorderThick = 3;
    top->Style(2).m_nTextOffset = -4;
    EXPECT_EQ(CLabelFit::Room(*top), top->m_nItemWidth - 6 - 4 - 4);
    EXPECT_EQ(CLabelFit::NeededItemWidth(*top), 6 + 4 + 4 + 165);
}
