// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "core/model/CAppletParameters.h"
#include "core/model/CItemWalk.h"
#include "core/model/CTextArena.h"

namespace {

std::vector<std::string> Labels(const CTavelin& menu)
{
    std::vector<std::string> labels;
    for (const auto& item : menu.m_arrItems)
        labels.push_back(item->m_strLabel.str());
    return labels;
}

using Labels_t = std::vector<std::string>;

// A top-level menu with items a, b, c; b holds b1, b2; b2 holds x.
CTavelin* AddSampleMenu(CAppletParameters& params)
{
    CTavelin* top = params.AddTopMenu();
    for (const char* label : {"c", "b", "a"})
        top->InsertNewItem()->m_strLabel = label;
    CTavelin* sub = top->GetItem(1)->m_pSubMenu.get();
    sub->SetItemCount(2, false);
    sub->GetItem(0)->m_strLabel = "b1";
    sub->GetItem(1)->m_strLabel = "b2";
    sub->GetItem(1)->m_pSubMenu->InsertNewItem()->m_strLabel = "x";
    return top;
}

}  // namespace

TEST(Model, NewItemAndMenuDefaults)
{
    CTavelinItem item;
    EXPECT_EQ(item.m_strLabel, "item");
    EXPECT_EQ(item.m_bVisible, 1);
    ASSERT_TRUE(item.m_pSubMenu);
    EXPECT_EQ(item.m_pSubMenu->m_strName, "Menu");
    EXPECT_EQ(item.m_pSubMenu->GetItemCount(true), 0);
    EXPECT_EQ(item.m_strDescription.str() + item.m_strNormalImage + item.m_strOverImage + item.m_strClickImage +
                  item.m_strOverAudio + item.m_strClickAudio + item.m_strTarget + item.m_strLink,
              "");

    const CTavelin menu;
    EXPECT_EQ(menu.m_nIndent, 40);
    EXPECT_EQ(menu.m_nStartY, 15);
    EXPECT_EQ(menu.m_nItemWidth, 80);
    EXPECT_EQ(menu.m_nItemHeight, 20);
    EXPECT_EQ(menu.m_nItemGap, 5);
    EXPECT_EQ(menu.m_nBorderThick, 0);
    EXPECT_EQ(menu.m_bVisible, 1);
    for (int state = 0; state < 3; ++state) {
        const CItemStyle& s = menu.Style(state);
        EXPECT_EQ(s.m_crBack, 0u);
        EXPECT_EQ(s.m_crFont, 0xFFFFFFu);
        EXPECT_EQ(s.m_nBackStyle, 1);
        EXPECT_EQ(s.m_nGradientDir, 1);
        EXPECT_EQ(s.m_nFontSize, 14);
    }
    EXPECT_NE(&menu.Style(0), &menu.Style(1));
    EXPECT_NE(&menu.Style(1), &menu.Style(2));
    EXPECT_EQ(Labels(CTavelin(2, "n")), (Labels_t{"item1", "item2"}));

    const CAppletParameters root;
    EXPECT_EQ(root.m_strName, "My Tavelina");
    EXPECT_EQ(root.m_nWidth, 400);
    EXPECT_EQ(root.m_nHeight, 200);
    EXPECT_TRUE(root.m_arrMenus.empty());
}

TEST(Model, SetItemCountAndRemoval)
{
    CTavelin menu;
    menu.SetItemCount(3, false);
    EXPECT_EQ(Labels(menu), (Labels_t{"item1", "item2", "item3"}));
    menu.GetItem(0)->m_strLabel = "kept";
    menu.SetItemCount(5, true);
    EXPECT_EQ(Labels(menu), (Labels_t{"kept", "item2", "item3", "item4", "item5"}));
    menu.SetItemCount(1, true);
    EXPECT_EQ(Labels(menu), (Labels_t{"kept"}));
    menu.SetItemCount(2, false);
    EXPECT_EQ(Labels(menu), (Labels_t{"item1", "item2"}));
    menu.SetItemCount(-1, true);
    EXPECT_EQ(menu.GetItemCount(true), 2);
    menu.SetItemCount(0, false);
    EXPECT_EQ(menu.GetItemCount(true), 0);

    menu.SetItemCount(3, false);
    CTavelin other(1);
    EXPECT_FALSE(menu.RemoveItem(other.GetItem(0)));
    EXPECT_FALSE(menu.RemoveItemAt(3));
    EXPECT_FALSE(menu.RemoveItemAt(-1));
    EXPECT_FALSE(menu.AddItem(nullptr, true));
    EXPECT_EQ(menu.InsertItemCopy(nullptr), nullptr);
    EXPECT_TRUE(menu.RemoveItem(menu.GetItem(1)));
    EXPECT_EQ(Labels(menu), (Labels_t{"item1", "item3"}));
    EXPECT_TRUE(menu.AddItem(std::make_unique<CTavelinItem>("end"), false));
    EXPECT_TRUE(menu.AddItem(std::make_unique<CTavelinItem>("front"), true));
    EXPECT_EQ(Labels(menu), (Labels_t{"front", "item1", "item3", "end"}));

    EXPECT_EQ(menu.GetItem(-1), nullptr);
    EXPECT_EQ(menu.GetItem(4), nullptr);
    EXPECT_NE(menu.GetItem(3), nullptr);
}

