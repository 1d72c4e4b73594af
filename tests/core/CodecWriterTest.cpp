// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <string>

#include "core/format/CFieldEscape.h"
#include "core/format/CProjectText.h"
#include "core/model/CAppletParameters.h"
#include "core/publish/CPageHead.h"
#include "core/publish/CPageWriter.h"
#include "support/MemoryFileSystem.h"

namespace {
// One top-level menu with one item "Home" linking to index.htm.
void HomeModel(CAppletParameters& p)
{
    p.Reset();
    CTavelin* top = p.AddTopMenu();
    CTavelinItem* item = top->InsertNewItem();
    item->m_strLabel = "Home";
    item->m_strLink = "index.htm";
}
}  // namespace

TEST(PageWriter, PageTextExactly)
{
    CAppletParameters p;
    HomeModel(p);
    p.m_strName = "A & B <c> \"d\"";
    p.m_nAlign = 2;
    MemoryFileSystem fs;
    CPageWriter w(p, fs, "/prog");
    EXPECT_EQ(w.BuildPage(), "<html>\r\n"
                             "<head><title>A &amp; B &lt;c> \"d\"</title></head>\r\n"
                             "<p align=\"Right\">\r\n"
                             "<applet code=\"tavelin.class\" align=\"baseline\" width=\"400\" height=\"200\">\r\n"
                             "\t<param name=\"Notice\" value=\"Tavelin1.0,Applet Tavelina Wizard menu applet\">\r\n"
                             "\t<param name=\"ApStyle\" value=\"000000,000000,,0,0,0,,1,5,5,0,1,160,0,0,050000\">\r\n"
                             "\t<param name=\"MStyle-0\" value=\"000000,01,0,0,40,0,80,20,5,0\">\r\n"
                             "\t<param name=\"IStyle-0\" value=\"000000,ffffff,111,0,0,14,0,00,0,0,,,"
                             "000000,ffffff,111,0,0,14,0,00,0,0,,,000000,ffffff,111,0,0,14,0,00,0,0,,,\">\r\n"
                             "\t<param name=\"I0-0\" value=\"Home,,,,,,,_self,index.htm\">\r\n"
                             "\t<param name=\"Misc\" value=\"1,1,-0,\">\r\n"
                             "</applet>\r\n</p>\r\n</html>");
    p.m_nAlign = 7;
    EXPECT_NE(w.BuildPage().find("<p align=\"\">\r\n"), std::string::npos);
}

TEST(PageWriter, ProjectTextMatchesTheWorkedExample)
{
    CAppletParameters p;
    HomeModel(p);
    MemoryFileSystem fs;
    CPageWriter w(p, fs, "/prog");
    w.BuildPage();  // sets menu 0's start from the display value
    const std::string style = "0,16777215,1,0,0,14,0,0,0,0,0,1,0,,,";
    EXPECT_EQ(w.ProjectText(), "[Tavelin1.0]\r\n"
                               "ApStyle=Tavelina Applet,0,400,200,0,0,,0,0,0,,1,5,5,0,1,0,1,1,0,0,5,0\r\n"
                               "Notice=" +
                                   std::string(CProjectText::kNotice) +
                                   "\r\n"
                                   "MStyle-0=0,0,0,0,40,0,80,20,5,0,top-level Tavelina,1\r\n"
                                   "IStyle-0=" +
                                   style + style + style +
                                   "\r\n"
                                   "I0-1=Home,,index.htm,,,,,,,1\r\n"
                                   "MStyle-1=0,0,0,0,40,15,80,20,5,0,Menu,1\r\n"
                                   "IStyle-1=" +
                                   style + style + style +
                                   "\r\n"
                                   "Misc=2,1,0,-0,0-1,\r\n");

    // Hidden items and menus are all written, with their flags.
    p.m_arrMenus[0]->GetItem(0)->m_bVisible = 0;
    p.m_arrMenus[0]->m_bVisible = 0;
    p.m_crBackground = 0xFFFFFFFFu;  // read back whole through the signed form
    p.m_arrMenus[0]->GetItem(0)->m_strLabel = "A\tB";
    const std::string text = w.ProjectText(true, "Blue");
    EXPECT_EQ(text.rfind("[Blue]\r\nApStyle=Tavelina Applet,0,400,200,-1,-1,", 0), 0u);
    EXPECT_EQ(text.find("Notice="), std::string::npos);
    EXPECT_NE(text.find("top-level Tavelina,0\r\n"), std::string::npos);
    EXPECT_NE(text.find("I0-1=A    B,,index.htm,,,,,,,0\r\n"), std::string::npos);
}

