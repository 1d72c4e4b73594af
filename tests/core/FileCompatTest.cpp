// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
// Project and template files read the same in every version: text fields
// written plain when they can be, escapes only in marked files, one nesting
// limit, template media paths, and numbers at the edge of the int range.
#include <climits>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "core/format/CFieldEscape.h"
#include "core/format/CMenuLinker.h"
#include "core/format/CParamEncoder.h"
#include "core/format/CProjectReader.h"
#include "core/format/CProjectText.h"
#include "core/model/CAppletParameters.h"
#include "core/publish/CPageWriter.h"
#include "support/MemoryFileSystem.h"

namespace {
const std::string kPlainNotice = "Notice=" + std::string(CProjectText::kNotice) + "\r\n";
const std::string kMarkedNotice =
    "Notice=" + std::string(CProjectText::kNotice) + "," + std::string(CFieldEscape::kMarkerWord) + "\r\n";

struct Loaded {
    MemoryFileSystem fs;
    CAppletParameters params;
    CProjectReader reader{params, fs, "/prog"};

    explicit Loaded(const std::string& text, bool templateMode = false, const std::string& section = "Tavelin1.0")
    {
        fs.m_files["/p/m.tvx"] = text;
        params.Reset();
        reader.LoadModel("/p/m.tvx", section, templateMode);
    }
    const CTavelinItem& Item(size_t i = 0) const { return *params.m_arrMenus.at(0)->m_arrItems.at(i); }
};

enum class Field { Label, Description, Link, MenuName };

// Fields of the first item, or the name of its sub-menu (a top-level menu's
// name is not read back).
void SetField(CAppletParameters& p, Field field, const std::string& text)
{
    CTavelinItem& item = *p.m_arrMenus.at(0)->m_arrItems.at(0);
    switch (field) {
    case Field::Label: item.m_strLabel = text; return;
    case Field::Description: item.m_strDescription = text; return;
    case Field::Link: item.m_strLink = text; return;
    case Field::MenuName: item.m_pSubMenu->m_strName = text; return;
    }
}

std::string FieldOf(const CAppletParameters& p, Field field)
{
    const CTavelinItem& item = *p.m_arrMenus.at(0)->m_arrItems.at(0);
    switch (field) {
    case Field::Label: return item.m_strLabel.str();
    case Field::Description: return item.m_strDescription.str();
    case Field::Link: return item.m_strLink.str();
    case Field::MenuName: break;
    }
    return item.SubMenu().m_strName;
}

void HomeModel(CAppletParameters& p)
{
    p.Reset();
    CTavelinItem* item = p.AddTopMenu()->InsertNewItem();
    item->m_strLabel = "Home";
    item->m_strLink = "index.htm";
}

std::string ProjectText(CAppletParameters& p)
{
    MemoryFileSystem fs;
    return CPageWriter(p, fs, "/prog").ProjectText();
}

// A chain of menus, each holding one item, whose last menu holding items lies
// at the given depth (top-level menus at depth 0).
void Chain(CAppletParameters& p, int deepest)
{
    p.Reset();
    CTavelin* menu = p.AddTopMenu();
    for (int depth = 0; depth <= deepest; ++depth)
        menu = menu->InsertNewItem()->m_pSubMenu.get();
    menu->m_strName = "deepest empty";
    menu->m_nIndent = 77;
}
}  // namespace

TEST(FileCompat, TextIsWrittenPlainWheneverItReadsBackSo)
{
    struct Case {
        Field field;
        std::string text;
        bool marked;
        std::string written;
    };
    const Case cases[] = {
        {Field::Label, "A\r\nB", false, "I0-1=A|_#`B,"},
        {Field::Link, "page.asp?q=|_#n`", false, "I0-1=Home,,page.asp?q=|_#n`,"},
        {Field::Description, "say |_#c` here", false, "I0-1=Home,say |_#c` here,"},
        {Field::MenuName, "x|_#`y", false, ",x|_#`y,1\r\n"},
        {Field::Label, "|_#p`", false, "I0-1=|_#p`,"},
        {Field::Description, "a,b", true, "I0-1=Home,a|_#c`b,"},
        {Field::Link, "l1\nl2", true, "I0-1=Home,,l1|_#n`l2,"},
        {Field::Label, "cr\ronly", true, "I0-1=cr|_#r`only,"},
        {Field::Label, "x|_#`y", true, "I0-1=x|_#p``y,"},
        {Field::Description, "x\r\ny", true, "I0-1=Home,x|_#`y,"},
        {Field::MenuName, "a,b|_#d", true, ",a|_#c`b|_#d,1\r\n"},
        {Field::Label, "p|_#p`,", true, "I0-1=p|_#p`p`|_#c`,"},
        {Field::Label, "|_#\r\n", false, "I0-1=|_#|_#`,"},
    };
    for (const Case& c : cases) {
        CAppletParameters p;
        HomeModel(p);
        SetField(p, c.field, c.text);
        const std::string text = ProjectText(p);
        EXPECT_NE(text.find(c.marked ? kMarkedNotice : kPlainNotice), std::string::npos) << c.text;
        EXPECT_NE(text.find(c.written), std::string::npos) << c.text << "\n" << text;

        Loaded l(text);
        EXPECT_EQ(FieldOf(l.params, c.field), c.text);
        EXPECT_EQ(ProjectText(l.params), text) << c.text;
    }
}