TEST(Model, ItemCountVisibleAndAll)
{
    CTavelin menu(3);
    for (auto& item : menu.m_arrItems)
        item->m_bVisible = 0;
    EXPECT_EQ(menu.GetItemCount(false), 0);
    EXPECT_EQ(menu.GetItemCount(true), 3);
    menu.GetItem(1)->m_bVisible = 2;  // any non-zero value counts as visible
    EXPECT_EQ(menu.GetItemCount(false), 1);
}

TEST(Model, MovesAreRefusedAtTheEnds)
{
    CTavelin menu(3);
    CTavelinItem* first = menu.GetItem(0);
    EXPECT_FALSE(menu.MoveItemUp(0));
    EXPECT_FALSE(menu.MoveItemUp(first));
    EXPECT_FALSE(menu.MoveItemDown(2));
    EXPECT_FALSE(menu.MoveItemDown(menu.GetItem(2)));
    EXPECT_FALSE(menu.MoveItemDown(3));
    EXPECT_FALSE(menu.MoveItemUp(-1));
    CTavelinItem stranger;
    EXPECT_FALSE(menu.MoveItemUp(&stranger));
    EXPECT_FALSE(menu.MoveItemDown(&stranger));
    EXPECT_EQ(Labels(menu), (Labels_t{"item1", "item2", "item3"}));

    EXPECT_TRUE(menu.MoveItemUp(1));
    EXPECT_EQ(Labels(menu), (Labels_t{"item2", "item1", "item3"}));
    EXPECT_TRUE(menu.MoveItemDown(first));
    EXPECT_EQ(Labels(menu), (Labels_t{"item2", "item3", "item1"}));
    EXPECT_EQ(menu.GetItem(2), first);  // moved, not copied

    CAppletParameters params;
    CTavelin* b = params.AddTopMenu();
    CTavelin* a = params.AddTopMenu();
    CTavelin outside;
    EXPECT_FALSE(params.MoveTopMenuUp(a));
    EXPECT_FALSE(params.MoveTopMenuDown(b));
    EXPECT_FALSE(params.MoveTopMenuUp(&outside));
    EXPECT_FALSE(params.MoveTopMenuDown(&outside));
    EXPECT_TRUE(params.MoveTopMenuDown(a));
    EXPECT_EQ(params.m_arrMenus[0].get(), b);
    EXPECT_EQ(params.m_arrMenus[1].get(), a);
    EXPECT_FALSE(params.RemoveTopMenu(&outside));
    EXPECT_TRUE(params.RemoveTopMenu(a));
    EXPECT_EQ(params.m_arrMenus.size(), 1u);
}

TEST(Model, AddTopMenuCopiesTheLookOfTheFirstNonEmptyMenu)
{
    CAppletParameters params;
    CTavelin* empty = params.AddTopMenu();
    empty->m_nIndent = 99;  // an empty menu lends nothing
    CTavelin* fresh = params.AddTopMenu();
    EXPECT_EQ(params.m_arrMenus[0].get(), fresh);
    EXPECT_EQ(fresh->m_strName, "top-level Tavelina");
    EXPECT_EQ(static_cast<const CMenuStyle&>(*fresh),
              static_cast<const CMenuStyle&>(CTavelin(0, "top-level Tavelina")));

    CTavelin* model = params.AddTopMenu();
    params.MoveTopMenuDown(model);  // order: fresh, model, empty
    model->m_strName = "Main";
    model->m_nIndent = 7;
    model->m_styleClick.m_crFont = RGB(1, 2, 3);
    model->m_styleOver.m_strExtra = "spare";
    model->m_bVisible = 0;
    model->SetItemCount(2, false);

    CTavelin* copy = params.AddTopMenu();
    EXPECT_EQ(params.m_arrMenus[0].get(), copy);
    EXPECT_EQ(static_cast<const CMenuStyle&>(*copy), static_cast<const CMenuStyle&>(*model));
    EXPECT_EQ(copy->m_strName, "Main");
    EXPECT_EQ(copy->m_bVisible, 1);
    EXPECT_EQ(copy->GetItemCount(true), 0);

    EXPECT_FALSE(params.AttachTopMenu(nullptr, true));
    auto attached = std::make_unique<CTavelin>(1, "any");
    CTavelin* raw = attached.get();
    EXPECT_TRUE(params.AttachTopMenu(std::move(attached), false));
    EXPECT_EQ(params.m_arrMenus.back().get(), raw);
    EXPECT_EQ(raw->m_strName, "top-level Tavelina");
}

