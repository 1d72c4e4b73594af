// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

#include "core/format/CMenuLinker.h"
#include "core/format/CProjectReader.h"
#include "core/model/CAppletParameters.h"
#include "core/publish/CPageWriter.h"
#include "support/MemoryFileSystem.h"

namespace {
struct Loaded {
    MemoryFileSystem fs;
    CAppletParameters params;
    CProjectReader reader{params, fs, "/prog"};
    bool ok = false;

    explicit Loaded(const std::string& text, bool templateMode = false, const std::string& section = "Tavelin1.0")
    {
        fs.m_files["/p/m.tvx"] = text;
        params.Reset();
        ok = reader.LoadModel("/p/m.tvx", section, templateMode);
    }
};

const std::string kStyle = "0,16777215,1,0,0,14,0,0,0,0,0,1,0,,,";
}  // namespace

TEST(Reader, IniMapRules)
{
    CIniMap map;
    CProjectReader::ParseIni("Loose=1\r\n  [S]  \r\n\r\n  ApStyle = x\r\nKey\nLink=a?b=c \r\n"
                             "Tail= spaced\n[T]\nLink=t\n[S]\nLink=later\n",
                             map);
    EXPECT_EQ(map["Loose"], "1");        // before any header
    EXPECT_EQ(map["[S]ApStyle"], " x");  // key stripped, value not
    EXPECT_EQ(map["[S]Key"], "");
    EXPECT_EQ(map["[S]Tail"], " spaced");
    EXPECT_EQ(map["[S]Link"], "later");  // the later section of the same name wins
    EXPECT_EQ(map["[T]Link"], "t");

    std::vector<std::string> list;
    CProjectReader::GetValues(map, "S", "Link", "", 3, list);
    EXPECT_EQ(list, (std::vector<std::string>{"later", "", ""}));
    map["[S]R"] = "a,,b,";
    CProjectReader::GetValues(map, "S", "R", "", 2, list);
    EXPECT_EQ(list, (std::vector<std::string>{"a", ""}));
    CProjectReader::GetValues(map, "S", "Absent", "d,e", 3, list);
    EXPECT_EQ(list, (std::vector<std::string>{"d", "e", ""}));

    // Records are cut sixteen bytes at a time: a separator at every place
    // around those steps, and runs of them, split as one byte at a time would.
    for (size_t length = 0; length <= 40; ++length) {
        for (size_t at = 0; at < length; ++at) {
            std::string record(length, 'x');
            record[at] = ',';
            if (at + 2 < length)
                record[at + 2] = ',';
            map["[S]R"] = record;
            std::vector<std::string> expected(1);
            for (const char c : record) {
                if (c == ',')
                    expected.emplace_back();
                else
                    expected.back().push_back(c);
            }
            CProjectReader::GetValues(map, "S", "R", "", static_cast<int>(expected.size()), list);
            ASSERT_EQ(list, expected) << record;
        }
    }

    EXPECT_EQ(CProjectReader::ExtractField("1,,-0,", 2, ','), "-0");
    EXPECT_EQ(CProjectReader::ExtractField("1,,-0,", 1, ','), "");
    EXPECT_EQ(CProjectReader::ExtractField("1,,-0,", 9, ','), "");
    EXPECT_EQ(CProjectReader::ExtractField("12-3", 1, '-'), "3");

    EXPECT_EQ(CProjectReader::ToNumber("  -42x"), -42);
    EXPECT_EQ(CProjectReader::ToNumber("+7"), 7);
    EXPECT_EQ(CProjectReader::ToNumber("x1"), 0);
    EXPECT_EQ(CProjectReader::ToNumber(""), 0);
    EXPECT_EQ(CProjectReader::ToNumber("99999999999"), 2147483647);
    EXPECT_EQ(CProjectReader::ToNumber("-2147483648"), -2147483647 - 1);

    MemoryFileSystem fs;
    EXPECT_FALSE(CProjectReader::ReadIniMap(fs, "/none", map));
}