TEST(FileCompat, EscapesAreReadOnlyInMarkedFiles)
{
    const std::string body = "ApStyle=Old|_#c`Name,0,400,200,0,0,,0,0,0,,1,5,5,0,1,0,1,1,0,0,5,0\r\n"
                             "MStyle-1=0,0,0,0,40,0,80,20,5,0,Menu|_#`,1\r\n"
                             "I0-1=One|_#`Two|_#c`,desc|_#n`,page.asp?q=|_#n`,|_#r`,,,,,,1\r\n"
                             "Misc=2,1,0,-0,0-1,\r\n";
    struct Case {
        std::string notice;
        bool marked;
    };
    const Case cases[] = {
        {"", false},
        {"Notice=Tavelin1.0,anything\r\n", false},
        {"Notice=Tavelin1.0,Escapes1x\r\n", false},
        {kMarkedNotice, true},
        {"Notice=Tavelin1.0,Escapes1,later words\r\n", true},
    };
    for (const Case& c : cases) {
        Loaded l("[Tavelin1.0]\r\n" + c.notice + body);
        const CTavelinItem& item = l.Item();
        if (c.marked) {
            EXPECT_EQ(l.params.m_strName, "Old,Name");
            EXPECT_EQ(item.m_pSubMenu->m_strName, "Menu\r\n");
            EXPECT_EQ(item.m_strLabel, "One\r\nTwo,");
            EXPECT_EQ(item.m_strDescription, "desc\n");
            EXPECT_EQ(item.m_strLink, "page.asp?q=\n");
            EXPECT_EQ(item.m_strTarget, "\r");
        } else {
            // As the documented layout reads: only a label's "|_#`" means something.
            EXPECT_EQ(l.params.m_strName, "Old|_#c`Name") << c.notice;
            EXPECT_EQ(item.m_pSubMenu->m_strName, "Menu|_#`");
            EXPECT_EQ(item.m_strLabel, "One\r\nTwo|_#c`");
            EXPECT_EQ(item.m_strDescription, "desc|_#n`");
            EXPECT_EQ(item.m_strLink, "page.asp?q=|_#n`");
            EXPECT_EQ(item.m_strTarget, "|_#r`");
        }
        EXPECT_EQ(item.m_bVisible, 1);  // the fields did not shift
    }
}

TEST(FileCompat, RepeatedStyleRecordsReadByTheirOwnSectionsMark)
{
    // The same record text in a marked and in a plain occurrence of the
    // section: a style read once must not be taken for the other. Item 0-4
    // has no relation entry and still gets an empty sub-menu of its own.
    const auto menuStyle = [](int n) {
        return "MStyle-" + std::to_string(n) + "=0,0,0,0,40,7,80,20,5,0,Menu|_#`,1\r\n";
    };
    Loaded l("[Tavelin1.0]\r\n" + kMarkedNotice + menuStyle(1) + menuStyle(2) + "[Tavelin1.0]\r\n" + menuStyle(3) +
             "Misc=4,4,0,0,0,-0,0-1,1-2,2-3\r\n");
    const CTavelin& top = *l.params.m_arrMenus.at(0);
    ASSERT_EQ(top.m_arrItems.size(), 4u);
    for (const auto& item : top.m_arrItems)
        ASSERT_NE(item->m_pSubMenu, nullptr);
    EXPECT_EQ(l.Item(0).m_pSubMenu->m_strName, "Menu\r\n");
    EXPECT_EQ(l.Item(1).m_pSubMenu->m_strName, "Menu\r\n");
    EXPECT_EQ(l.Item(2).m_pSubMenu->m_strName, "Menu|_#`");
    EXPECT_EQ(l.Item(2).m_pSubMenu->m_nStartY, 7);
    EXPECT_EQ(l.Item(3).m_pSubMenu->m_strName, "Menu");  // no relation: a fresh menu
    EXPECT_EQ(l.Item(3).m_pSubMenu->m_nStartY, CTavelin().m_nStartY);
    EXPECT_TRUE(l.reader.Warnings().empty());
}

