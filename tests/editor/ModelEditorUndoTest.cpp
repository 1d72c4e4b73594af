// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "core/publish/CPageWriter.h"
#include "editor/CModelEditor.h"
#include "support/MemoryFileSystem.h"
#include "support/RandomModel.h"

// Every edit of the model editor, done, undone and redone: the project text
// (and every value, spare texts included) must come back byte for byte.
namespace {

class EditorHistory : public ::testing::Test {
protected:
    void SetUp() override
    {
        RandomModel::Options options;
        options.items = 60;
        options.maxDepth = 4;
        options.longTextPercent = 0;
        RandomModel(11).Fill(m_params, options);
        m_params.m_arrMenus.front()->m_styleNormal.m_strExtra = "spare";
    }

    std::string Text() { return CPageWriter(m_params, m_fs, "/prog").ProjectText(); }

    // All items, depth first, with the menu that holds each.
    std::vector<std::pair<CTavelin*, CTavelinItem*>> Items()
    {
        std::vector<std::pair<CTavelin*, CTavelinItem*>> all;
        std::vector<CTavelin*> stack;
        for (auto& menu : m_params.m_arrMenus)
            stack.push_back(menu.get());
        while (!stack.empty()) {
            CTavelin* menu = stack.back();
            stack.pop_back();
            for (auto& item : menu->m_arrItems) {
                all.emplace_back(menu, item.get());
                stack.push_back(item->m_pSubMenu.get());
            }
        }
        return all;
    }

    // Runs edit, then checks undo and redo against the texts around it.
    void Check(const char* what, const std::function<void()>& edit)
    {
        const std::string before = Text();
        const int steps = m_editor.History().count();
        edit();
        const std::string after = Text();
        EXPECT_NE(before, after) << what << " changed nothing";
        EXPECT_EQ(m_editor.History().count(), steps + 1) << what << " is not one step";
        m_editor.History().undo();
        EXPECT_EQ(Text(), before) << "undo of " << what;
        m_editor.History().redo();
        EXPECT_EQ(Text(), after) << "redo of " << what;
    }

    MemoryFileSystem m_fs;
    CAppletParameters m_params;
    CModelEditor m_editor{m_params};
};

}  // namespace

TEST_F(EditorHistory, EveryKindOfEditUndoesAndRedoesExactly)
{
    auto items = Items();
    CTavelin* top = m_params.m_arrMenus.front().get();
    CTavelinItem* leaf = nullptr;
    CTavelin* leafMenu = nullptr;
    for (auto [menu, item] : items)
        if (item->m_pSubMenu->m_arrItems.empty() && menu != top)
            leaf = item, leafMenu = menu;
    ASSERT_NE(leaf, nullptr);

    Check("add top menu", [&] { m_editor.AddTopMenu(); });
    Check("insert", [&] { m_editor.InsertNewItem(top, nullptr, 0); });
    Check("insert under a leaf", [&] { m_editor.InsertNewItem(leaf->m_pSubMenu.get(), leaf, 3); });
    Check("paste", [&] { m_editor.InsertItemCopy(top, nullptr, 0, *items.back().second); });
    Check("visible", [&] { m_editor.SetItemVisible(leaf, !leaf->m_bVisible); });
    Check("top menu visible", [&] { m_editor.SetTopMenuVisible(top, !top->m_bVisible); });
    Check("move down", [&] { m_editor.MoveItem(top, top->GetItem(0), false); });
    Check("move up", [&] { m_editor.MoveItem(top, top->GetItem(1), true); });
    Check("move top menu", [&] { m_editor.MoveTopMenu(m_params.m_arrMenus.front().get(), false); });
    Check("delete item", [&] { m_editor.RemoveItem(leafMenu, leaf); });
    Check("delete top menu", [&] { m_editor.RemoveTopMenu(m_params.m_arrMenus.back().get()); });

    CAppletSettings applet = m_params;
    applet.m_strName = "Renamed, with a comma";
    applet.m_nWidth = 1234;
    Check("applet settings", [&] { m_editor.SetAppletSettings(applet); });
    CItemFields fields = *top->GetItem(0);
    fields.m_strLabel = "two\r\nlines";
    fields.m_strLink = "page.asp?id=3";
    Check("item fields", [&] { m_editor.SetItemFields(top->GetItem(0), fields); });
    CMenuStyle style = *top;
    style.m_nItemWidth = 321;
    style.m_styleOver.m_crBack = 0x123456;
    Check("menu style", [&] { m_editor.SetMenuStyle(top, style); });
    for (const auto scope : {CModelEditor::Scope::Item, CModelEditor::Scope::Menu, CModelEditor::Scope::Model}) {
        Check("images", [&] { m_editor.ApplyImages(top->GetItem(0), scope, "/n.gif", "/o.gif", "/c.gif"); });
        Check("audio", [&] { m_editor.ApplyAudio(top->GetItem(0), scope, "/o.au", "/c.au"); });
    }

    // A drop that moves: one step made of a copy and a removal.
    CTavelinItem* moved = top->GetItem(1);
    Check("move by drop", [&] {
        m_editor.BeginMacro("Move");
        m_editor.InsertItemCopy(leaf->m_pSubMenu.get(), leaf, 3, *moved);
        m_editor.RemoveItem(top, moved);
        m_editor.EndMacro();
    });
    EXPECT_EQ(m_editor.History().undoText(), "Move");
}