TEST(Model, FindMenuAtDepthAndFindMenuOfItem)
{
    CAppletParameters params;
    EXPECT_EQ(params.FindMenuAtDepth(0), nullptr);
    CTavelin* top = AddSampleMenu(params);
    params.AddTopMenu();  // empty, now first: skipped
    CTavelin* bsub = top->GetItem(1)->m_pSubMenu.get();
    CTavelin* b2sub = bsub->GetItem(1)->m_pSubMenu.get();

    EXPECT_EQ(params.FindMenuAtDepth(0), top);
    EXPECT_EQ(params.FindMenuAtDepth(1), bsub);  // a's sub-menu is empty
    EXPECT_EQ(params.FindMenuAtDepth(2), b2sub);
    EXPECT_EQ(params.FindMenuAtDepth(3), nullptr);
    EXPECT_EQ(params.FindMenuAtDepth(-1), nullptr);
    top->GetItem(1)->m_bVisible = 0;  // visibility plays no part
    EXPECT_EQ(params.FindMenuAtDepth(2), b2sub);

    CTavelinItem* x = b2sub->GetItem(0);
    EXPECT_EQ(CAppletParameters::FindMenuOfItem(top, x), b2sub);
    EXPECT_EQ(CAppletParameters::FindMenuOfItem(top, top->GetItem(2)), top);
    EXPECT_EQ(CAppletParameters::FindMenuOfItem(bsub, top->GetItem(0)), nullptr);
    EXPECT_EQ(params.FindMenuOfItem(x), b2sub);
    CTavelinItem stranger;
    EXPECT_EQ(params.FindMenuOfItem(&stranger), nullptr);
    EXPECT_EQ(CAppletParameters::FindMenuOfItem(nullptr, x), nullptr);
}

TEST(Model, CopiesAreDeepAndIndependent)
{
    CAppletParameters params;
    CTavelin* top = AddSampleMenu(params);
    top->m_styleNormal.m_strExtra = "keep";
    CTavelinItem& b = *top->GetItem(1);
    b.m_strLink = "b.htm";

    b.m_strNormalImage = "/media/n.gif";
    CTavelinItem copy(b);
    EXPECT_EQ(copy.m_strLink, "b.htm");
    // A copy shares the path's bytes until either side is given another.
    EXPECT_TRUE(copy.m_strNormalImage.SharesWith(b.m_strNormalImage));
    copy.m_strNormalImage = "/media/other.gif";
    EXPECT_EQ(b.m_strNormalImage, "/media/n.gif");
    copy.m_strNormalImage.clear();
    EXPECT_TRUE(copy.m_strNormalImage.empty());
    EXPECT_STREQ(copy.m_strNormalImage.c_str(), "");
    EXPECT_EQ(b.m_strNormalImage.str(), "/media/n.gif");
    ASSERT_EQ(copy.m_pSubMenu->GetItemCount(true), 2);
    EXPECT_NE(copy.m_pSubMenu.get(), b.m_pSubMenu.get());
    CTavelinItem* copyX = copy.m_pSubMenu->GetItem(1)->m_pSubMenu->GetItem(0);
    EXPECT_NE(copyX, b.m_pSubMenu->GetItem(1)->m_pSubMenu->GetItem(0));
    copyX->m_strLabel = "changed";
    copy.m_pSubMenu->RemoveItemAt(0);
    EXPECT_EQ(Labels(*b.m_pSubMenu), (Labels_t{"b1", "b2"}));
    EXPECT_EQ(b.m_pSubMenu->GetItem(1)->m_pSubMenu->GetItem(0)->m_strLabel, "x");

    const CTavelin menuCopy(*top);
    EXPECT_EQ(static_cast<const CMenuStyle&>(menuCopy), static_cast<const CMenuStyle&>(*top));
    EXPECT_EQ(Labels(menuCopy), (Labels_t{"a", "b", "c"}));

    CTavelin target(1);
    CTavelinItem* inserted = target.InsertItemCopy(&b);
    EXPECT_EQ(target.GetItem(0), inserted);
    EXPECT_NE(inserted, &b);
    EXPECT_EQ(Labels(*inserted->m_pSubMenu), (Labels_t{"b1", "b2"}));
}

