// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "CCliTestDir.h"
#include "core/check/CParameterCheck.h"
#include "core/format/CProjectReader.h"
#include "core/io/CStdFileSystem.h"
#include "core/publish/CHtml5Exporter.h"
#include "core/publish/CPageWriter.h"
#include "core/templates/CTemplateStore.h"

TEST_F(Cli, UsageErrorsExitWithTwo)
{
    const std::vector<std::vector<std::string>> wrong = {
        {},
        {"frobnicate"},
        {"html"},
        {"save", "a.htm"},
        {"templates", "extra"},
        {"new", "--template", "x", "a.htm"},
        {"new", "--template", "-1", "a.htm"},
        {"check", "--position", "1", "a.htm"},
        {"move-template", "Normal", "sideways"},
        {"html", "--bogus", "a.htm"},
    };
    for (const auto& args : wrong) {
        const Result r = Run(args);
        EXPECT_EQ(r.m_nCode, 2) << (args.empty() ? "" : args[0]);
        EXPECT_NE(r.m_strErr.find("Usage: atw"), std::string::npos) << r.m_strErr;
        EXPECT_EQ(r.m_strOut, "");
    }
    Result r = Run({"--help"});
    EXPECT_EQ(r.m_nCode, 0);
    EXPECT_NE(r.m_strOut.find("atw save-template NAME [--position N] PAGE"), std::string::npos);
    r = Run({"--version"});
    EXPECT_EQ(r.m_nCode, 0);
    EXPECT_NE(r.m_strOut.find("1.0"), std::string::npos);
    EXPECT_FALSE(fs::exists(m_config));  // no command ran
}

TEST_F(Cli, HtmlCheckAndSaveOfASavedProject)
{
    SaveProject("menu.htm");
    const auto [page, report] = Expected("menu.htm", false);

    Result r = Run({"html", "menu.htm"});
    EXPECT_EQ(r.m_nCode, 0) << r.m_strErr;
    EXPECT_EQ(r.m_strOut, page);  // byte for byte, CR LF included
    EXPECT_NE(r.m_strOut.find("Home|_#`Page"), std::string::npos);
    // The page as the applet alone reads it, exactly.
    r = Run({"html", "--no-runtime", "menu.htm"});
    EXPECT_EQ(r.m_nCode, 0) << r.m_strErr;
    EXPECT_EQ(r.m_strOut.rfind("<html>\r\n<head><title>", 0), 0u);
    EXPECT_EQ(r.m_strOut.find("tavelin.js"), std::string::npos);
    EXPECT_EQ(Run({"export", "--no-runtime", "menu.htm", "x.htm"}).m_nCode, 2);

    r = Run({"check", "menu.htm"});
    EXPECT_EQ(r.m_nCode, 0) << r.m_strErr;
    EXPECT_EQ(r.m_strOut, report);
    EXPECT_NE(r.m_strOut.find("missing.gif"), std::string::npos);
    // The size Auto-Change Menu Size would set is told after the report;
    // nothing is saved.
    const std::string tvxBefore = ReadAll(m_dir / "site" / "menu.tvx");
    r = Run({"check", "--auto-size", "menu.htm"});
    const std::string sized = Expected("menu.htm", true).second;
    ASSERT_EQ(r.m_strOut.rfind(sized, 0), 0u);
    const size_t recommend = sized.find("Recommend:\tApplet Width:");
    const std::string widthAndHeight = sized.substr(recommend + 10, sized.find("\r\n", recommend) - recommend - 10);
    EXPECT_EQ(r.m_strOut.substr(sized.size()),
              "Auto-Change Menu Size:" + widthAndHeight + " (the project keeps 400 x 200; nothing is saved)\r\n");
    EXPECT_EQ(ReadAll(m_dir / "site" / "menu.tvx"), tvxBefore);

    // Output that cannot be written (a full disk) is a failure, not a success.
    for (const auto& args : std::vector<std::vector<std::string>>{{"html", "menu.htm"}, {"templates"}, {"--help"}}) {
        r = Run(args, "/dev/full");
        EXPECT_EQ(r.m_nCode, 1) << args[0];
        EXPECT_EQ(r.m_strErr.rfind("atw: the output could not be written", 0), 0u) << r.m_strErr;
    }

    const std::string tvx = ReadAll(m_dir / "site" / "menu.tvx");
    r = Run({"save", "menu.htm", (m_dir / "copy" / "menu.v2.htm").string()});
    EXPECT_EQ(r.m_nCode, 1);  // the folder does not exist
    EXPECT_EQ(r.m_strErr, "The folder " + (m_dir / "copy").string() + " does not exist; menu.v2.htm was not saved.\n");
    fs::create_directories(m_dir / "copy");
    r = Run({"save", "menu.htm", (m_dir / "copy" / "menu.v2.htm").string()});
    EXPECT_EQ(r.m_nCode, 0) << r.m_strErr;
    EXPECT_EQ(ReadAll(m_dir / "copy" / "menu.v2.htm"), page);
    EXPECT_EQ(ReadAll(m_dir / "copy" / "menu.v2.tvx"), tvx);
    EXPECT_EQ(ReadAll(m_dir / "site" / "menu.tvx"), tvx);  // the source stays as it was
}