TEST_F(EditorHistory, StoresThatChangeNothingAddNoStep)
{
    CTavelin* top = m_params.m_arrMenus.front().get();
    m_editor.SetAppletSettings(m_params);
    m_editor.SetItemFields(top->GetItem(0), *top->GetItem(0));
    m_editor.SetMenuStyle(top, *top);
    m_editor.ApplyImages(top->GetItem(0), CModelEditor::Scope::None, "/x.gif", "", "");
    EXPECT_EQ(m_editor.History().count(), 0);
    EXPECT_FALSE(m_editor.MoveItem(top, top->GetItem(0), true));  // the first cannot go up
    EXPECT_EQ(m_editor.History().count(), 0);
}

// Objects taken out of the model live on in the history, so pointers held
// by older steps still name the same objects after undo and redo.
TEST_F(EditorHistory, ARandomSessionUndoesToTheStartAndRedoesToTheEnd)
{
    std::mt19937 rng(5);
    const std::string start = Text();
    CAppletParameters startCopy;
    {
        RandomModel::Options options;
        options.items = 60;
        options.maxDepth = 4;
        options.longTextPercent = 0;
        RandomModel(11).Fill(startCopy, options);
        startCopy.m_arrMenus.front()->m_styleNormal.m_strExtra = "spare";
    }
    ASSERT_EQ(RandomModel::Difference(m_params, startCopy), "");

    for (int step = 0; step < 300; ++step) {
        auto items = Items();
        if (items.empty() || m_params.m_arrMenus.empty()) {
            m_editor.AddTopMenu();
            m_editor.InsertNewItem(m_params.m_arrMenus.front().get(), nullptr, 0);
            continue;
        }
        auto [menu, item] = items[rng() % items.size()];
        auto [otherMenu, other] = items[rng() % items.size()];
        CTavelin* top = m_params.m_arrMenus[rng() % m_params.m_arrMenus.size()].get();
        switch (rng() % 10) {
        case 0: m_editor.InsertNewItem(item->m_pSubMenu.get(), item, 2); break;
        case 1: m_editor.RemoveItem(menu, item); break;
        case 2: m_editor.MoveItem(menu, item, rng() % 2 == 0); break;
        case 3: m_editor.SetItemVisible(item, !item->m_bVisible); break;
        case 4: m_editor.InsertItemCopy(otherMenu, nullptr, 1, *item); break;
        case 5: {
            CItemFields f = *item;
            f.m_strLabel = f.m_strLabel + std::to_string(step);
            m_editor.SetItemFields(item, f);
            break;
        }
        case 6: {
            CMenuStyle s = *menu;
            s.m_nIndent += step;
            m_editor.SetMenuStyle(menu, s);
            break;
        }
        case 7:
            m_editor.ApplyImages(item, static_cast<CModelEditor::Scope>(rng() % 3), "/i" + std::to_string(step), "",
                                 "");
            break;
        case 8: m_editor.MoveTopMenu(top, rng() % 2 == 0); break;
        default:
            if (rng() % 4 == 0)
                m_editor.RemoveTopMenu(top);
            else
                m_editor.AddTopMenu();
        }
        (void)other;
    }
    const std::string end = Text();
    while (m_editor.History().canUndo())
        m_editor.History().undo();
    EXPECT_EQ(Text(), start);
    EXPECT_EQ(RandomModel::Difference(m_params, startCopy), "");
    while (m_editor.History().canRedo())
        m_editor.History().redo();
    EXPECT_EQ(Text(), end);
}
