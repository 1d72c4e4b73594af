// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "CTemplateTestDir.h"
#include "CTemplateTestFs.h"
#include "core/publish/CPageWriter.h"
#include "core/settings/CMemorySettings.h"
#include "core/templates/CTemplateStore.h"

namespace {
const std::string kTpl = CPageWriter::kTemplateFile;

// Three sections with untidy blanks, as a hand-edited file might hold them.
const std::string kFile = "[Normal]\r\nApStyle=n\r\nMisc=0,\r\n"
                          "  [Tree]  \r\nApStyle=t\r\n\r\nMisc=1,0,-0,\r\n"
                          "[Line Tree]\r\n  ApStyle=l  \r\nMisc=0,\r\n";

struct Fixture {
    CTemplateTestDir dir;
    CTemplateTestFs fs;
    CMemorySettings settings;
    CTemplateStore store{settings, fs, dir.Path()};

    explicit Fixture(const std::string& list)
    {
        settings.SetString(CTemplateStore::kSection, CTemplateStore::kKey, list);
        dir.Write(kTpl, kFile);
    }
    std::string List() { return settings.GetString(CTemplateStore::kSection, CTemplateStore::kKey, ""); }
};
}  // namespace

TEST(TemplateFile, DeleteDropsEverySectionOfTheNameOnly)
{
    Fixture f("Normal,Tree,Line Tree");
    EXPECT_TRUE(f.store.DeleteTemplate("Tree"));
    EXPECT_EQ(f.List(), "Normal,Line Tree");
    // The kept lines come back trimmed, each with CR LF.
    EXPECT_EQ(f.dir.Read(kTpl), "[Normal]\r\nApStyle=n\r\nMisc=0,\r\n[Line Tree]\r\nApStyle=l\r\nMisc=0,\r\n");

    // A name saved twice leaves no stale section behind to be found later.
    f.dir.Write(kTpl, "[A]\r\nx=1\r\n[B]\r\nx=2\r\n[A]\r\nx=3\r\n");
    EXPECT_TRUE(f.store.DeleteTemplate("A"));
    EXPECT_EQ(f.dir.Read(kTpl), "[B]\r\nx=2\r\n");

    // A missing file is not created by a delete.
    std::filesystem::remove(f.dir.Path(kTpl));
    EXPECT_TRUE(f.store.DeleteTemplate("B"));
    EXPECT_FALSE(f.dir.Exists(kTpl));
}

TEST(TemplateFile, RenameChangesTheHeaderAndNothingElse)
{
    Fixture f("Normal,Tree,Line Tree");
    EXPECT_TRUE(f.store.RenameTemplate("Tree", "Bush"));
    EXPECT_EQ(f.List(), "Normal,Bush,Line Tree");
    std::string expected = kFile;
    expected.replace(expected.find("  [Tree]  "), 10, "[Bush]");
    EXPECT_EQ(f.dir.Read(kTpl), expected);

    // An unlisted leftover section of the new name would shadow the renamed one.
    f.dir.Write(kTpl, "[Old]\r\nx=1\r\n[New]\r\nx=stale\r\n");
    f.settings.SetString(CTemplateStore::kSection, CTemplateStore::kKey, "Old");
    EXPECT_TRUE(f.store.RenameTemplate("Old", "New"));
    EXPECT_EQ(f.dir.Read(kTpl), "[New]\r\nx=1\r\n");
}