TEST_F(Cli, PagesWithoutAProjectAreRefused)
{
    WriteAll(m_dir / "site" / "plain.htm", "<html></html>");
    for (const char* command : {"html", "check"}) {
        const Result r = Run({command, "plain.htm"});
        EXPECT_EQ(r.m_nCode, 1);
        EXPECT_EQ(r.m_strErr, "This File is not saved by Applet Tavelin Wizard!\nSystem can't open it.\n");
        EXPECT_EQ(r.m_strOut, "");
    }
    Result r = Run({"save", "plain.htm", "other.htm"});
    EXPECT_EQ(r.m_nCode, 1);
    EXPECT_FALSE(fs::exists(m_dir / "site" / "other.htm"));

    // Nor written over by the commands that write a new page; a page saved
    // before is saved over.
    SaveProject("menu.htm");
    WriteNormalTemplate();
    WriteAll(m_dir / "site" / "nav.md", "- A\n");
    const std::vector<std::vector<std::string>> writes = {
        {"new", "plain.htm"}, {"import", "nav.md", "plain.htm"}, {"save", "menu.htm", "plain.htm"}};
    for (const auto& args : writes) {
        r = Run(args);
        EXPECT_EQ(r.m_nCode, 1) << args[0];
        EXPECT_EQ(r.m_strErr, "plain.htm exists and was not saved by Applet Tavelina Wizard (there is no "
                              "plain.tvx beside it); it was left as it is.\n");
        EXPECT_EQ(ReadAll(m_dir / "site" / "plain.htm"), "<html></html>");
        EXPECT_FALSE(fs::exists(m_dir / "site" / "plain.tvx"));
    }
    EXPECT_EQ(Run({"import", "nav.md", "menu.htm"}).m_nCode, 0);
}

