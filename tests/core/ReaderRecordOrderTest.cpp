// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

#include "core/format/CProjectReader.h"
#include "core/model/CAppletParameters.h"
#include "core/publish/CPageWriter.h"
#include "support/MemoryFileSystem.h"
#include "support/RandomModel.h"

namespace {
const std::string kStyle = "0,16777215,1,0,0,14,0,0,0,0,0,1,0,,,";

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end + 1 - start));
    return lines;
}
}  // namespace

// The reader finds menu and item records wherever they stand, takes the last
// of a repeated key, and reads only the spellings the writers use.
TEST(ReaderRecordOrder, OrderRepeatsAndSpellingsOfKeys)
{
    MemoryFileSystem fs;
    fs.m_files["/p/m.tvx"] = "[Other]\r\n"
                             "I0-1=from another section,,,,,,,,,1\r\n"
                             "[Tavelin1.0]\r\n"
                             "I1-1=Child,,,,,,,,,1\r\n"
                             "I0-2=Second (old),,,,,,,,,1\r\n"
                             "MStyle-1=0,0,0,0,40,15,80,20,5,0,Sub,1\r\n"
                             "I0-01=leading zero,,,,,,,,,1\r\n"
                             "I00-1=leading zero,,,,,,,,,1\r\n"
                             "I0-0=item zero,,,,,,,,,1\r\n"
                             "MStyle-01=0,0,0,0,1,1,1,1,1,0,Wrong,1\r\n"
                             "I0-1=First,,,,,,,,,1\r\n"
                             "IStyle-0=" +
                             kStyle + kStyle + kStyle +
                             "\r\n"
                             "  I0-2 = Second,,,,,,,,,0\r\n"
                             "MStyle-0=0,0,0,0,40,15,77,20,5,0,Top,1\r\n"
                             "Misc=2,2,1,-0,0-1,\r\n"
                             "[Later]\r\n"
                             "I0-2=from a later section,,,,,,,,,1\r\n";
    CAppletParameters p;
    CProjectReader reader(p, fs, "/prog");
    ASSERT_TRUE(reader.LoadProject("/p/m.tvx"));
    EXPECT_TRUE(reader.Warnings().empty());
    ASSERT_EQ(p.m_arrMenus.size(), 1u);
    const CTavelin& top = *p.m_arrMenus[0];
    EXPECT_EQ(top.m_nItemWidth, 77);
    ASSERT_EQ(top.GetItemCount(), 2);
    EXPECT_EQ(top.GetItem(0)->m_strLabel, "First");
    EXPECT_EQ(top.GetItem(1)->m_strLabel, " Second");
    EXPECT_EQ(top.GetItem(1)->m_bVisible, 0);
    const CTavelin& sub = *top.GetItem(0)->m_pSubMenu;
    EXPECT_EQ(sub.m_strName, "Sub");
    ASSERT_EQ(sub.GetItemCount(), 1);
    EXPECT_EQ(sub.GetItem(0)->m_strLabel, "Child");
}

// A project file whose lines were shuffled (the header kept first) loads as
// the model it was written from.
TEST(ReaderRecordOrder, ShuffledProjectFilesLoadUnchanged)
{
    std::mt19937 rng(11);
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        RandomModel gen(seed);
        RandomModel::Options options;
        options.items = static_cast<int>(seed * 3 % 70);
        CAppletParameters original;
        gen.Fill(original, options);
        MemoryFileSystem fs;
        std::vector<std::string> lines = Lines(CPageWriter(original, fs, "/prog").ProjectText());
        ASSERT_FALSE(lines.empty());
        std::shuffle(lines.begin() + 1, lines.end(), rng);
        std::string shuffled;
        for (const std::string& line : lines)
            shuffled += line;
        fs.m_files["/p/m.tvx"] = shuffled;
        CAppletParameters loaded;
        CProjectReader reader(loaded, fs, "/prog");
        ASSERT_TRUE(reader.LoadProject("/p/m.tvx"));
        EXPECT_EQ(RandomModel::Difference(original, loaded), "") << "seed " << seed;
    }
}

namespace {
// Scribbles over what the reader lets go of, so that a later read of it
// shows in the model.
class ScribblingFileSystem : public MemoryFileSystem {
public:
    void ReleaseBytes(std::string_view buffer, size_t from, size_t to) override
    {
        std::fill(const_cast<char*>(buffer.data()) + from, const_cast<char*>(buffer.data()) + to, '#');
        m_nReleased += to - from;
    }
    size_t m_nReleased = 0;
};
}  // namespace

// A large file read from front to back gives back the text behind the menus
// read so far; the model is the same whether that text is gone or not, with
// the relation list halfway through and with records out of order (nothing is let
// go of then).
TEST(ReaderRecordOrder, TextLetGoOfWhileReadingIsNeverReadAgain)
{
    RandomModel gen(5);
    RandomModel::Options options;
    options.items = 400;
    options.longTextPercent = 25;
    options.mediaPaths = {"/m/a.gif", "/m/b.wav", ""};
    CAppletParameters original;
    gen.Fill(original, options);
    ScribblingFileSystem fs;
    const std::vector<std::string> written = Lines(CPageWriter(original, fs, "/prog").ProjectText());
    const auto misc = std::find_if(written.begin(), written.end(),
                                   [](const std::string& line) { return line.rfind("Misc=", 0) == 0; });
    ASSERT_NE(misc, written.end());
    const auto firstItem = std::find_if(written.begin(), written.end(),
                                        [](const std::string& line) { return line.rfind("I0-1=", 0) == 0; });
    ASSERT_NE(firstItem, written.end());

    const struct {
        const char* name;
        bool letsGo;
        void (*reorder)(std::vector<std::string>&, size_t misc, size_t item);
    } cases[] = {
        {"as written", true, [](std::vector<std::string>&, size_t, size_t) {}},
        {"relations halfway", true,
         [](std::vector<std::string>& l, size_t misc, size_t) {
             std::rotate(l.begin() + static_cast<std::ptrdiff_t>(l.size() / 2),
                         l.begin() + static_cast<std::ptrdiff_t>(misc),
                         l.begin() + static_cast<std::ptrdiff_t>(misc) + 1);
         }},
        {"records out of order", false,
         [](std::vector<std::string>& l, size_t, size_t item) { std::swap(l[item], l[l.size() - 2]); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> lines = written;
        c.reorder(lines, static_cast<size_t>(misc - written.begin()), static_cast<size_t>(firstItem - written.begin()));
        std::string text;
        for (const std::string& line : lines)
            text += line;
        ASSERT_GT(text.size(), 3u << 20);
        fs.m_files["/p/m.tvx"] = text;
        fs.m_nReleased = 0;
        CAppletParameters loaded;
        CProjectReader reader(loaded, fs, "/prog");
        ASSERT_TRUE(reader.LoadProject("/p/m.tvx"));
        EXPECT_EQ(RandomModel::Difference(original, loaded), "");
        EXPECT_EQ(fs.m_nReleased > 0, c.letsGo);
    }
}