TEST(TemplateFile, UnreadableOrUnwritableFileStaysAsItWas)
{
    Fixture f("Normal,Tree,Line Tree");
    f.fs.m_strUnreadableFile = f.dir.Path(kTpl);

    // The list is put back as well: no name without its section.
    EXPECT_FALSE(f.store.DeleteTemplate("Tree"));
    EXPECT_EQ(f.store.LastError(), CTemplateStore::kOpenFailed);
    EXPECT_EQ(f.List(), "Normal,Tree,Line Tree");
    EXPECT_EQ(f.dir.Read(kTpl), kFile);

    EXPECT_FALSE(f.store.RenameTemplate("Normal", "Plain"));
    EXPECT_EQ(f.store.LastError(), CTemplateStore::kOpenFailed);
    EXPECT_EQ(f.List(), "Normal,Tree,Line Tree");
    EXPECT_EQ(f.dir.Read(kTpl), kFile);

    f.fs.m_strUnreadableFile.clear();
    f.fs.m_strReadOnlyFolder = f.dir.Path();
    EXPECT_FALSE(f.store.RenameTemplate("Line Tree", "Lines"));
    EXPECT_EQ(f.store.LastError(), CTemplateStore::kSaveFailed);
    EXPECT_FALSE(f.store.DeleteTemplate("Normal"));
    EXPECT_EQ(f.store.LastError(), CTemplateStore::kSaveFailed);
    EXPECT_EQ(f.List(), "Normal,Tree,Line Tree");
    EXPECT_EQ(f.dir.Read(kTpl), kFile);
}

TEST(TemplateFile, AddCreatesTheFileAndALaterAddWins)
{
    CTemplateTestDir dir;
    CTemplateTestFs fs;
    CMemorySettings settings;
    CTemplateStore store(settings, fs, dir.Path());
    dir.Write("elsewhere/arrow.gif", "GIF89a;");

    CAppletParameters params;
    params.Reset();
    params.m_strName = "First";
    CTavelin* menu = params.AddTopMenu();
    CTavelinItem* item = menu->InsertNewItem();
    item->m_strLabel = "Home";
    item->m_strNormalImage = dir.Path("elsewhere/arrow.gif");
    item->m_strOverImage = dir.Path("elsewhere/missing.gif");

    ASSERT_TRUE(store.AddTemplate(params, "Mine", 0)) << store.LastError();
    EXPECT_EQ(store.ListNames(), (std::vector<std::string>{"Mine", "Normal"}));
    const std::string first = dir.Read(kTpl);
    EXPECT_EQ(first.rfind("[Mine]\r\n", 0), 0u);
    EXPECT_EQ(first.find("Notice"), std::string::npos);
    EXPECT_TRUE(dir.Exists("Sample/Image/arrow.gif"));

    CAppletParameters loaded;
    store.LoadTemplate(loaded, 0);
    EXPECT_EQ(loaded.m_strName, "First");
    ASSERT_EQ(loaded.m_arrMenus.size(), 1u);
    ASSERT_EQ(loaded.m_arrMenus[0]->GetItemCount(), 1);
    const CTavelinItem* home = loaded.m_arrMenus[0]->GetItem(0);
    EXPECT_EQ(home->m_strLabel, "Home");
    // The image is taken from the sample folder it was copied into.
    EXPECT_EQ(home->m_strNormalImage, dir.Path("Sample/Image/arrow.gif"));
    EXPECT_EQ(home->m_strOverImage, "");

    params.m_strName = "Second";
    ASSERT_TRUE(store.AddTemplate(params, "Mine", 1));
    EXPECT_EQ(store.ListNames(), (std::vector<std::string>{"Mine", "Normal"}));
    EXPECT_EQ(dir.Read(kTpl).rfind(first, 0), 0u);  // old lines kept in front
    store.LoadTemplate(loaded, 0);
    EXPECT_EQ(loaded.m_strName, "Second");

    // Loading a name without a section gives the reader's defaults.
    store.LoadTemplate(loaded, 1);
    EXPECT_EQ(loaded.m_strName, "My Tavelina");
    EXPECT_TRUE(loaded.m_arrMenus.empty());
}

TEST(TemplateFile, AddIntoAFolderThatCannotBeWrittenReportsIt)
{
    CTemplateTestDir dir;
    CTemplateTestFs fs;
    CMemorySettings settings;
    CTemplateStore store(settings, fs, dir.Path());
    dir.Write(kTpl, kFile);
    fs.m_strReadOnlyFolder = dir.Path();

    CAppletParameters params;
    params.AddTopMenu()->InsertNewItem();
    EXPECT_FALSE(store.AddTemplate(params, "Mine", 5));
    EXPECT_EQ(store.LastError(), CPageWriter::kSaveFailed);
    EXPECT_EQ(store.ListNames(), (std::vector<std::string>{"Normal"}));
    EXPECT_EQ(dir.Read(kTpl), kFile);
}