TEST_F(Cli, TemplatesComeFromTheEditorsSettingsAndTemplateFile)
{
    Result r = Run({"templates"});
    EXPECT_EQ(r.m_nCode, 0) << r.m_strErr;
    EXPECT_EQ(r.m_strOut.substr(0, 32), "Normal\nsolid button\nflat button\n");
    EXPECT_EQ(std::count(r.m_strOut.begin(), r.m_strOut.end(), '\n'), 14);
    EXPECT_NE(ReadAll(m_config).find("[TEMPLATE]\nTemplateKey=\"Normal,solid button,"), std::string::npos);

    // A list the editor wrote, and a template file with two sections.
    WriteAll(m_config, "[TEMPLATE]\nTemplateKey=\"Plain,Fancy\"\n");
    WriteAll(m_dir / "prog" / "AppletTavelinWizard.tpl",
             "[Plain]\r\nApStyle=Plain,0,300,100,0,0,,0,0,0,,1,5,5,0,1,0,1,1,0,0,5,0\r\n"
             "MStyle-0=0,0,0,0,40,0,80,20,5,0,top-level Tavelina,1\r\n"
             "I0-1=Alpha,,a.htm,,,,,,,1\r\nMStyle-1=0,0,0,0,40,15,80,20,5,0,Menu,1\r\n"
             "Misc=2,1,0,-0,0-1,\r\n"
             "[Fancy]\r\nApStyle=Fancy,0,300,100,0,0,,0,0,0,,1,5,5,0,1,0,1,1,0,0,5,0\r\n"
             "MStyle-0=0,0,0,0,40,0,80,20,5,0,top-level Tavelina,1\r\n"
             "I0-1=Beta,,b.htm,,,,,,,1\r\nMStyle-1=0,0,0,0,40,15,80,20,5,0,Menu,1\r\n"
             "Misc=2,1,0,-0,0-1,\r\n");
    r = Run({"templates"});
    EXPECT_EQ(r.m_strOut, "Plain\nFancy\n");

    r = Run({"new", "--template", "1", "fancy.htm"});
    EXPECT_EQ(r.m_nCode, 0) << r.m_strErr;
    r = Run({"html", "fancy.htm"});
    EXPECT_NE(r.m_strOut.find("<title>Fancy</title>"), std::string::npos) << r.m_strOut;
    EXPECT_NE(r.m_strOut.find("Beta"), std::string::npos);
    r = Run({"new", "plain.htm"});
    EXPECT_EQ(r.m_nCode, 0) << r.m_strErr;
    EXPECT_NE(Run({"html", "plain.htm"}).m_strOut.find("Alpha"), std::string::npos);
    r = Run({"new", "--template", "2", "none.htm"});
    EXPECT_EQ(r.m_nCode, 1);
    EXPECT_FALSE(fs::exists(m_dir / "site" / "none.htm"));
}

TEST_F(Cli, TemplateEditsFollowTheDialogsRules)
{
    WriteAll(m_config, "[TEMPLATE]\nTemplateKey=\"Normal,Color Button\"\n");
    SaveProject("menu.htm");
    const auto refused = [&](const std::vector<std::string>& args, const std::string& message) {
        const Result r = Run(args);
        EXPECT_EQ(r.m_nCode, 1) << args[0];
        EXPECT_EQ(r.m_strErr, message + "\n");
    };
    refused({"save-template", "", "menu.htm"}, "The template name must not be null!");
    refused({"save-template", "color", "menu.htm"}, "the template has already existed!Please change a name.");
    refused({"save-template", "normal", "menu.htm"}, "the template has already existed!Please change a name.");
    refused({"save-template", "a,b", "menu.htm"}, CTemplateStore::kBadName);
    refused({"save-template", "Shop", "nothing.htm"},
            "This File is not saved by Applet Tavelin Wizard!\nSystem can't open it.");
    EXPECT_FALSE(fs::exists(m_dir / "prog" / "AppletTavelinWizard.tpl"));

    Result r = Run({"save-template", "Shop", "--position", "1", "menu.htm"});
    EXPECT_EQ(r.m_nCode, 0) << r.m_strErr;
    EXPECT_EQ(Run({"templates"}).m_strOut, "Normal\nShop\nColor Button\n");
    EXPECT_EQ(ReadAll(m_dir / "prog" / "AppletTavelinWizard.tpl").rfind("[Shop]\r\nApStyle=Shop,", 0), 0u);

    refused({"rename-template", "Shop", "Norm"}, "Please give a new name for the template!");
    refused({"rename-template", "Shop", "Shop"}, "Please give a new name for the template!");
    refused({"rename-template", "Gone", "New"}, "There is no template named \"Gone\".");
    EXPECT_EQ(Run({"rename-template", "Shop", "Store"}).m_nCode, 0);
    EXPECT_NE(ReadAll(m_dir / "prog" / "AppletTavelinWizard.tpl").find("[Store]\r\n"), std::string::npos);

    EXPECT_EQ(Run({"move-template", "Store", "up"}).m_nCode, 0);
    refused({"move-template", "Store", "up"}, "The template \"Store\" is already the first.");
    EXPECT_EQ(Run({"move-template", "Normal", "down"}).m_nCode, 0);
    EXPECT_EQ(Run({"templates"}).m_strOut, "Store\nColor Button\nNormal\n");

    EXPECT_EQ(Run({"delete-template", "Store"}).m_nCode, 0);
    refused({"delete-template", "Store"}, "There is no template named \"Store\".");
    EXPECT_EQ(Run({"templates"}).m_strOut, "Color Button\nNormal\n");
    EXPECT_EQ(ReadAll(m_dir / "prog" / "AppletTavelinWizard.tpl").find("Store"), std::string::npos);
}

