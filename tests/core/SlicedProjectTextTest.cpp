// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
// The numbering walk and the project text taken in slices give what they
// give in one go, whatever the slice size and whatever runs between slices.
#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <string>

#include "CTemplateTestDir.h"
#include "core/format/CNumberingWalk.h"
#include "core/format/CSlicedProjectText.h"
#include "core/io/CStdFileSystem.h"
#include "core/publish/CPageWriter.h"
#include "support/RandomModel.h"

namespace {

constexpr size_t kSliceSizes[] = {1, 7, 60, SIZE_MAX};

// Page mode leaves hidden items and menus out, project mode writes them all.
TEST(SlicedNumberingWalk, EqualsTheWholeWalk)
{
    for (std::uint32_t seed : {4u, 5u}) {
        CAppletParameters model;
        RandomModel::Options options;
        options.items = 400;
        RandomModel(seed).Fill(model, options);
        for (bool pageMode : {true, false}) {
            CWriteState wholeState;
            CNumberingWalk whole(model, pageMode, wholeState);
            const std::vector<const CTavelin*> menus = whole.Run();
            const std::string relation = wholeState.m_strRelation;
            const std::string structure = whole.StructureValue();
            for (size_t slice : kSliceSizes) {
                SCOPED_TRACE(testing::Message() << seed << " page " << pageMode << " slice " << slice);
                CWriteState state;
                CNumberingWalk walk(model, pageMode, state);
                walk.Begin();
                int steps = 1;
                while (!walk.Step(slice))
                    ++steps;
                EXPECT_EQ(state.m_arrMenus, menus);
                EXPECT_EQ(state.m_strRelation, relation);
                std::string value;
                while (!walk.AppendStructure(value, slice))
                    ++steps;
                EXPECT_EQ(value, structure);
                EXPECT_TRUE(state.m_arrWritten.empty());
                if (slice < 60) {
                    EXPECT_GT(steps, 20);
                }
            }
        }
    }
}

// A model with one long menu, longer than any slice, whose item at
// `awkwardAt` (if any) holds a comma, so that the plain pass must start
// again with the escapes from inside that menu.
void FillLongMenu(CAppletParameters& model, int items, int awkwardAt)
{
    model.Reset();
    CTavelin* top = model.AddTopMenu();
    for (int i = 0; i < items; ++i) {
        CTavelinItem* item = top->InsertNewItem();
        item->m_strLabel = "Item " + std::to_string(i);
        item->m_strDescription = i == awkwardAt ? "red, green" : "plain";
    }
    model.AddTopMenu();  // and an empty one after it
}

// Page builds between slices renumber the page's menus; the copy keeps its
// own numbering and comes out byte for byte as the whole text, also when a
// menu's items are split across slices and when the escapes are found late.
TEST(SlicedProjectText, EqualsTheWholeTextWithPageBuildsBetweenSlices)
{
    struct Case {
        const char* name;
        std::function<void(CAppletParameters&)> fill;
        int items;  // in the longest menu: slices of 7 take at least items / 7 steps
    };
    const Case cases[] = {
        {"random",
         [](CAppletParameters& m) {
             RandomModel::Options options;
             options.items = 500;
             RandomModel(6).Fill(m, options);
         },
         0},
        {"random, plain text",
         [](CAppletParameters& m) {
             RandomModel::Options options;
             options.items = 300;
             options.awkwardText = false;
             RandomModel(7).Fill(m, options);
         },
         0},
        {"one long menu", [](CAppletParameters& m) { FillLongMenu(m, 300, -1); }, 300},
        {"escapes late in a long menu", [](CAppletParameters& m) { FillLongMenu(m, 300, 250); }, 300},
    };
    CTemplateTestDir dir;
    IFileSystem& fs = CStdFileSystem::Instance();
    for (const Case& c : cases) {
        CAppletParameters model;
        c.fill(model);
        CPageWriter writer(model, fs, dir.Path());
        writer.BuildPage();  // sets the working start positions once
        const std::string whole = writer.ProjectText();
        for (size_t slice : kSliceSizes) {
            SCOPED_TRACE(testing::Message() << c.name << " slice " << slice);
            CSlicedProjectText sliced(model, fs);
            sliced.Start();
            int steps = 1;
            while (!sliced.Step(slice)) {
                writer.BuildPage();
                ++steps;
            }
            EXPECT_EQ(sliced.Take(), whole);
            if (slice == 7) {
                EXPECT_GE(steps, c.items / 7);
            }
            // Started again, it composes the same text once more.
            sliced.Start();
            while (!sliced.Step(slice)) {
            }
            EXPECT_EQ(sliced.Take(), whole);
        }
    }
}

}  // namespace