TEST(Reader, ReadsTheWorkedExample)
{
    Loaded l("[Tavelin1.0]\r\n"
             "ApStyle=Tavelina Applet,2,400,200,255,0,/i/bg.gif,0,0,0,,1,5,5,0,1,0,1,1,0,0,5,7\r\n"
             "Notice=Tavelin1.0,whatever\r\n"
             "MStyle-0=0,3,8,9,40,0,80,20,5,0,top-level Tavelina,1\r\n"
             "IStyle-0=" +
             kStyle + kStyle +
             "1,2,3,4,5,6,7,8,9,10,11,12,13,,,\r\n"
             "I0-1=Home|_#`Page,,page.asp?id=3,,,,,,,1\r\n"
             "MStyle-1=0,0,0,0,40,15,80,20,5,0,Menu,1\r\n"
             "IStyle-1=" +
             kStyle + kStyle + kStyle +
             "\r\n"
             "Misc=2,1,0,-0,0-1,\r\n");
    ASSERT_TRUE(l.ok);
    EXPECT_TRUE(l.reader.Warnings().empty());
    const CAppletParameters& p = l.params;
    EXPECT_EQ(p.m_strName, "Tavelina Applet");
    EXPECT_EQ(p.m_nAlign, 2);
    EXPECT_EQ(p.m_crBackground, 255u);
    EXPECT_EQ(p.m_strBackImage, "/i/bg.gif");
    EXPECT_EQ(p.m_nDisplayFromY, 7);
    ASSERT_EQ(p.m_arrMenus.size(), 1u);
    const CTavelin& top = *p.m_arrMenus[0];
    EXPECT_EQ(top.m_nBackStyle, 3);
    EXPECT_EQ(top.m_nReserved1, 8);
    EXPECT_EQ(top.m_nReserved2, 9);
    const CItemStyle& click = top.m_styleClick;
    EXPECT_EQ(click.m_crBack, 1u);
    EXPECT_EQ(click.m_crFont, 2u);
    EXPECT_EQ(click.m_nBackStyle, 3);
    EXPECT_EQ(click.m_nFontSize, 6);
    EXPECT_EQ(click.m_nImageAlign, 8);
    EXPECT_EQ(click.m_nTextAlign, 9);
    EXPECT_EQ(click.m_nTextOffset, 11);
    EXPECT_EQ(click.m_nGradientDir, 12);
    EXPECT_EQ(click.m_nBorder, 13);
    ASSERT_EQ(top.GetItemCount(), 1);
    EXPECT_EQ(top.GetItem(0)->m_strLabel, "Home\r\nPage");
    EXPECT_EQ(top.GetItem(0)->m_strLink, "page.asp?id=3");
    EXPECT_EQ(top.GetItem(0)->m_pSubMenu->m_strName, "Menu");
    EXPECT_EQ(top.GetItem(0)->m_pSubMenu->m_nStartY, 15);
}

TEST(Reader, ToleratesMissingAndShortRecords)
{
    // Only the header and "Misc": one invisible, empty top-level menu and the default applet.
    Loaded only("[Tavelin1.0]\nMisc=1,0,-0,\n");
    ASSERT_EQ(only.params.m_arrMenus.size(), 1u);
    const CTavelin& menu = *only.params.m_arrMenus[0];
    EXPECT_EQ(menu.m_strName, "top-level Tavelina");
    EXPECT_EQ(menu.m_bVisible, 0);
    EXPECT_EQ(menu.m_nIndent, 0);
    EXPECT_EQ(menu.m_styleNormal.m_crFont, 0u);
    EXPECT_EQ(only.params.m_strName, "My Tavelina");
    EXPECT_EQ(only.params.m_nWidth, 200);
    EXPECT_EQ(only.params.m_nHeight, 500);
    EXPECT_EQ(only.params.m_crLine, 5u);

    // An item without a record, a short item record, a non-numeric field.
    Loaded items("[Tavelin1.0]\nMStyle-0=1,x2\nI0-2=Short,d\nMisc=1,3,-0,\n");
    const CTavelin& m = *items.params.m_arrMenus[0];
    ASSERT_EQ(m.GetItemCount(), 3);
    EXPECT_EQ(m.GetItem(0)->m_strLabel, "");
    EXPECT_EQ(m.GetItem(0)->m_bVisible, 0);
    EXPECT_EQ(m.GetItem(1)->m_strLabel, "Short");
    EXPECT_EQ(m.GetItem(1)->m_strDescription, "d");
    EXPECT_EQ(m.GetItem(1)->m_strLink, "");
    EXPECT_EQ(m.m_crBackground, 1u);
    EXPECT_EQ(m.m_nBackStyle, 0);

    // Empty, foreign, or without "Misc": an empty project with default values.
    for (const char* text : {"", "\x89PNG\r\n\x1a\n binary", "[Tavelin1.0]\nMisc=\n", "[Tavelin1.0]\nMisc=0,\n",
                             "[Other]\nMisc=1,0,-0,\n"}) {
        Loaded l(text);
        EXPECT_TRUE(l.ok);
        EXPECT_TRUE(l.params.m_arrMenus.empty()) << text;
        EXPECT_EQ(l.params.m_strName, "My Tavelina");
    }

    // A file that cannot be opened: false, the model stays reset.
    MemoryFileSystem fs;
    fs.m_dirs.insert("/p/dir.tvx");
    CAppletParameters p;
    p.m_strName = "Before";
    CProjectReader reader(p, fs, "/prog");
    EXPECT_FALSE(reader.LoadProject("/p/missing.tvx"));
    EXPECT_EQ(p.m_strName, "Tavelina Applet");
    EXPECT_FALSE(reader.LoadProject("/p/dir.tvx"));
}

