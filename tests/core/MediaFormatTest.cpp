// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <algorithm>
#include <gtest/gtest.h>
#include <string>

#include "core/check/CParameterCheck.h"
#include "core/model/CAppletParameters.h"
#include "core/publish/CHtml5Exporter.h"
#include "core/publish/CPageWriter.h"
#include "support/MemoryFileSystem.h"

namespace {
struct FormatCase {
    const char* file;
    bool sound;
    bool onlyHtml5;
};

// Every picture and sound format, in upper case too: the extension decides.
const FormatCase kCases[] = {
    {"pic.gif", false, false}, {"pic.jpg", false, false}, {"pic.JPEG", false, false}, {"pic.png", false, true},
    {"pic.svg", false, true},  {"pic.WebP", false, true}, {"tune.au", true, false},   {"tune.wav", true, true},
    {"tune.ogg", true, true},  {"tune.MP3", true, true},
};

// Products > Software names the file as its normal image or mouse-over sound;
// a hidden item names it as well and is never reported.
struct MediaModel {
    explicit MediaModel(const FormatCase& c) : path(std::string("/media/") + c.file)
    {
        fs.m_dirs = {"/prog", "/site", "/media"};
        fs.m_files["/prog/tavelin.js"] = "// runtime";
        fs.m_files["/prog/tavelin.class"] = "CLASS";
        fs.m_files[path] = c.file;
        params.m_strName = "Site";
        CTavelin* top = params.AddTopMenu();
        CTavelinItem* products = top->InsertNewItem();
        products->m_strLabel = "Products";
        software = products->m_pSubMenu->InsertNewItem();
        software->m_strLabel = "Soft\r\nware";
        CTavelinItem* hidden = top->InsertNewItem();
        hidden->m_strLabel = "Hidden";
        hidden->m_bVisible = 0;
        for (CTavelinItem* item : {software, hidden})
            (c.sound ? item->m_strOverAudio : item->m_strNormalImage) = path;
    }
    std::string path;
    CTavelinItem* software = nullptr;
    MemoryFileSystem fs;
    CAppletParameters params;
};
}  // namespace

TEST(MediaFormats, CheckNamesHtml5OnlyFilesAndEveryWriterCopiesThem)
{
    for (const FormatCase& c : kCases) {
        SCOPED_TRACE(c.file);
        MediaModel m(c);
        const std::string kind = c.sound ? "\" mouse over audio file \"" : "\" normal image file \"";
        const std::string line = "Warning:\t\tItem \"Products > Soft ware" + kind + m.path +
                                 "\" is used only by the HTML5 forms: the applet reads GIF and JPEG images and .au "
                                 "sounds.\r\n";
        CParameterCheck check(m.params, m.fs);
        const CParameterCheck::Result result = check.Run();
        EXPECT_EQ(result.report.find(line) != std::string::npos, c.onlyHtml5) << result.report;
        EXPECT_EQ(result.report.find("Hidden"), std::string::npos);
        EXPECT_EQ(result.report.find("not exist"), std::string::npos);
        if (c.onlyHtml5) {  // the line selects its item
            const auto lineNo =
                std::count(result.report.begin(), result.report.begin() + result.report.find(line), '\n');
            EXPECT_EQ(result.lineItems.at(size_t(lineNo)), m.software);
        }

        // The applet page names the file as it names every media file, and
        // copies it beside the page.
        CPageWriter writer(m.params, m.fs, "/prog");
        const std::string page = writer.BuildPage();
        EXPECT_NE(page.find(std::string(",") + c.file + ","), std::string::npos);
        ASSERT_TRUE(writer.SaveFiles("/site/menu.htm", "/site", page));
        EXPECT_EQ(m.fs.m_files[std::string("/site/") + c.file], c.file);

        // The HTML5 export copies it beside its own page.
        m.fs.m_files.erase(std::string("/site/") + c.file);
        CHtml5Exporter exporter(m.fs, "/prog");
        std::string error;
        ASSERT_TRUE(exporter.Export(m.params, "/site/menu5.htm", &error)) << error;
        EXPECT_EQ(m.fs.m_files[std::string("/site/") + c.file], c.file);
        EXPECT_NE(m.fs.m_files["/site/menu5.htm"].find(c.file), std::string::npos);
    }
}

TEST(MediaFormats, AppletBackgroundFilesAreCheckedAlike)
{
    const struct {
        const char* image;
        const char* audio;
        const char* expected;
    } cases[] = {
        {"/m/bg.gif", "/m/loop.au", nullptr},
        {"/m/bg.webp", "/m/loop.au", "Applet background image file \"/m/bg.webp\" is used only by the HTML5 forms"},
        {"/m/bg.jpg", "/m/loop.ogg", "Applet background audio file \"/m/loop.ogg\" is used only by the HTML5 forms"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.image);
        CAppletParameters p;
        MemoryFileSystem fs;
        fs.m_files[c.image] = "I";
        fs.m_files[c.audio] = "A";
        p.m_strBackImage = c.image;
        p.m_strBackAudio = c.audio;
        const std::string report = CParameterCheck(p, fs).Run().report;
        if (c.expected)
            EXPECT_NE(report.find(std::string("Warning:\t\t") + c.expected), std::string::npos) << report;
        else
            EXPECT_EQ(report.find("HTML5"), std::string::npos) << report;
    }
}
