// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <string>

#include "core/check/CParameterCheck.h"
#include "core/format/CProjectReader.h"
#include "core/io/CStdFileSystem.h"
#include "core/model/CAppletParameters.h"
#include "core/publish/CPageWriter.h"
#include "core/settings/CMemorySettings.h"
#include "core/templates/CTemplateStore.h"
#include "support/RandomModel.h"

namespace {
namespace fs = std::filesystem;

class TempFolder {
public:
    TempFolder() : m_path(fs::temp_directory_path() / ("atw-codec-" + std::to_string(std::random_device{}())))
    {
        fs::create_directories(m_path);
    }
    ~TempFolder()
    {
        std::error_code ec;
        fs::remove_all(m_path, ec);
    }
    std::string operator/(const std::string& name) const { return (m_path / name).string(); }
    std::string Read(const std::string& name) const
    {
        std::string bytes;
        CStdFileSystem::Instance().ReadFile(*this / name, bytes);
        return bytes;
    }
    void Write(const std::string& name, const std::string& bytes) const
    {
        fs::create_directories(fs::path(*this / name).parent_path());
        CStdFileSystem::Instance().WriteFileAtomic(*this / name, bytes);
    }
    std::set<std::string> Names(const std::string& sub) const
    {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_path / sub))
            names.insert(entry.path().filename().string());
        return names;
    }

private:
    fs::path m_path;
};
}  // namespace

TEST(CodecFiles, SaveAndOpenOnDisk)
{
    TempFolder t;
    CStdFileSystem& disk = CStdFileSystem::Instance();
    t.Write("prog/tavelin.class", "CLASS");
    t.Write("media/pic.JPG", "JPG");
    t.Write("media/tune.au", "AU");
    t.Write("media/notes.txt", "TXT");
    fs::create_directories(t / "media/folder.gif");
    fs::create_directories(t / "site");
    t.Write("site/menu.htm", "old page");

    CAppletParameters p;
    RandomModel gen(7);
    RandomModel::Options options;
    options.items = 25;
    options.mediaPaths = {t / "media/pic.JPG",    t / "media/tune.au", t / "media/notes.txt",
                          t / "media/folder.gif", "/dev/null",         t / "media/gone.png"};
    gen.Fill(p, options);
    p.m_arrMenus[0]->m_bVisible = 1;
    auto& first = *p.m_arrMenus[0]->InsertNewItem();
    first.m_strNormalImage = t / "media/pic.JPG";
    first.m_strOverAudio = t / "media/tune.au";
    first.m_strClickImage = "/dev/null";
    first.m_strOverImage = t / "media/folder.gif";
    first.m_strClickAudio = t / "media/gone.png";

    CPageWriter writer(p, disk, t / "prog");
    const std::string page = writer.BuildPage();
    EXPECT_NE(page.find(",pic.JPG,"), std::string::npos);
    EXPECT_EQ(page.find("notes.txt"), std::string::npos);
    EXPECT_EQ(page.find("folder.gif"), std::string::npos);
    EXPECT_EQ(page.find(",null,"), std::string::npos);
    ASSERT_TRUE(writer.SaveFiles(t / "site/menu.htm", t / "site", page));
    EXPECT_EQ(t.Read("site/menu.htm"), page);
    // Only the page, its project file, the class file and the media: no
    // temporary files are left behind and nothing else is copied.
    EXPECT_EQ(t.Names("site"), (std::set<std::string>{"menu.htm", "menu.tvx", "tavelin.class", "pic.JPG", "tune.au"}));

    CAppletParameters loaded;
    CProjectReader reader(loaded, disk, t / "prog");
    ASSERT_TRUE(reader.LoadProject(t / "site/menu.tvx"));
    EXPECT_EQ(RandomModel::Difference(p, loaded), "");

    // The check reports the folder and the device as unusable, the gone file as missing.
    const std::string report = CParameterCheck(p, disk).Run().report;
    EXPECT_NE(report.find("file \"/dev/null\" is not an image or audio file; it is not copied.\r\n"),
              std::string::npos);
    EXPECT_NE(report.find("folder.gif\" is not an image or audio file"), std::string::npos);
    EXPECT_NE(report.find("gone.png\" not exist.\r\n"), std::string::npos);

    // A device or a folder is no project file, and reading it does not hang.
    EXPECT_FALSE(reader.LoadProject("/dev/zero"));
    EXPECT_FALSE(reader.LoadProject(t / "site"));
}

