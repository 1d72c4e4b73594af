// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/io/CStdFileSystem.h"
#include "core/settings/CMemorySettings.h"
#include "core/templates/CTemplateStore.h"

namespace {
using Names = std::vector<std::string>;

std::string StoredList(CMemorySettings& settings)
{
    return settings.GetString(CTemplateStore::kSection, CTemplateStore::kKey, "<none>");
}
}  // namespace

TEST(TemplateList, InsertKeepsTheCommaRules)
{
    EXPECT_EQ(CTemplateStore::InsertName("a,b,c", "x", 0), "x,a,b,c");
    EXPECT_EQ(CTemplateStore::InsertName("a,b,c", "x", 1), "a,x,b,c");
    EXPECT_EQ(CTemplateStore::InsertName("a,b,c", "x", 3), "a,b,c,x,");
    EXPECT_EQ(CTemplateStore::InsertName("a,b,c", "x", 9), "a,b,c,x,");
    EXPECT_EQ(CTemplateStore::InsertName("a,b,c,", "x", 3), "a,b,c,x,");
    EXPECT_EQ(CTemplateStore::InsertName("", "x", 0), "x,");
    EXPECT_EQ(CTemplateStore::InsertName("", "x", 2), "x,");
    EXPECT_EQ(CTemplateStore::InsertName("a", "x", -4), "x,a");
    EXPECT_EQ(CTemplateStore::SplitNames("a,b,c,x,"), (Names{"a", "b", "c", "x"}));
}

TEST(TemplateList, RemoveAndRenameTouchOnlyTheExactEntry)
{
    EXPECT_EQ(CTemplateStore::RemoveName("a,b,c", "c"), "a,b,");
    EXPECT_EQ(CTemplateStore::SplitNames("a,b,"), (Names{"a", "b"}));
    EXPECT_EQ(CTemplateStore::RemoveName("a,b,c", "a"), "b,c");
    EXPECT_EQ(CTemplateStore::RemoveName("a,b,c,", "c"), "a,b,");
    EXPECT_EQ(CTemplateStore::RemoveName("a", "a"), "");
    EXPECT_EQ(CTemplateStore::RemoveName("a,b", "q"), "a,b");

    EXPECT_EQ(CTemplateStore::RemoveName("Line Tree,Tree,Tree View", "Tree"), "Line Tree,Tree View");
    EXPECT_EQ(CTemplateStore::RemoveName("Tree,Line Tree", "Tree"), "Line Tree");
    EXPECT_EQ(CTemplateStore::RenameName("Line Tree,Tree,Trees", "Tree", "Bush"), "Line Tree,Bush,Trees");
    EXPECT_EQ(CTemplateStore::RenameName("a,b,", "b", "c"), "a,c,");
}

TEST(TemplateList, ReadingRuleDefaultAndBuiltinList)
{
    EXPECT_EQ(CTemplateStore::SplitNames("a,,b"), (Names{"a"}));
    EXPECT_EQ(CTemplateStore::SplitNames(",a"), Names{});
    EXPECT_EQ(CTemplateStore::SplitNames(""), Names{});

    CMemorySettings settings;
    CTemplateStore store(settings, CStdFileSystem::Instance(), "/nonexistent");
    EXPECT_EQ(store.ListNames(), Names{"Normal"});
    EXPECT_EQ(settings.Count(), 0u);  // reading never writes the default

    settings.SetString(CTemplateStore::kSection, CTemplateStore::kKey, "");
    store.EnsureNameList();
    const Names builtin = store.ListNames();
    ASSERT_EQ(builtin.size(), 14u);
    EXPECT_EQ(builtin.front(), "Normal");
    EXPECT_EQ(builtin[7], "Line Tree");
    EXPECT_EQ(builtin.back(), "X'mas");

    settings.SetString(CTemplateStore::kSection, CTemplateStore::kKey, "mine,");
    store.EnsureNameList();
    EXPECT_EQ(StoredList(settings), "mine,");
}

TEST(TemplateList, MovesSwapNeighboursAndRefuseImpossibleOnes)
{
    CMemorySettings settings;
    CTemplateStore store(settings, CStdFileSystem::Instance(), "/nonexistent");
    settings.SetString(CTemplateStore::kSection, CTemplateStore::kKey, "a,b,c");

    EXPECT_TRUE(store.MoveTemplate("a", 0, false));
    EXPECT_EQ(StoredList(settings), "b,a,c");

    settings.SetString(CTemplateStore::kSection, CTemplateStore::kKey, "a,b,c");
    EXPECT_TRUE(store.MoveTemplate("c", 2, true));
    EXPECT_EQ(StoredList(settings), "a,c,b,");
    EXPECT_EQ(store.ListNames(), (Names{"a", "c", "b"}));

    settings.SetString(CTemplateStore::kSection, CTemplateStore::kKey, "a,b,c");
    EXPECT_FALSE(store.MoveTemplate("a", 0, true));   // first up
    EXPECT_FALSE(store.MoveTemplate("c", 2, false));  // last down
    EXPECT_FALSE(store.MoveTemplate("b", 0, false));  // not at that place
    EXPECT_FALSE(store.MoveTemplate("b", 7, true));
    EXPECT_EQ(StoredList(settings), "a,b,c");
    EXPECT_TRUE(store.LastError().empty());
}

TEST(TemplateList, NamesTheListOrTheFileCannotHoldAreRefused)
{
    EXPECT_TRUE(CTemplateStore::IsStorableName("X'mas tree 2"));
    for (const char* bad : {"", "a,b", "[a", "a]", "a\rb", "a\nb"})
        EXPECT_FALSE(CTemplateStore::IsStorableName(bad)) << bad;

    const Names listed{"Normal", "Color Button"};
    EXPECT_TRUE(CTemplateStore::BeginsListedName(listed, "Color"));
    EXPECT_TRUE(CTemplateStore::BeginsListedName(listed, "normal"));
    EXPECT_TRUE(CTemplateStore::BeginsListedName(listed, "COLOR BUTTON"));
    EXPECT_FALSE(CTemplateStore::BeginsListedName(listed, "Colour"));
    EXPECT_FALSE(CTemplateStore::BeginsListedName(listed, "Color Buttons"));

    // The store refuses before it touches the list or the file.
    CMemorySettings settings;
    settings.SetString(CTemplateStore::kSection, CTemplateStore::kKey, "a,b");
    CTemplateStore store(settings, CStdFileSystem::Instance(), "/nonexistent");
    CAppletParameters params;
    EXPECT_FALSE(store.AddTemplate(params, "x,y", 0));
    EXPECT_EQ(store.LastError(), CTemplateStore::kBadName);
    EXPECT_FALSE(store.AddTemplate(params, "", 0));
    EXPECT_EQ(store.LastError(), CTemplateStore::kEmptyName);
    EXPECT_FALSE(store.RenameTemplate("a", "[z]"));
    EXPECT_EQ(store.LastError(), CTemplateStore::kBadName);
    EXPECT_FALSE(store.RenameTemplate("a", "b"));
    EXPECT_EQ(store.LastError(), CTemplateStore::kNameTaken);
    EXPECT_FALSE(store.RenameTemplate("a", "a"));
    EXPECT_EQ(StoredList(settings), "a,b");
}