// Texts laid out together live as long as any copy names them: past the
// arena, past the chunk being filled, and when dropped in any order from two
// threads (the sanitizer build sees a chunk given back too early or never).
TEST(Model, ArenaTextsLiveAsLongAsTheirCopies)
{
    std::vector<CSharedText> texts;
    std::vector<std::string> expected;
    {
        CTextArena arena;
        EXPECT_TRUE(arena.Make("").empty());
        const std::string longText(5000, 'L');
        for (int i = 0; i < 6000; ++i) {
            std::string text = i % 997 == 0 ? longText : "text " + std::to_string(i) + std::string(i % 40, 'x');
            texts.push_back(arena.Make(text));
            expected.push_back(std::move(text));
            if (i % 3 == 0) {
                texts.back() = "replaced while the chunk fills";
                expected.back() = "replaced while the chunk fills";
            }
        }
        CSharedText alone = arena.Make("only text of the last chunk");
        alone = CSharedText();
    }
    for (size_t i = 0; i < texts.size(); ++i)
        ASSERT_EQ(texts[i], expected[i]) << i;
    EXPECT_EQ(texts[1].size(), expected[1].size());
    EXPECT_EQ(texts[1].c_str()[texts[1].size()], '\0');

    std::vector<CSharedText> copies = texts;
    std::shuffle(texts.begin(), texts.end(), std::mt19937(7));
    std::thread other([&] { texts.clear(); });
    for (size_t i = 0; i < copies.size(); i += 2)
        copies[i] = CSharedText();
    other.join();
    for (size_t i = 1; i < copies.size(); i += 2)
        ASSERT_EQ(copies[i], expected[i]) << i;
}

TEST(Model, ResetKeepsTheAppletStyleValues)
{
    CAppletParameters params;
    AddSampleMenu(params);
    params.m_strName = "Site";
    params.m_nAlign = 2;
    params.m_nWidth = 1;
    params.m_nHeight = 2;
    params.m_crBackground = 3;
    params.m_strBackImage = "bg.gif";
    params.m_nImageMode = 1;
    params.m_nImageX = params.m_nImageY = 4;
    params.m_strBackAudio = "bg.au";
    params.m_nOpenSpeed = 50;
    params.m_crLine = RGB(9, 9, 9);
    params.m_nDisplayFromY = 33;
    params.m_bHasLines = 0;

    params.Reset();
    EXPECT_TRUE(params.m_arrMenus.empty());
    EXPECT_EQ(params.m_strName, "Tavelina Applet");
    EXPECT_EQ(params.m_nAlign, 0);
    EXPECT_EQ(params.m_nWidth, 400);
    EXPECT_EQ(params.m_nHeight, 200);
    EXPECT_EQ(params.m_crBackground, 0u);
    EXPECT_EQ(params.m_strBackImage + params.m_strBackAudio, "");
    EXPECT_EQ(params.m_nImageMode + params.m_nImageX + params.m_nImageY, 0);
    EXPECT_EQ(params.m_nOpenSpeed, 50);
    EXPECT_EQ(params.m_crLine, RGB(9, 9, 9));
    EXPECT_EQ(params.m_nDisplayFromY, 33);
    EXPECT_EQ(params.m_bHasLines, 0);
}

TEST(Model, VeryDeepChainsBuildAndTearDown)
{
    constexpr int kDepth = 100000;
    auto build = [](CTavelin& menu) {
        CTavelin* m = &menu;
        for (int i = 0; i < kDepth; ++i)
            m = m->InsertNewItem()->m_pSubMenu.get();
        return m;
    };
    CAppletParameters params;
    CTavelin* deepest = build(*params.AddTopMenu());
    EXPECT_EQ(deepest->GetItemCount(true), 0);
    EXPECT_EQ(params.FindMenuAtDepth(kDepth - 1)->GetItemCount(true), 1);
    CItemWalk::ForEachToChange(params, [](CTavelinItem& item) { item.m_strNormalImage = "n"; });
    EXPECT_EQ(params.FindMenuAtDepth(kDepth - 1)->GetItem(0)->m_strNormalImage, "n");
    params.Reset();  // tears down the whole chain

    {
        CTavelinItem item;  // destroyed with its chain
        build(*item.m_pSubMenu);
    }
    CTavelin menu;
    build(menu);
    EXPECT_TRUE(menu.RemoveItemAt(0));
    build(menu);
    menu.SetItemCount(0, false);
    EXPECT_EQ(menu.GetItemCount(true), 0);
}