TEST(PageWriter, EscapedFieldsAreReversible)
{
    const std::string cases[] = {"a,b",   "l1\r\nl2", "cr\ronly", "lf\nonly", "|_#`", "|_#",
                                 "|_#p`", "x|_#c`y",  "|_|_#",    "end|",     "|_#r", ",\r\n,\n\r"};
    for (const std::string& text : cases) {
        const std::string esc = CPageWriter::EscapeField(text);
        EXPECT_EQ(esc.find_first_of(",\r\n"), std::string::npos) << text;
        EXPECT_EQ(CPageWriter::UnescapeField(esc), text) << text;
    }
    // The marker is escaped only where a token would follow it.
    EXPECT_EQ(CPageWriter::EscapeField("a\r\nb,c|_#d\re\nf|_#c`"), "a|_#`b|_#c`c|_#d|_#r`e|_#n`f|_#p`c`");
    // Older files: only the label escape means something; other marks stay.
    EXPECT_EQ(CPageWriter::UnescapeField("one|_#`two"), "one\r\ntwo");
    EXPECT_EQ(CPageWriter::UnescapeField("|_#x` |_# |_#r |_#"), "|_#x` |_# |_#r |_#");
}

TEST(PageWriter, SaveProjectWritesPageProjectClassAndMedia)
{
    CAppletParameters p;
    HomeModel(p);
    MemoryFileSystem fs;
    fs.m_files["/prog/tavelin.class"] = "CLASS";
    fs.m_files["/pics/a.GIF"] = "GIF";
    fs.m_files["/pics/s.wav"] = "WAV";
    fs.m_files["/etc/passwd"] = "secret";
    fs.m_dirs.insert("/pics/dir.png");
    fs.m_files["/pics/bg.jpeg"] = "JPEG";
    CTavelinItem* item = p.m_arrMenus[0]->GetItem(0);
    item->m_strNormalImage = "/pics/a.GIF";
    item->m_strOverImage = "/etc/passwd";
    item->m_strClickImage = "/pics/dir.png";
    item->m_strOverAudio = "/missing/m.wav";
    item->m_pSubMenu->InsertNewItem()->m_strClickAudio = "/pics/s.wav";
    item->m_pSubMenu->GetItem(0)->m_bVisible = 0;  // hidden items' media are copied too
    p.m_strBackImage = "/pics/bg.jpeg";

    CPageWriter w(p, fs, "/prog");
    const std::string page = w.BuildPage();
    EXPECT_NE(page.find("value=\"Home,,a.GIF,,,,,_self,index.htm\""), std::string::npos);
    EXPECT_NE(page.find("value=\"000000,000000,bg.jpeg,"), std::string::npos);
    ASSERT_TRUE(w.SaveFiles("/site/a.b.htm", "/site", page));
    EXPECT_EQ(fs.m_files["/site/a.b.htm"], page);
    EXPECT_EQ(fs.m_files["/site/tavelin.class"], "CLASS");
    EXPECT_EQ(fs.m_files["/site/a.GIF"], "GIF");
    EXPECT_EQ(fs.m_files["/site/s.wav"], "WAV");
    EXPECT_EQ(fs.m_files["/site/bg.jpeg"], "JPEG");
    EXPECT_EQ(fs.m_files.count("/site/passwd"), 0u);
    EXPECT_EQ(fs.m_files.count("/site/dir.png"), 0u);
    ASSERT_EQ(fs.m_files.count("/site/a.b.tvx"), 1u);
    // The project file keeps every stored path.
    EXPECT_NE(fs.m_files["/site/a.b.tvx"].find("I0-1=Home,,index.htm,,/pics/a.GIF,/etc/passwd,/pics/dir.png,"
                                               "/missing/m.wav,,1\r\n"),
              std::string::npos);

    // Without a class file in the program folder the save still succeeds.
    fs.m_files.erase("/prog/tavelin.class");
    EXPECT_TRUE(w.SaveFiles("/site/menu", "/site", page));
    EXPECT_EQ(fs.m_files.count("/site/menu.tvx"), 1u);
    // A page path without a folder: the project file goes beside it.
    EXPECT_TRUE(w.SaveFiles("menu.htm", "", page));
    EXPECT_EQ(fs.m_files.count("menu.tvx"), 1u);
    EXPECT_EQ(fs.m_files.count("/menu.tvx"), 0u);
}

