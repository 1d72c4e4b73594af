// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <algorithm>
#include <gtest/gtest.h>
#include <string>

#include "core/format/CProjectReader.h"
#include "core/model/CAppletParameters.h"
#include "core/publish/CPageWriter.h"
#include "support/MemoryFileSystem.h"
#include "support/RandomModel.h"

namespace {
// Saves the model as /site/m.htm and returns the project file's bytes.
std::string Save(CAppletParameters& p, MemoryFileSystem& fs)
{
    CPageWriter writer(p, fs, "/prog");
    const std::string page = writer.BuildPage();
    EXPECT_TRUE(writer.SaveFiles("/site/m.htm", "/site", page));
    return fs.m_files["/site/m.tvx"];
}
}  // namespace

TEST(RoundTrip, RandomModelsSurviveSaveAndLoad)
{
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        RandomModel gen(seed);
        RandomModel::Options options;
        options.items = static_cast<int>(seed % 60);
        options.longTextPercent = seed % 10 == 0 ? 5 : 0;
        options.mediaPaths = {"/pics/a.gif", "/pics/b,c.png", "/pics/x.txt", "/gone/d.wav", ""};
        MemoryFileSystem fs;
        fs.m_files["/pics/a.gif"] = "A";
        fs.m_files["/pics/b,c.png"] = "B";
        fs.m_files["/pics/x.txt"] = "X";

        CAppletParameters original;
        gen.Fill(original, options);
        const std::string first = Save(original, fs);

        CAppletParameters loaded;
        CProjectReader reader(loaded, fs, "/prog");
        ASSERT_TRUE(reader.LoadProject("/site/m.tvx")) << seed;
        EXPECT_TRUE(reader.Warnings().empty()) << seed;
        ASSERT_EQ(RandomModel::Difference(original, loaded), "") << "seed " << seed;
        ASSERT_EQ(Save(loaded, fs), first) << "seed " << seed;
    }
}

TEST(RoundTrip, PageLinesNeverBreakAndAttributesStayClosed)
{
    for (std::uint32_t seed = 1; seed <= 50; ++seed) {
        RandomModel gen(seed);
        RandomModel::Options options;
        options.items = 30;
        CAppletParameters p;
        gen.Fill(p, options);
        MemoryFileSystem fs;
        const std::string page = CPageWriter(p, fs, "/prog").BuildPage();
        // Every line between the applet tags is one whole parameter element.
        size_t start = page.find("\t<param");
        const size_t end = page.find("</applet>");
        ASSERT_NE(start, std::string::npos);
        while (start < end) {
            const size_t eol = page.find("\r\n", start);
            const std::string line = page.substr(start, eol - start);
            EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos);
            EXPECT_EQ(line.rfind("\t<param name=\"", 0), 0u) << line;
            EXPECT_EQ(line.substr(line.size() - 2), "\">") << line;
            // Exactly four quotes: name="..." value="...".
            EXPECT_EQ(std::count(line.begin(), line.end(), '"'), 4) << line;
            start = eol + 2;
        }
    }
}
