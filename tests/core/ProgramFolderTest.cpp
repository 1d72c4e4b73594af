// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "CTemplateTestDir.h"
#include "CTemplateTestFs.h"
#include "core/settings/CProgramFolder.h"

namespace {
// What a build tree lays beside the executable (into folder), plus things that are not data.
void LayShipped(const CTemplateTestDir& dir, const std::string& folder = "bin")
{
    dir.Write(folder + "/AppletTavelinWizard.tpl", "[Normal]\r\n");
    dir.Write(folder + "/Sample/Samples.htm", "<html></html>");
    dir.Write(folder + "/Sample/Image/arrow.gif", "GIF89a;");
    dir.Write(folder + "/Sample/Audio/click.au", ".snd");
    dir.Write(folder + "/help/index.htm", "help");
    dir.Write(folder + "/tavelin.class", "class");
    dir.Write(folder + "/tavelin.js", "script");
    dir.Write("bin/atw", "executable");
}
}  // namespace

TEST(ProgramFolder, WritableExecutableFolderIsUsedAsItIs)
{
    CTemplateTestDir dir;
    LayShipped(dir);
    CTemplateTestFs fs;
    CProgramFolder folder(fs);
    EXPECT_EQ(folder.Resolve(dir.Path("bin"), dir.Path("user")), dir.Path("bin"));
    EXPECT_FALSE(dir.Exists("user"));
    EXPECT_EQ(fs.ListFiles(dir.Path("bin")),
              (std::vector<std::string>{"AppletTavelinWizard.tpl", "Sample", "atw", "help", "tavelin.class",
                                        "tavelin.js"}));  // no probe left behind
}

TEST(ProgramFolder, ReadOnlyInstallationGetsAPerUserCopy)
{
    CTemplateTestDir dir;
    LayShipped(dir);
    CTemplateTestFs fs;
    fs.m_strReadOnlyFolder = dir.Path("bin");
    CProgramFolder folder(fs);

    ASSERT_EQ(folder.Resolve(dir.Path("bin"), dir.Path("user/atw")), dir.Path("user/atw"));
    for (const char* name : {"AppletTavelinWizard.tpl", "tavelin.class", "tavelin.js"})
        EXPECT_EQ(dir.Read(std::string("user/atw/") + name), dir.Read(std::string("bin/") + name)) << name;
    // Help and samples are read where they lie.
    EXPECT_EQ(fs.ListFiles(dir.Path("user/atw")),
              (std::vector<std::string>{"AppletTavelinWizard.tpl", "tavelin.class", "tavelin.js"}));
    EXPECT_EQ(folder.SharedDataDir(dir.Path("bin"), false), dir.Path("bin"));

    // Later starts add what is missing and never replace the user's own files.
    dir.Write("user/atw/AppletTavelinWizard.tpl", "[Normal]\r\n[Mine]\r\n");
    std::filesystem::remove(dir.Path("user/atw/tavelin.js"));
    EXPECT_EQ(folder.Resolve(dir.Path("bin"), dir.Path("user/atw")), dir.Path("user/atw"));
    EXPECT_EQ(dir.Read("user/atw/AppletTavelinWizard.tpl"), "[Normal]\r\n[Mine]\r\n");
    EXPECT_TRUE(dir.Exists("user/atw/tavelin.js"));

    // With no writable place at all the program stays where it is.
    fs.m_strReadOnlyFolder = dir.Path();
    EXPECT_EQ(folder.Resolve(dir.Path("bin"), dir.Path("other")), dir.Path("bin"));
    EXPECT_EQ(folder.Resolve(dir.Path("bin"), ""), dir.Path("bin"));
}