TEST(PageWriter, EachPathIsAskedAboutOnce)
{
    CAppletParameters p;
    CTavelin* top = p.AddTopMenu();
    top->SetItemCount(50, false);
    for (const auto& item : top->m_arrItems) {
        item->m_strNormalImage = item->m_strOverImage = "/pics/a.gif";
        item->m_strClickImage = "/gone.gif";
    }
    MemoryFileSystem fs;
    fs.m_files["/pics/a.gif"] = "GIF";
    CPageWriter w(p, fs, "/prog");
    const std::string page = w.BuildPage();
    EXPECT_LE(fs.m_nQuestions, 4);
    fs.m_nQuestions = 0;
    ASSERT_TRUE(w.SaveFiles("/site/m.htm", "/site", page));
    // Beside the media, the page and the project file are each asked about
    // (folder, link, what is there) before anything is written.
    EXPECT_LE(fs.m_nQuestions, 6 + 2 * 3);
}

TEST(PageWriter, FailedSaveLeavesOldFilesAlone)
{
    CAppletParameters p;
    HomeModel(p);
    MemoryFileSystem fs;
    fs.m_files["/ro/m.htm"] = "old page";
    fs.m_files["/ro/m.tvx"] = "old project";
    fs.m_files["/prog/tavelin.class"] = "CLASS";
    fs.m_readOnly.insert("/ro");
    CPageWriter w(p, fs, "/prog");
    EXPECT_FALSE(w.SaveFiles("/ro/m.htm", "/ro", w.BuildPage()));
    EXPECT_EQ(w.LastError(), "Save as file failed!");
    EXPECT_EQ(fs.m_files["/ro/m.htm"], "old page");
    EXPECT_EQ(fs.m_files["/ro/m.tvx"], "old project");
    EXPECT_EQ(fs.m_files.size(), 3u);

    // Template mode: a template file that cannot be written stays as it was.
    fs.m_files["/ro/AppletTavelinWizard.tpl"] = "[Old]\r\nMisc=0,\r\n";
    EXPECT_FALSE(w.SaveTemplate("/ro", "New"));
    EXPECT_EQ(fs.m_files["/ro/AppletTavelinWizard.tpl"], "[Old]\r\nMisc=0,\r\n");
    // Nor is one replaced that could not be read (here: a folder).
    fs.m_dirs.insert("/prog/AppletTavelinWizard.tpl");
    EXPECT_FALSE(w.SaveTemplate("/prog", "New"));
    // A successful save clears the error.
    EXPECT_TRUE(w.SaveFiles("/ok/m.htm", "/ok", w.BuildPage()));
    EXPECT_EQ(w.LastError(), "");
}