TEST(Reader, TemplateModeFindsSampleFolders)
{
    Loaded l("[T]\nApStyle=N,0,1,1,0,0,bg.gif,0,0,0,,1,5,5,0,1,0,1,1,0,0,5,0\n"
             "I0-1=L,,,,n.gif,,c.png,o.wav,,1\nMisc=1,1,-0,\n",
             true, "T");
    EXPECT_EQ(l.params.m_strBackImage, "/prog/Sample/Image/bg.gif");
    EXPECT_EQ(l.params.m_strBackAudio, "");
    const CTavelinItem& item = *l.params.m_arrMenus[0]->GetItem(0);
    EXPECT_EQ(item.m_strNormalImage, "/prog/Sample/Image/n.gif");
    EXPECT_EQ(item.m_strOverImage, "");
    EXPECT_EQ(item.m_strClickImage, "/prog/Sample/Image/c.png");
    EXPECT_EQ(item.m_strOverAudio, "/prog/Sample/Audio/o.wav");
}

TEST(Reader, LongFieldsAreReadWhole)
{
    const std::string big(50000, 'x');
    Loaded l("[Tavelin1.0]\nI0-1=" + big + "," + big + "y,,,,,,,,1\nMisc=1,1,-0,\n");
    const CTavelinItem& item = *l.params.m_arrMenus[0]->GetItem(0);
    EXPECT_EQ(item.m_strLabel, big);
    EXPECT_EQ(item.m_strDescription, big + "y");
    EXPECT_EQ(item.m_bVisible, 1);
}

TEST(Reader, DamagedRelationListsNeverShareOrLoseOwnership)
{
    struct Case {
        const char* misc;
        size_t tops;
        bool warns;
    };
    const Case cases[] = {
        {"2,1,0,-0,0-1,", 1, false},        // sound
        {"2,1,0,-0,-0,", 1, true},          // menu 0 named twice, menu 1 nowhere
        {"2,1,0,-0,5-1,", 1, true},         // item out of range
        {"2,1,0,-0,0-9,", 1, true},         // menu out of range
        {"2,1,0,-0,-1,", 2, false},         // two top-level menus
        {"1,1,0-0,", 0, true},              // a menu opening from its own item
        {"2,1,1,0-1,1-0,", 0, true},        // a cycle of two
        {"3,2,0,0,-0,0-1,0-2,", 1, true},   // item 0 given two sub-menus
        {"1,1,", 1, false},                 // missing entry: read as "-0"
        {"999999999,1,-0,", 1, true},       // a count far beyond the record
        {"2,99999999,0,-0,0-1,", 1, true},  // an item count far beyond the records
        // Spellings other than the writers' read as numbers all the same.
        {"2,1,0,-00,+0-01,", 1, false},
        {"2,1,0,-0,0-1-5,", 1, false},
    };
    for (const Case& c : cases) {
        Loaded l(std::string("[Tavelin1.0]\nMisc=") + c.misc + "\n");
        EXPECT_EQ(l.params.m_arrMenus.size(), c.tops) << c.misc;
        EXPECT_EQ(!l.reader.Warnings().empty(), c.warns) << c.misc;
    }
    Loaded two("[Tavelin1.0]\nMisc=2,1,0,-0,-0,\n");
    ASSERT_FALSE(two.reader.Warnings().empty());
    EXPECT_EQ(two.reader.Warnings()[0], "The project's menu list names menu 0 twice; the second entry was skipped.");
}

