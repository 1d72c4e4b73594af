// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
// The project text written a piece at a time comes out byte for byte as the
// text composed in one go, also when a field far into the file makes the
// whole file start again with the escapes; a save through the disk writes
// those bytes.
#include <algorithm>
#include <gtest/gtest.h>
#include <string>

#include "CTemplateTestDir.h"
#include "core/format/CProjectText.h"
#include "core/io/CPath.h"
#include "core/io/CStdFileSystem.h"
#include "core/model/CItemWalk.h"
#include "core/publish/CPageWriter.h"
#include "support/RandomModel.h"

namespace {

class CRecordingSink : public IByteSink {
public:
    bool Write(std::string_view bytes) override
    {
        m_strBytes += bytes;
        ++m_nWrites;
        m_nLargest = std::max(m_nLargest, bytes.size());
        return true;
    }
    bool Restart() override
    {
        m_strBytes.clear();
        m_nWritesBeforeRestart = m_nWrites;
        ++m_nRestarts;
        return true;
    }

    std::string m_strBytes;
    int m_nWrites = 0;
    int m_nWritesBeforeRestart = 0;
    int m_nRestarts = 0;
    size_t m_nLargest = 0;
};

// The last item the walk meets, so that the field that needs the escapes
// comes after pieces were written.
CTavelinItem* LastItem(CAppletParameters& model)
{
    CTavelinItem* last = nullptr;
    CItemWalk::ForEachToChange(model, [&last](CTavelinItem& item) { last = &item; });
    return last;
}

// The random models give their menus names with commas; plain ones here.
void PlainMenuNames(CAppletParameters& model)
{
    for (const auto& top : model.m_arrMenus)
        top->m_strName = "menu";
    CItemWalk::ForEachToChange(model, [](CTavelinItem& item) {
        if (item.m_pSubMenu)
            item.m_pSubMenu->m_strName = "menu";
    });
}

TEST(StreamedProjectText, EqualsTheComposedTextPieceByPiece)
{
    struct Case {
        const char* name;
        int items;
        bool awkward;
        bool lateComma;  // a comma in the last item's description
        int restarts;
    };
    const Case cases[] = {
        {"small, awkward text", 300, true, false, 1},
        {"large, plain", 6000, false, false, 0},
        {"large, escapes needed at the end", 6000, false, true, 1},
    };
    CTemplateTestDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CAppletParameters model;
        RandomModel::Options options;
        options.items = c.items;
        options.awkwardText = c.awkward;
        options.longTextPercent = 5;
        RandomModel(11).Fill(model, options);
        if (!c.awkward)
            PlainMenuNames(model);
        if (c.lateComma)
            LastItem(model)->m_strDescription = "late, with a comma";
        // A page build sets the menus' working start positions, as before a save.
        CPageWriter writer(model, CStdFileSystem::Instance(), dir.Path());
        const std::string pageText = writer.BuildPage();
        const std::string whole = writer.ProjectText();
        CMediaFiles media(CStdFileSystem::Instance());
        CRecordingSink sink;
        ASSERT_TRUE(CProjectText(model, media, false).Write("Tavelin1.0", sink));
        EXPECT_TRUE(sink.m_strBytes == whole);
        EXPECT_EQ(sink.m_nRestarts, c.restarts);
        if (c.items > 1000) {
            ASSERT_GT(whole.size(), 3 * CProjectText::kPiece);
            EXPECT_GE(sink.m_nWrites, 3);
            EXPECT_LT(sink.m_nLargest, 2 * CProjectText::kPiece);
        }
        if (c.lateComma) {
            EXPECT_GE(sink.m_nWritesBeforeRestart, 2);
        }

        // The same bytes land in the project file of a save.
        const std::string page = CPath::Join(dir.Path(), "menu.htm");
        ASSERT_TRUE(writer.SaveFiles(page, dir.Path(), pageText));
        std::string saved;
        ASSERT_TRUE(CStdFileSystem::Instance().ReadFile(CPath::ProjectFileFor(page), saved));
        EXPECT_TRUE(saved == whole);
    }
}

}  // namespace