TEST(CodecFiles, TemplateAppendKeepsTheOldSectionsOnDisk)
{
    TempFolder t;
    CStdFileSystem& disk = CStdFileSystem::Instance();
    t.Write("prog/AppletTavelinWizard.tpl", "[Old]\r\nMisc=0,\r\n");
    t.Write("media/a.png", "PNG");
    CAppletParameters p;
    p.Reset();
    p.AddTopMenu()->InsertNewItem()->m_strNormalImage = t / "media/a.png";
    CPageWriter writer(p, disk, t / "prog");
    ASSERT_TRUE(writer.SaveTemplate(t / "prog", "Mine"));
    EXPECT_EQ(t.Read("prog/Sample/Image/a.png"), "PNG");
    const std::string tpl = t.Read("prog/AppletTavelinWizard.tpl");
    EXPECT_EQ(tpl.rfind("[Old]\r\nMisc=0,\r\n[Mine]\r\nApStyle=", 0), 0u);

    CAppletParameters loaded;
    CProjectReader reader(loaded, disk, t / "prog");
    loaded.Reset();
    ASSERT_TRUE(reader.LoadModel(t / "prog/AppletTavelinWizard.tpl", "Mine", true));
    ASSERT_EQ(loaded.m_arrMenus.size(), 1u);
    EXPECT_EQ(loaded.m_arrMenus[0]->GetItem(0)->m_strNormalImage, t / "prog" + "/Sample/Image/a.png");
}

// A per-user program folder holds no shipped samples: a template's bare
// names are found in the shipped data where it lies, unless the user's own
// template files (saved into the program folder) have that name.
TEST(CodecFiles, TemplateSamplesAreReadWhereTheyWereShipped)
{
    TempFolder t;
    CStdFileSystem& disk = CStdFileSystem::Instance();
    t.Write("share/Sample/Image/arrow.gif", "GIF89a;");
    t.Write("share/Sample/Image/mine.gif", "GIF89a;");
    t.Write("share/Sample/Audio/click.au", ".snd");
    t.Write("user/Sample/Image/mine.gif", "GIF89a; mine");
    t.Write("user/AppletTavelinWizard.tpl",
            "[T]\r\nApStyle=N,0,1,1,0,0,arrow.gif,0,0,0,click.au,1,5,5,0,1,0,1,1,0,0,5,0\r\n"
            "MStyle-0=16777215,0,0,0,30,4,120,22,2,0,top-level Tavelina,1\r\n"
            "IStyle-0=6563860,16777215,1,0,1,12,1,0,0,0,6,1,0,,,11824710,16777215,1,0,1,12,1,0,0,0,6,1,0,,,"
            "3937290,7920895,1,0,1,12,1,0,0,0,6,1,0,,,\r\n"
            "I0-1=One,,one.htm,,mine.gif,gone.gif,,,,1\r\nMisc=1,1,-0,\r\n");
    CMemorySettings settings;
    settings.SetString(CTemplateStore::kSection, CTemplateStore::kKey, "T");
    const struct {
        std::string shared;
        std::string image, audio, own, missing;
    } cases[] = {
        {t / "share", t / "share/Sample/Image/arrow.gif", t / "share/Sample/Audio/click.au",
         t / "user/Sample/Image/mine.gif", t / "user/Sample/Image/gone.gif"},
        {"", t / "user/Sample/Image/arrow.gif", t / "user/Sample/Audio/click.au", t / "user/Sample/Image/mine.gif",
         t / "user/Sample/Image/gone.gif"},
    };
    for (const auto& c : cases) {
        CAppletParameters p;
        CTemplateStore store(settings, disk, t / "user", c.shared);
        ASSERT_TRUE(store.LoadTemplate(p, 0)) << store.LastError();
        EXPECT_EQ(p.m_strBackImage, c.image) << c.shared;
        EXPECT_EQ(p.m_strBackAudio, c.audio) << c.shared;
        ASSERT_FALSE(p.m_arrMenus.empty());
        ASSERT_GT(p.m_arrMenus[0]->GetItemCount(), 0);
        const CTavelinItem* item = p.m_arrMenus[0]->GetItem(0);
        EXPECT_EQ(std::string(item->m_strNormalImage), c.own) << c.shared;
        EXPECT_EQ(std::string(item->m_strOverImage), c.missing) << c.shared;
    }
}