TEST(ProgramFolder, InstalledProgramAlwaysWorksInThePerUserCopy)
{
    // usr/bin holds the executables, usr/share/applettavelinwizard the data.
    // Even when that folder can be written (root), the package's files stay
    // as they are.
    CTemplateTestDir dir;
    LayShipped(dir, "usr/share/applettavelinwizard");
    dir.Write("usr/bin/atw", "executable");
    CTemplateTestFs fs;
    CProgramFolder folder(fs);
    const std::string data = dir.Path("usr/share/applettavelinwizard");
    EXPECT_EQ(folder.InstalledDataDir(dir.Path("usr/bin")), data);
    EXPECT_EQ(folder.SharedDataDir(dir.Path("usr/bin"), true), data);
    EXPECT_EQ(folder.SharedDataDir(dir.Path("usr/bin"), false), dir.Path("usr/bin"));  // a folder named by hand

    ASSERT_EQ(folder.ResolveForExecutable(dir.Path("usr/bin"), dir.Path("user")), dir.Path("user"));
    EXPECT_EQ(dir.Read("user/tavelin.js"), "script");
    EXPECT_FALSE(dir.Exists("user/help"));
    EXPECT_FALSE(dir.Exists("user/Sample"));
    EXPECT_FALSE(dir.Exists("user/atw"));
    EXPECT_EQ(fs.ListFiles(data),
              (std::vector<std::string>{"AppletTavelinWizard.tpl", "Sample", "help", "tavelin.class", "tavelin.js"}));

    // An upgrade brings new scripts into the copy; the user's templates and
    // the pictures of the user's own templates stay.
    dir.Write("usr/share/applettavelinwizard/help/index.htm", "help 2");
    dir.Write("usr/share/applettavelinwizard/tavelin.js", "script 2");
    dir.Write("usr/share/applettavelinwizard/AppletTavelinWizard.tpl", "[Normal]\r\n[New]\r\n");
    dir.Write("user/AppletTavelinWizard.tpl", "[Normal]\r\n[Mine]\r\n");
    dir.Write("user/Sample/Image/mine.gif", "GIF89a;");
    EXPECT_EQ(folder.ResolveForExecutable(dir.Path("usr/bin"), dir.Path("user")), dir.Path("user"));
    EXPECT_FALSE(dir.Exists("user/help"));
    EXPECT_EQ(dir.Read("user/tavelin.js"), "script 2");
    EXPECT_EQ(dir.Read("user/AppletTavelinWizard.tpl"), "[Normal]\r\n[Mine]\r\n");
    EXPECT_TRUE(dir.Exists("user/Sample/Image/mine.gif"));

    // No per-user folder to be had: the data is read where it lies.
    fs.m_strReadOnlyFolder = dir.Path("nowhere");
    EXPECT_EQ(folder.ResolveForExecutable(dir.Path("usr/bin"), dir.Path("nowhere/atw")), data);

    // A build tree has no share folder beside it: its own folder, as before.
    CTemplateTestDir build;
    LayShipped(build);
    EXPECT_EQ(folder.InstalledDataDir(build.Path("bin")), "");
    EXPECT_EQ(folder.ResolveForExecutable(build.Path("bin"), build.Path("user")), build.Path("bin"));
    EXPECT_FALSE(build.Exists("user"));
    EXPECT_EQ(folder.InstalledDataDir("/"), "");
}

TEST(ProgramFolder, PreviewFolderLosesOnlyWhatPreviewWrote)
{
    CTemplateTestDir dir;
    CTemplateTestFs fs;
    CProgramFolder folder(fs);
    dir.Write("tmp/~AppMenu.htm", "page");
    dir.Write("tmp/arrow.gif", "GIF89a;");
    folder.CleanPreviewFolder(dir.Path("tmp"), {"~AppMenu.htm", "arrow.gif"});
    EXPECT_FALSE(dir.Exists("tmp"));

    // A project the user saved there stays, and so does the folder; a
    // sub-folder cannot be deleted as a file, and no name leaves the folder.
    dir.Write("tmp/page.htm", "page");
    dir.Write("tmp/mine.htm", "mine");
    dir.Write("tmp/keep/x.gif", "x");
    dir.Write("outside.gif", "x");
    folder.CleanPreviewFolder(dir.Path("tmp"), {"page.htm", "keep", "../outside.gif", "..", ""});
    EXPECT_FALSE(dir.Exists("tmp/page.htm"));
    EXPECT_TRUE(dir.Exists("tmp/mine.htm"));
    EXPECT_TRUE(dir.Exists("tmp/keep/x.gif"));
    EXPECT_TRUE(dir.Exists("outside.gif"));

    folder.CleanPreviewFolder(dir.Path("missing"), {"a"});  // nothing there: nothing happens
    folder.CleanPreviewFolder("", {"a"});
}