TEST(PageWriter, TemplateModeAppendsSectionsAndRecordsBareNames)
{
    CAppletParameters p;
    HomeModel(p);
    MemoryFileSystem fs;
    fs.m_files["/pics/n.png"] = "PNG";
    fs.m_files["/snd/o.au"] = "AU";
    CTavelinItem* item = p.m_arrMenus[0]->GetItem(0);
    item->m_strNormalImage = "/pics/n.png";
    item->m_strOverImage = "/pics/missing.png";
    item->m_strOverAudio = "/snd/o.au";
    p.m_strBackImage = "/pics/missing-bg.gif";                       // kept as stored
    p.m_strBackAudio = "/snd/o.au";                                  // recorded bare
    fs.m_files["/prog/AppletTavelinWizard.tpl"] = "[Old]\nMisc=0,";  // LF only, no final line end

    CPageWriter w(p, fs, "/prog");
    ASSERT_TRUE(w.SaveTemplate("/prog", "Mine"));
    ASSERT_TRUE(w.SaveTemplate("/prog", "Mine"));
    EXPECT_EQ(fs.m_files["/prog/Sample/Image/n.png"], "PNG");
    EXPECT_EQ(fs.m_files["/prog/Sample/Audio/o.au"], "AU");
    const std::string& tpl = fs.m_files["/prog/AppletTavelinWizard.tpl"];
    const std::string section = "[Mine]\r\nApStyle=Tavelina Applet,0,400,200,0,0,/pics/missing-bg.gif,0,0,0,o.au,";
    EXPECT_EQ(tpl.rfind("[Old]\r\nMisc=0,\r\n" + section, 0), 0u);
    EXPECT_NE(tpl.find(section, 30), std::string::npos);  // appended twice
    EXPECT_NE(tpl.find("I0-1=Home,,index.htm,,n.png,,,o.au,,1\r\n"), std::string::npos);
    EXPECT_EQ(tpl.find("Notice="), std::string::npos);
    EXPECT_EQ(tpl.find("tavelin.class"), std::string::npos);
    EXPECT_EQ(fs.m_files.count("/prog/tavelin.class"), 0u);
}

TEST(PageWriter, RuntimeLineAndScriptOnlyWhenAskedFor)
{
    CAppletParameters p;
    HomeModel(p);
    MemoryFileSystem fs;
    fs.m_files["/prog/tavelin.js"] = "JS";
    CPageWriter w(p, fs, "/prog");
    w.SetLanguage("de-CH");
    const std::string plain = w.BuildPage();
    ASSERT_TRUE(w.SaveFiles("/site/menu.htm", "/site", plain));
    EXPECT_EQ(plain.find("<script"), std::string::npos);
    EXPECT_EQ(plain.rfind("<html>\r\n<head><title>", 0), 0u);
    EXPECT_EQ(fs.m_files.count("/site/tavelin.js"), 0u);

    w.SetHtml5Runtime(true);
    const std::string page = w.BuildPage();
    // Standards mode, and with scripts on the fallback's branches stay shut.
    const std::string head = "<!DOCTYPE html>\r\n<html lang=\"de-CH\">\r\n<head><meta charset=\"utf-8\">\r\n"
                             "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\r\n"
                             "<script>document.documentElement.className+=\" tv-js\"</script>\r\n<title>";
    EXPECT_EQ(page.rfind(head, 0), 0u);
    EXPECT_NE(page.find("</title>\r\n<style>\r\n.tv-box{"), std::string::npos);
    EXPECT_NE(page.find(".tv-applet .tv-k0{"), std::string::npos);
    EXPECT_NE(page.find("</style>\r\n</head>\r\n<body>\r\n<p align="), std::string::npos);
    // The applet holds its parameters, then the menu as lists of real links.
    const size_t params = page.find("<param name=\"Misc\"");
    const size_t box = page.find("<div class=\"tv-box tv-applet\" data-tavelin=\"export\"");
    const size_t end =
        page.find("</div>\r\n</applet>\r\n<script src=\"tavelin.js\"></script>\r\n</p>\r\n</body>\r\n</html>");
    ASSERT_NE(box, std::string::npos);
    EXPECT_LT(params, box);
    EXPECT_LT(box, end);
    EXPECT_EQ(
        end + std::string("</div>\r\n</applet>\r\n<script src=\"tavelin.js\"></script>\r\n</p>\r\n</body>\r\n</html>")
                  .size(),
        page.size());
    EXPECT_NE(page.find("<a class=\"tv-item\" href=\"index.htm\"", box), std::string::npos);
    // The applet's lines are those of the page without the runtime.
    const auto applet = [](const std::string& text) {
        const size_t from = text.find("<applet");
        return text.substr(from, text.find("<param name=\"Misc\"") - from);
    };
    EXPECT_EQ(applet(page), applet(plain));
    ASSERT_TRUE(w.SaveFiles("/site/menu.htm", "/site", page));
    EXPECT_EQ(fs.m_files["/site/tavelin.js"], "JS");
}