TEST_F(Cli, ExportWritesAPageWithoutTheApplet)
{
    SaveProject("menu.htm");
    Result r = Run({"export", "menu.htm", "nav.htm"});
    EXPECT_EQ(r.m_nCode, 1);  // the program folder has no runtime script yet
    EXPECT_EQ(r.m_strErr, std::string(CHtml5Exporter::kRuntimeMissing) + "\n");
    EXPECT_FALSE(fs::exists(m_dir / "site" / "nav.htm"));

    WriteAll(m_dir / "prog" / "tavelin.js", "// runtime\n");
    r = Run({"export", "menu.htm", "nav.htm"});
    EXPECT_EQ(r.m_nCode, 0) << r.m_strErr;
    const std::string page = ReadAll(m_dir / "site" / "nav.htm");
    EXPECT_EQ(page.find("<applet"), std::string::npos);
    EXPECT_NE(page.find("<nav"), std::string::npos);
    EXPECT_NE(page.find("href=\"index.htm\""), std::string::npos);
    EXPECT_NE(page.find("Deep"), std::string::npos);
    EXPECT_EQ(ReadAll(m_dir / "site" / "tavelin.js"), "// runtime\n");
    EXPECT_EQ(Run({"export", "plain.htm", "x.htm"}).m_nCode, 1);  // no project beside it
}

// Two pictures of one name from different folders cannot both go beside a
// page: the export and the template are written, the clash is named, and
// the exit status says that something is missing.
TEST_F(Cli, MediaCopiesThatFailAreNamedByExportAndSaveTemplate)
{
    WriteAll(m_dir / "a" / "pic.gif", "GIF89a-a");
    WriteAll(m_dir / "b" / "pic.gif", "GIF89a-b");
    WriteAll(m_dir / "prog" / "tavelin.js", "// runtime\n");
    CAppletParameters params;
    params.Reset();
    CTavelin* top = params.AddTopMenu();
    top->SetItemCount(2, false);
    top->GetItem(0)->m_strNormalImage = (m_dir / "a" / "pic.gif").string();
    top->GetItem(1)->m_strNormalImage = (m_dir / "b" / "pic.gif").string();
    CPageWriter writer(params, CStdFileSystem::Instance(), (m_dir / "prog").string());
    writer.SaveFiles((m_dir / "site" / "menu.htm").string(), (m_dir / "site").string(), writer.BuildPage());

    fs::create_directories(m_dir / "site" / "out");
    Result r = Run({"export", "menu.htm", "out/nav.htm"});
    EXPECT_EQ(r.m_nCode, 1);
    EXPECT_NE(r.m_strErr.find((m_dir / "b" / "pic.gif").string()), std::string::npos) << r.m_strErr;
    EXPECT_TRUE(fs::exists(m_dir / "site" / "out" / "nav.htm"));
    EXPECT_EQ(ReadAll(m_dir / "site" / "out" / "pic.gif"), "GIF89a-a");

    WriteAll(m_dir / "prog" / "Sample" / "Image", "a file where the pictures' folder should be");
    r = Run({"save-template", "Clash", "menu.htm"});
    EXPECT_EQ(r.m_nCode, 1);
    EXPECT_NE(r.m_strErr.find((m_dir / "a" / "pic.gif").string()), std::string::npos) << r.m_strErr;
    EXPECT_EQ(Run({"templates"}).m_strOut.find("Clash"), 0u);
}