TEST(Reader, DeepNestingIsCapped)
{
    // A chain of 100,000 menus, each opening from the one item of the last.
    const int n = 100000;
    std::string misc = "Misc=" + std::to_string(n) + ",";
    std::string records;
    for (int m = 0; m < n; ++m) {
        misc += "1,";
        records += "I" + std::to_string(m) + "-1=x,,,,,,,,,1\n";
    }
    misc += "-0,";
    for (int m = 1; m < n; ++m)
        misc += std::to_string(m - 1) + "-" + std::to_string(m) + ",";
    Loaded l("[Tavelin1.0]\n" + records + misc + "\n");
    ASSERT_EQ(l.params.m_arrMenus.size(), 1u);
    int depth = 0;
    for (const CTavelin* m = l.params.m_arrMenus[0].get(); !m->m_arrItems.empty();
         m = m->m_arrItems[0]->m_pSubMenu.get())
        ++depth;
    EXPECT_EQ(depth, CAppletParameters::kMaxDepth + 1);  // menus with items at depths 0 to the limit
    ASSERT_EQ(l.reader.Warnings().size(), 1u);
    EXPECT_EQ(l.reader.Warnings()[0], CMenuLinker::kTooDeep);
}

// Items that name one file hold one copy of its path, in a project and in a
// template (whose bare names the reader completes); a template's bare name
// and a project's full path of the same file read alike.
TEST(Reader, ItemsThatNameOneFileShareItsPath)
{
    for (const bool templateMode : {false, true}) {
        SCOPED_TRACE(templateMode ? "template" : "project");
        const std::string path = templateMode ? "n.gif" : "/m/n.gif";
        const std::string full = templateMode ? "/prog/Sample/Image/n.gif" : "/m/n.gif";
        std::string text =
            "[Tavelin1.0]\r\nMStyle-0=0,0,0,0,40,0,80,20,5,0,top,1\r\nIStyle-0=" + kStyle + kStyle + kStyle + "\r\n";
        text += "I0-1=a,,,," + path + "," + path + ",,,,1\r\nI0-2=b,,,," + path + ",/m/o.gif,,,,1\r\n";
        text += "Misc=1,2,-0,\r\n";
        Loaded l(text, templateMode);
        ASSERT_TRUE(l.ok);
        const CTavelin& top = *l.params.m_arrMenus[0];
        const CTavelinItem &a = *top.GetItem(0), &b = *top.GetItem(1);
        EXPECT_EQ(a.m_strNormalImage, full);
        EXPECT_TRUE(a.m_strNormalImage.SharesWith(a.m_strOverImage));
        EXPECT_TRUE(a.m_strNormalImage.SharesWith(b.m_strNormalImage));
        EXPECT_EQ(b.m_strOverImage, "/m/o.gif");
        EXPECT_TRUE(b.m_strClickImage.empty());
    }
}