// With the runtime on no text can split a field or break a line; the off
// page keeps the values as the applet reads them.
TEST(PageWriter, RuntimePageEscapesFieldsAndNamesItsCharset)
{
    CAppletParameters p;
    HomeModel(p);
    CTavelinItem& item = *p.m_arrMenus[0]->m_arrItems[0];
    item.m_strLabel = "Tea, coffee\r\n|_#c`";
    item.m_strDescription = "a,b\nc";
    item.m_strTarget = "x,y";
    item.m_strLink = "javascript:alert(1)";
    item.m_strNormalImage = "/pics/a,b\nc.gif";
    MemoryFileSystem fs;
    fs.m_files["/pics/a,b\nc.gif"] = "GIF";
    CPageWriter w(p, fs, "/prog");
    const std::string off = w.BuildPage();
    EXPECT_NE(off.find("value=\"Tea, coffee|_#`|_#c`,a,b c,a,b c.gif,,,,,x,y,javascript:alert(1)\""),
              std::string::npos);
    w.SetHtml5Runtime(true);
    const std::string on = w.BuildPage();
    EXPECT_NE(on.find("value=\"Tea|_#c` coffee|_#`|_#p`c`,a|_#c`b|_#n`c,a|_#c`b|_#n`c.gif,,,,,x|_#c`y,"
                      "javascript:alert(1)\""),
              std::string::npos);
    EXPECT_NE(on.find("<meta charset=\"utf-8\">"), std::string::npos);
    item.m_strLabel = "Caf\xe9";
    EXPECT_NE(w.BuildPage().find("<meta charset=\"windows-1252\">"), std::string::npos);
}

// A field is scanned sixteen bytes at a time for what the runtime's escapes
// rewrite: each such text is escaped alike wherever it falls against those
// steps.
TEST(PageWriter, RuntimeEscapesAlikeAtEveryPlace)
{
    CAppletParameters p;
    HomeModel(p);
    CTavelinItem& item = *p.m_arrMenus[0]->m_arrItems[0];
    MemoryFileSystem fs;
    CPageWriter w(p, fs, "/prog");
    w.SetHtml5Runtime(true);
    for (const std::string special : {",", "\r", "\n", "&", "\"", "|_#c`"}) {
        for (size_t at = 0; at <= 36; ++at) {
            std::string text(36, 'd');
            text.insert(at, special);
            item.m_strDescription = text;
            std::string expected;
            for (const char c : CFieldEscape::Escape(text))
                expected += c == '&' ? "&amp;" : c == '"' ? "&quot;" : std::string(1, c);
            EXPECT_NE(w.BuildPage().find("," + expected + ","), std::string::npos) << special << " at " << at;
        }
    }
}

// The charset test reads plain ASCII eight bytes at a time: a sequence is
// judged alike wherever it falls against those steps, the end included.
TEST(PageHead, Utf8IsJudgedAlikeAtEveryPlace)
{
    const std::pair<std::string, bool> sequences[] = {
        {"\xc3\xa9", true},  {"\xe2\x82\xac", true}, {"\xf0\x9f\x98\x80", true}, {"\xe9", false}, {"\xa9", false},
        {"\xe2\x82", false}, {"\xff", false}};
    for (const auto& [sequence, valid] : sequences) {
        for (size_t at = 0; at <= 41; ++at) {
            for (size_t after : {size_t{0}, size_t{9}, size_t{33}}) {
                const std::string text = std::string(at, 'a') + sequence + std::string(after, 'b');
                EXPECT_EQ(CPageHead::IsUtf8(text), valid) << "at " << at << " then " << after;
            }
        }
    }
}