TEST(FileCompat, TemplateSectionsCarryTheirOwnMark)
{
    // Saved twice under one name, first with escapes, then plain: every value
    // is read by the mark of the section it comes from.
    CAppletParameters p;
    HomeModel(p);
    p.m_arrMenus[0]->InsertNewItem()->m_strDescription = "a,b";  // item 1, in front of Home
    MemoryFileSystem fs;
    CPageWriter w(p, fs, "/prog");
    ASSERT_TRUE(w.SaveTemplate("/prog", "T"));
    std::string& tpl = fs.m_files["/prog/AppletTavelinWizard.tpl"];
    EXPECT_NE(tpl.find("Notice=" + std::string(CProjectText::kTemplateNotice) + ",Escapes1\r\n"), std::string::npos);
    EXPECT_NE(tpl.find("I0-1=item,a|_#c`b,"), std::string::npos);
    tpl += "[T]\r\nI0-2=Home,,q=|_#n`,,,,,,,1\r\n";

    CProjectReader reader(p, fs, "/prog");
    p.Reset();
    ASSERT_TRUE(reader.LoadModel("/prog/AppletTavelinWizard.tpl", "T", true));
    ASSERT_EQ(p.m_arrMenus.at(0)->GetItemCount(), 2);
    EXPECT_EQ(p.m_arrMenus[0]->GetItem(0)->m_strDescription, "a,b");
    EXPECT_EQ(p.m_arrMenus[0]->GetItem(1)->m_strLink, "q=|_#n`");

    // A plain template section stays as documented: no "Notice" line.
    HomeModel(p);
    ASSERT_TRUE(w.SaveTemplate("/prog", "Plain"));
    EXPECT_EQ(tpl.find("Notice=", tpl.find("[Plain]")), std::string::npos);
}

TEST(FileCompat, NestingAtTheLimitReadsBackWhole)
{
    const int limit = CAppletParameters::kMaxDepth;
    CAppletParameters p;
    Chain(p, limit);
    const std::string text = ProjectText(p);
    Loaded atLimit(text);
    EXPECT_TRUE(atLimit.reader.Warnings().empty());
    EXPECT_EQ(ProjectText(atLimit.params), text);  // the empty sub-menu keeps its looks too

    Chain(p, limit + 1);
    Loaded deeper(ProjectText(p));
    ASSERT_EQ(deeper.reader.Warnings().size(), 1u);
    EXPECT_EQ(deeper.reader.Warnings()[0], CMenuLinker::kTooDeep);
    const CTavelin* menu = deeper.params.m_arrMenus.at(0).get();
    int depth = 0;
    while (menu->GetItemCount() > 0) {
        menu = menu->GetItem(0)->m_pSubMenu.get();
        ++depth;
    }
    EXPECT_EQ(depth, limit + 1);  // menus holding items at depths 0 to the limit
}

TEST(FileCompat, TemplateFolderGoesOnlyBeforeBareNames)
{
    struct Case {
        std::string stored;
        std::string loaded;
    };
    const Case cases[] = {
        {"bg.gif", "/prog/Sample/Image/bg.gif"},
        {"/pics/missing-bg.gif", "/pics/missing-bg.gif"},
        {"pics/bg.gif", "pics/bg.gif"},
        {"C:\\pics\\bg.gif", "C:\\pics\\bg.gif"},
        {"", ""},
    };
    for (const Case& c : cases) {
        Loaded l("[T]\nApStyle=N,0,1,1,0,0," + c.stored + ",0,0,0," + c.stored +
                     ",1,5,5,0,1,0,1,1,0,0,5,0\nMisc=1,0,-0,\n",
                 true, "T");
        EXPECT_EQ(l.params.m_strBackImage, c.loaded) << c.stored;
        EXPECT_EQ(l.params.m_strBackAudio, c.stored == "bg.gif" ? "/prog/Sample/Audio/bg.gif" : c.loaded);
    }

    // End to end: a missing applet image is kept as its full path and loads as it.
    CAppletParameters p;
    HomeModel(p);
    p.m_strBackImage = "/pics/missing-bg.gif";
    MemoryFileSystem fs;
    ASSERT_TRUE(CPageWriter(p, fs, "/prog").SaveTemplate("/prog", "T"));
    p.Reset();
    CProjectReader(p, fs, "/prog").LoadModel("/prog/AppletTavelinWizard.tpl", "T", true);
    EXPECT_EQ(p.m_strBackImage, "/pics/missing-bg.gif");
}

TEST(FileCompat, EncoderNumbersAtTheEdgeOfTheIntRange)
{
    CAppletParameters p;
    p.m_nGradientDir = 0;
    p.m_nBackStyle = INT_MAX;
    p.m_nBorder = 0;
    CParamEncoder enc(p, nullptr);
    EXPECT_NE(enc.ApStyleValue().find(",021474836520,"), std::string::npos) << enc.ApStyleValue();

    CTavelin menu;
    for (int state = 0; state < 3; ++state) {
        menu.Style(state).m_nGradientDir = 0;
        menu.Style(state).m_nBackStyle = 1;
        menu.Style(state).m_nBorder = INT_MAX;
    }
    EXPECT_NE(enc.IStyleValue(menu).find(",012147483648,"), std::string::npos) << enc.IStyleValue(menu);
    menu.Style(0).m_nBorder = INT_MIN;
    EXPECT_NE(enc.IStyleValue(menu).find(",01-2147483647,"), std::string::npos);
}