// Leaves whose empty sub-menus have one look share one menu after loading;
// whatever changes one leaf's sub-menu (or a copy's) leaves the others as
// they were, and the changed one keeps its own menu from then on.
TEST(Reader, LeavesShareAnEmptySubMenuUntilOneIsChanged)
{
    std::string text =
        "[Tavelin1.0]\r\nMStyle-0=0,0,0,0,40,0,80,20,5,0,top,1\r\nIStyle-0=" + kStyle + kStyle + kStyle + "\r\n";
    for (const char* item :
         {"I0-1=a,,a.htm,,,,,,,1", "I0-2=b,,b.htm,,,,,,,1", "I0-3=c,,c.htm,,,,,,,1", "I0-4=d,,d.htm,,,,,,,1"})
        text += std::string(item) + "\r\n";
    for (int m = 1; m <= 4; ++m)
        text += "MStyle-" + std::to_string(m) + "=0,0,0,0," + (m == 4 ? "41" : "40") +
                ",15,80,20,5,0,Menu,1\r\nIStyle-" + std::to_string(m) + "=" + kStyle + kStyle + kStyle + "\r\n";
    text += "Misc=5,4,0,0,0,0,-0,0-1,1-2,2-3,3-4,\r\n";

    const std::vector<std::pair<const char*, void (*)(CTavelinItem&)>> changes = {
        {"look", [](CTavelinItem& i) { i.m_pSubMenu->m_nIndent = 99; }},
        {"name", [](CTavelinItem& i) { i.m_pSubMenu->m_strName = "Changed"; }},
        {"items", [](CTavelinItem& i) { i.m_pSubMenu->InsertNewItem(); }},
        {"taken", [](CTavelinItem& i) { i.TakeSubMenu()->m_nIndent = 99; }},
        {"copy", [](CTavelinItem& i) { CTavelinItem(i).m_pSubMenu->m_nIndent = 99; }},
    };
    for (const auto& [name, change] : changes) {
        SCOPED_TRACE(name);
        Loaded l(text);
        ASSERT_TRUE(l.ok);
        const CTavelin& top = *l.params.m_arrMenus[0];
        CTavelinItem &a = *top.GetItem(0), &b = *top.GetItem(1), &c = *top.GetItem(2), &d = *top.GetItem(3);
        ASSERT_TRUE(a.m_pSubMenu.IsShared());
        EXPECT_EQ(&a.SubMenu(), &b.SubMenu());
        EXPECT_EQ(&a.SubMenu(), &c.SubMenu());
        EXPECT_NE(&a.SubMenu(), &d.SubMenu());
        EXPECT_EQ(d.SubMenu().m_nIndent, 41);

        change(b);
        for (const CTavelinItem* other : {&a, &c}) {
            EXPECT_EQ(other->SubMenu().m_nIndent, 40);
            EXPECT_EQ(other->SubMenu().m_strName, "Menu");
            EXPECT_EQ(other->SubMenu().GetItemCount(), 0);
        }
        EXPECT_EQ(&a.SubMenu(), &c.SubMenu());
        CTavelin* own = b.m_pSubMenu.get();
        EXPECT_EQ(b.m_pSubMenu.get(), own);
        EXPECT_EQ(&b.SubMenu(), own);
        EXPECT_FALSE(b.m_pSubMenu.IsShared());
    }
}

// A record key without "=" (a damaged line) reads as a record with an empty
// value, wherever the record stands among the others.
TEST(Reader, RecordsWithoutAValueReadAsEmpty)
{
    Loaded l("[Tavelin1.0]\r\nMStyle-0\r\nIStyle-0\r\nI0-1\r\nI0-2=b,,,,,,,,,1\r\nMisc=1,2,-0,\r\n");
    ASSERT_TRUE(l.ok);
    ASSERT_EQ(l.params.m_arrMenus.size(), 1u);
    const CTavelin& top = *l.params.m_arrMenus[0];
    ASSERT_EQ(top.GetItemCount(), 2);
    EXPECT_EQ(top.GetItem(0)->m_strLabel, "");
    EXPECT_EQ(top.GetItem(1)->m_strLabel, "b");
}

// Readers take the serial numbers of their items in blocks: items of two
// loads, a copy and a new item never share one.
TEST(Reader, ItemsOfEveryLoadHaveTheirOwnSerials)
{
    const std::string text = "[Tavelin1.0]\r\nMStyle-0=0,0,0,0,40,0,80,20,5,0,top,1\r\nI0-1=a,,,,,,,,,1\r\n"
                             "I0-2=b,,,,,,,,,1\r\nI0-3=c,,,,,,,,,1\r\nMisc=1,3,-0,\r\n";
    Loaded first(text);
    Loaded second(text);
    std::set<std::uint64_t> serials;
    size_t items = 0;
    for (const Loaded* l : {&first, &second}) {
        ASSERT_EQ(l->params.m_arrMenus.size(), 1u);
        for (const auto& item : l->params.m_arrMenus[0]->m_arrItems) {
            serials.insert(item->Serial());
            ++items;
        }
    }
    const CTavelinItem copy(*first.params.m_arrMenus[0]->m_arrItems[0]);
    const CTavelinItem made;
    serials.insert(copy.Serial());
    serials.insert(made.Serial());
    EXPECT_EQ(items, 6u);
    EXPECT_EQ(serials.size(), items + 2);
}