TEST_F(Cli, ImportBuildsANewProjectAndCheckLinksReportsIt)
{
    WriteAll(m_dir / "site" / "old.html",
             "<h1 id=top>Old</h1><nav><ul><li><a href=\"about.html\">About</a><li><a href=\"gone.html\">Gone</a>"
             "<ul><li><a href=\"https://example.com/\">Out</a></ul><li><a href=\"#top\">Top</a></ul></nav>");
    WriteAll(m_dir / "site" / "about.html", "<p>about</p>");
    WriteNormalTemplate();
    Result r = Run({"import", "old.html", "menu.htm"});
    ASSERT_EQ(r.m_nCode, 0) << r.m_strErr;
    CAppletParameters params;
    CProjectReader reader(params, CStdFileSystem::Instance(), (m_dir / "prog").string());
    ASSERT_TRUE(reader.LoadProject((m_dir / "site" / "menu.tvx").string()));
    ASSERT_EQ(params.m_arrMenus.size(), 1u);
    EXPECT_EQ(params.m_arrMenus[0]->GetItem(1)->m_pSubMenu->GetItem(0)->m_strLabel, "Out");

    r = Run({"check-links", "menu.htm"});
    EXPECT_EQ(r.m_nCode, 1);
    EXPECT_EQ(r.m_strOut, "Gone: broken link \"gone.html\": no such file\n"
                          "Gone > Out: external link \"https://example.com/\", not checked\n"
                          "1 broken reference, 1 external, 3 checked.\n");
    WriteAll(m_dir / "site" / "gone.html", "");
    EXPECT_EQ(Run({"check-links", "menu.htm"}).m_nCode, 0);
    // Into another folder, the links still lead to the old page's files.
    fs::create_directories(m_dir / "site" / "nav");
    ASSERT_EQ(Run({"import", "old.html", "nav/menu.htm"}).m_nCode, 0);
    r = Run({"check-links", "nav/menu.htm"});
    EXPECT_EQ(r.m_nCode, 0) << r.m_strOut;
    EXPECT_NE(ReadAll(m_dir / "site" / "nav" / "menu.tvx").find("../old.html#top"), std::string::npos);

    // Bad sources: a message, and no page written.
    WriteAll(m_dir / "site" / "blank.html", "<p>no lists</p>");
    for (const char* source : {"blank.html", "missing.md"}) {
        r = Run({"import", source, "bad.htm"});
        EXPECT_EQ(r.m_nCode, 1) << source;
        EXPECT_EQ(r.m_strErr.rfind(source, 0), 0u) << r.m_strErr;
        EXPECT_FALSE(fs::exists(m_dir / "site" / "bad.htm"));
    }
    EXPECT_EQ(Run({"import", "old.html", "x.htm", "--template", "99"}).m_nCode, 1);
    EXPECT_FALSE(fs::exists(m_dir / "site" / "x.htm"));
}

// Each kind of source, imported into a folder beside the site's, leads where
// it led: the link check then names only the links broken on purpose (see
// data/import/README.md).
TEST_F(Cli, ImportsOfRealShapesIntoAnotherFolderKeepTheirLinks)
{
    WriteNormalTemplate();
    fs::copy(fs::path(ATW_SOURCE_DIR) / "tests" / "core" / "data" / "import" / "site", m_dir / "site",
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    fs::create_directories(m_dir / "menus");
    struct Case {
        const char* m_pszSource;
        const char* m_pszReport;
        const char* m_pszLeftOut = "";  // what atw import tells on stderr
    };
    const Case cases[] = {
        {"bs3.html", "0 broken references, 0 external, 4 checked.\n",
         "bs3.html: 1 list item was left out: each holds no text, link or list.\n"
         "bs3.html: 1 link was left out: each follows the first link of its list item.\n"},
        {"manual.html", "Gone: broken link \"../site/gone.html\": no such file; the link leads out of the page's "
                        "folder\n1 broken reference, 0 external, 7 checked.\n"},
        {"navbar.html", "More > Missing: broken link \"../site/docs/missing.html\": no such file; the link leads out "
                        "of the page's folder\n1 broken reference, 0 external, 4 checked.\n"},
        {"book/SUMMARY.md",
         "Start > News: broken link \"../site/docs/news.html#latest\": no id or name \"latest\" in news.html\n"
         "Missing chapter: broken link \"../site/book/chapter.md\": no such file; the link leads out of the "
         "page's folder\n2 broken references, 0 external, 4 checked.\n"},
        {"mkdocs.yml", "Updates > Old notes: broken link \"../site/docs/notes/old.md\": no such file; the link leads "
                       "out of the page's folder\nRepository: external link \"https://example.org/repo\", not "
                       "checked\n1 broken reference, 1 external, 3 checked.\n"},
        {"sitemap.xml.gz", "Home: external link \"https://example.org/\", not checked\n"
                           "Docs > Start: external link \"https://example.org/docs/start/\", not checked\n"
                           "Docs > News: external link \"https://example.org/docs/news/\", not checked\n"
                           "0 broken references, 3 external, 0 checked.\n"},
    };
    for (const Case& c : cases) {
        const std::string page = "../menus/" + fs::path(c.m_pszSource).stem().string() + ".htm";
        Result r = Run({"import", c.m_pszSource, page});
        ASSERT_EQ(r.m_nCode, 0) << c.m_pszSource << ": " << r.m_strErr;
        EXPECT_EQ(r.m_strErr, c.m_pszLeftOut) << c.m_pszSource;
        r = Run({"check-links", page});
        EXPECT_EQ(r.m_strOut, c.m_pszReport) << c.m_pszSource;
    }
    // The page's lists as the editor offers them, and one picked by number.
    Result r = Run({"import", "--list", "manual.html"});
    EXPECT_EQ(r.m_nCode, 0) << r.m_strErr;
    EXPECT_EQ(r.m_strOut, "0: <ul> at line 7: 7 items, 1 level, 7 links\n"
                          "1: <ul> at line 6: 1 item, 1 level, 1 link\n");
    ASSERT_EQ(Run({"import", "manual.html", "top.htm", "--list", "1"}).m_nCode, 0);
    EXPECT_NE(ReadAll(m_dir / "site" / "top.tvx").find("#top"), std::string::npos);
    r = Run({"import", "manual.html", "none.htm", "--list", "2"});
    EXPECT_EQ(r.m_nCode, 1);
    EXPECT_EQ(r.m_strErr, "manual.html: there is no list 2; the page offers 2 (atw import --list manual.html prints "
                          "them).\n");
    EXPECT_EQ(Run({"import", "--list", "book/SUMMARY.md"}).m_nCode, 1);
    // A new page in a folder that is not there: the folder is named.
    for (const std::vector<std::string>& args : {std::vector<std::string>{"import", "manual.html", "nowhere/menu.htm"},
                                                 std::vector<std::string>{"new", "nowhere/menu.htm"}}) {
        r = Run(args);
        EXPECT_EQ(r.m_nCode, 1);
        EXPECT_EQ(r.m_strErr, "The folder nowhere does not exist; menu.htm was not saved.\n");
    }
}
