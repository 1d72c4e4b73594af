// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

#include "core/model/CAppletParameters.h"
#include "core/model/CArchive.h"

namespace {

std::string FromHex(const std::string& hex)
{
    std::string bytes;
    std::string digits;
    for (char c : hex)
        if (std::isxdigit(static_cast<unsigned char>(c)))
            digits += c;
    for (std::size_t i = 0; i + 1 < digits.size(); i += 2)
        bytes += static_cast<char>(std::stoi(digits.substr(i, 2), nullptr, 16));
    return bytes;
}

// Writes blocks by hand, value by value, in the archive's layout.
struct Block {
    std::string m_bytes;

    Block& Word(unsigned value)
    {
        m_bytes += static_cast<char>(value & 0xFF);
        m_bytes += static_cast<char>((value >> 8) & 0xFF);
        return *this;
    }
    Block& Int(std::int64_t value)
    {
        const auto u = static_cast<std::uint32_t>(value);
        return Word(u & 0xFFFF).Word(u >> 16);
    }
    Block& Text(const std::string& text)
    {
        m_bytes += static_cast<char>(text.size());  // short texts only
        m_bytes += text;
        return *this;
    }
    Block& NewClass(const std::string& name, unsigned schema = 1)
    {
        Word(0xFFFF).Word(schema).Word(static_cast<unsigned>(name.size()));
        m_bytes += name;
        return *this;
    }
    Block& ItemFields(const std::string& label = "item")
    {
        Text(label);
        for (int i = 0; i < 8; ++i)
            Text("");
        return Int(1);
    }
    // A default menu up to and including its item count.
    Block& MenuFields(std::int64_t itemCount)
    {
        Text("Menu").Int(0).Int(0).Int(0).Int(0).Int(40).Int(15).Int(80).Int(20).Int(5).Int(0);
        for (int state = 0; state < 3; ++state) {
            Int(0).Int(0xFFFFFF).Int(0).Int(1).Int(1).Int(0).Int(0).Int(14);
            Int(0).Int(0).Int(0).Int(0).Int(0).Text("");
        }
        return Int(1).Int(itemCount);
    }
};

std::string LoadError(const std::string& bytes)
{
    std::string error;
    auto item = CArchive::LoadItem(bytes, &error);
    EXPECT_EQ(item, nullptr) << "accepted a block that should be refused";
    EXPECT_EQ(error.rfind("The clipboard does not hold a valid menu item: ", 0), 0u) << error;
    return error;
}

// An item whose whole subtree carries distinct values, three menus deep.
std::unique_ptr<CTavelinItem> MakeTree()
{
    int next = 1;
    auto fill = [&next](CTavelin& menu, const std::string& name) {
        menu.m_strName = name;
        menu.m_crBackground = RGB(1, 2, next % 256);
        for (int* v : {&menu.m_nBackStyle, &menu.m_nReserved1, &menu.m_nReserved2, &menu.m_nIndent, &menu.m_nStartY,
                       &menu.m_nItemWidth, &menu.m_nItemHeight, &menu.m_nItemGap, &menu.m_nBorderThick})
            *v = next++;
        for (int state = 0; state < 3; ++state) {
            CItemStyle& s = menu.Style(state);
            s.m_crBack = RGB(next++, 0, 9);
            s.m_crFont = 0x00ABCDEF - static_cast<COLORREF>(next++);
            for (int* v :
                 {&s.m_nBorder, &s.m_nBackStyle, &s.m_nGradientDir, &s.m_nFontEffect, &s.m_nFontName, &s.m_nFontSize,
                  &s.m_nFontStyle, &s.m_nTextAlign, &s.m_nTextOffset, &s.m_nImageAlign, &s.m_nImageOffset})
                *v = -(next++);
            s.m_strExtra = name + " extra " + std::to_string(state);
        }
        menu.m_bVisible = next++ % 2;
    };
    auto label = [&next](CTavelinItem& item, const std::string& name) {
        item.m_strLabel = name + "\r\nsecond line";
        item.m_strDescription = name + " description";
        item.m_strNormalImage = "/img/" + name + "-n.gif";
        item.m_strOverImage = "/img/" + name + "-o.gif";
        item.m_strClickImage = "/img/" + name + "-c.gif";
        item.m_strOverAudio = "/snd/" + name + "-o.au";
        item.m_strClickAudio = "/snd/" + name + "-c.au";
        item.m_strTarget = "_blank";
        item.m_strLink = "page.asp?id=" + std::to_string(next++);
        item.m_bVisible = next % 3 != 0;
    };
    auto top = std::make_unique<CTavelinItem>();
    label(*top, "top");
    fill(*top->m_pSubMenu, "level1");
    for (int i = 0; i < 3; ++i) {
        CTavelinItem* a = top->m_pSubMenu->InsertNewItem();
        label(*a, "a" + std::to_string(i));
        fill(*a->m_pSubMenu, "level2-" + std::to_string(i));
        for (int j = 0; j < 2; ++j) {
            CTavelinItem* b = a->m_pSubMenu->InsertNewItem();
            label(*b, "b" + std::to_string(i) + std::to_string(j));
            fill(*b->m_pSubMenu, "level3");
            label(*b->m_pSubMenu->InsertNewItem(), "leaf");
        }
    }
    return top;
}

void ExpectSameTree(const CTavelinItem& a, const CTavelinItem& b)
{
    std::vector<std::pair<const CTavelinItem*, const CTavelinItem*>> stack{{&a, &b}};
    while (!stack.empty()) {
        auto [x, y] = stack.back();
        stack.pop_back();
        ASSERT_EQ(static_cast<const CItemFields&>(*x), static_cast<const CItemFields&>(*y));
        const CTavelin& mx = *x->m_pSubMenu;
        const CTavelin& my = *y->m_pSubMenu;
        ASSERT_EQ(static_cast<const CMenuStyle&>(mx), static_cast<const CMenuStyle&>(my));
        ASSERT_EQ(mx.m_bVisible, my.m_bVisible);
        ASSERT_EQ(mx.m_arrItems.size(), my.m_arrItems.size());
        for (std::size_t i = 0; i < mx.m_arrItems.size(); ++i)
            stack.emplace_back(mx.m_arrItems[i].get(), my.m_arrItems[i].get());
    }
}

// A block of menus nested depth deep, each holding one item but the last.
std::string NestedBlock(int depth)
{
    Block b;
    b.ItemFields("top");
    for (int level = 1; level <= depth; ++level) {
        if (level == 1)
            b.NewClass("CTavelin");
        else
            b.Word(0x8001);
        b.MenuFields(level < depth ? 1 : 0);
        if (level == depth)
            break;
        if (level == 1)
            b.NewClass("CTavelinItem");
        else
            b.Word(0x8003);
        b.ItemFields();
    }
    return b.m_bytes;
}

std::unique_ptr<CTavelinItem> Chain(int depth)
{
    auto top = std::make_unique<CTavelinItem>("top");
    CTavelinItem* last = top.get();
    for (int i = 1; i < depth; ++i)
        last = last->m_pSubMenu->InsertNewItem();
    return top;
}

}  // namespace

TEST(Archive, NewItemBlockIsByteExact)
{
    const std::string expected =
        FromHex("00 00 00 00 00 00 00 00 00"                          // nine empty texts
                "01 00 00 00"                                         // visible
                "FF FF 01 00 08 00"                                   // new class, schema 1, name length 8
                "43 54 61 76 65 6C 69 6E"                             // "CTavelin"
                "04 4D 65 6E 75"                                      // "Menu"
                "00 00 00 00  00 00 00 00  00 00 00 00  00 00 00 00"  // colour, style, reserved
                "28 00 00 00  0F 00 00 00  50 00 00 00  14 00 00 00"  // 40 15 80 20
                "05 00 00 00  00 00 00 00"                            // gap 5, border 0
                // three state blocks: black, white, border 0, style 1, bi-direction,
                // effect 0, font 0, size 14, plain, left, 0, left, 0, empty extra
                "00 00 00 00 FF FF FF 00 00 00 00 00 01 00 00 00 01 00 00 00 00 00 00 00 00 00 00 00"
                "0E 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"
                "00 00 00 00 FF FF FF 00 00 00 00 00 01 00 00 00 01 00 00 00 00 00 00 00 00 00 00 00"
                "0E 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"
                "00 00 00 00 FF FF FF 00 00 00 00 00 01 00 00 00 01 00 00 00 00 00 00 00 00 00 00 00"
                "0E 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"
                "01 00 00 00"    // menu visible
                "00 00 00 00");  // no items
    CTavelinItem item("");
    EXPECT_EQ(CArchive::StoreItem(item), expected);

    std::string error;
    auto loaded = CArchive::LoadItem(expected, &error);
    ASSERT_TRUE(loaded) << error;
    ExpectSameTree(item, *loaded);
}

TEST(Archive, TextLengthForms)
{
    CTavelinItem item(std::string(300, 'L'));
    item.m_strDescription = std::string(70000, 'D');
    item.m_strLink = std::string(254, 'k');
    item.m_strTarget = std::string(65533, 't');
    item.m_strClickAudio = std::string(65534, 'a');
    const std::string block = CArchive::StoreItem(item);
    EXPECT_EQ(block.substr(0, 3), FromHex("FF 2C 01"));
    EXPECT_EQ(block.substr(3, 300), item.m_strLabel);
    EXPECT_EQ(block.substr(303, 7), FromHex("FF FF FF 70 11 01 00"));  // 70,000
    std::size_t pos = 310 + 70000 + 4;                                 // then four empty texts
    EXPECT_EQ(block.substr(pos, 7), FromHex("FF FF FF FE FF 00 00"));  // click audio: 65534
    pos += 7 + 65534;
    EXPECT_EQ(block.substr(pos, 3), FromHex("FF FD FF"));  // target: 65533
    pos += 3 + 65533;
    EXPECT_EQ(static_cast<unsigned char>(block[pos]), 254u);  // link: short form

    std::string error;
    auto loaded = CArchive::LoadItem(block, &error);
    ASSERT_TRUE(loaded) << error;
    ExpectSameTree(item, *loaded);
}

TEST(Archive, TreeRoundTripKeepsEveryValueAndNumbersInWriteOrder)
{
    auto tree = MakeTree();
    const std::string block = CArchive::StoreItem(*tree);
    std::string error;
    auto loaded = CArchive::LoadItem(block, &error);
    ASSERT_TRUE(loaded) << error;
    ExpectSameTree(*tree, *loaded);

    // "CTavelin" is number 1, the first menu 2, "CTavelinItem" 3, the first
    // item 4; later objects name their class by number only.
    CTavelinItem top("top");
    top.m_pSubMenu->AddItem(std::make_unique<CTavelinItem>("x"), false);
    top.m_pSubMenu->AddItem(std::make_unique<CTavelinItem>("y"), false);
    EXPECT_EQ(CArchive::StoreItem(top), Block()
                                            .ItemFields("top")
                                            .NewClass("CTavelin")
                                            .MenuFields(2)
                                            .NewClass("CTavelinItem")
                                            .ItemFields("x")
                                            .Word(0x8001)
                                            .MenuFields(0)
                                            .Word(0x8003)
                                            .ItemFields("y")
                                            .Word(0x8001)
                                            .MenuFields(0)
                                            .m_bytes);

    // A block may be longer than the archive: what follows the item is ignored.
    loaded = CArchive::LoadItem(block + std::string(4096, '\xCD'), &error);
    ASSERT_TRUE(loaded) << error;
    ExpectSameTree(*tree, *loaded);

    // The large index form names a class as well as the short one does.
    const std::string big = Block()
                                .ItemFields()
                                .NewClass("CTavelin")
                                .MenuFields(2)
                                .NewClass("CTavelinItem")
                                .ItemFields()
                                .Word(0x8001)
                                .MenuFields(0)
                                .Word(0x7FFF)
                                .Int(0x80000003LL)
                                .ItemFields("b")
                                .Word(0x7FFF)
                                .Int(0x80000001LL)
                                .MenuFields(0)
                                .m_bytes;
    loaded = CArchive::LoadItem(big, &error);
    ASSERT_TRUE(loaded) << error;
    ASSERT_EQ(loaded->m_pSubMenu->GetItemCount(true), 2);
    EXPECT_EQ(loaded->m_pSubMenu->GetItem(1)->m_strLabel, "b");
}

TEST(Archive, MalformedBlocksAreRefusedWithAReason)
{
    const auto item = [] { return Block().ItemFields(); };
    EXPECT_NE(LoadError(item().NewClass("CMenu").MenuFields(0).m_bytes).find("unknown class \"CMenu\""),
              std::string::npos);
    EXPECT_NE(LoadError(item().NewClass("CTavelinItem").ItemFields().m_bytes)
                  .find("an item (class \"CTavelinItem\") stands where a menu belongs"),
              std::string::npos);
    EXPECT_NE(LoadError(item().NewClass("CTavelin").MenuFields(1).Word(0x8001).MenuFields(0).m_bytes)
                  .find("a menu (class \"CTavelin\") stands where an item belongs"),
              std::string::npos);
    EXPECT_NE(LoadError(item().NewClass("CTavelin", 2).MenuFields(0).m_bytes).find("schema 2"), std::string::npos);
    EXPECT_NE(LoadError(item().Word(0).m_bytes).find("an object is missing"), std::string::npos);
    EXPECT_NE(LoadError(item().Word(0x8005).MenuFields(0).m_bytes).find("class number 5"), std::string::npos);
    // References to objects: to nothing, to the menu being read, to a finished item.
    EXPECT_NE(LoadError(item().Word(9).m_bytes).find("object number 9"), std::string::npos);
    EXPECT_NE(LoadError(item().Word(0x7FFF).Int(70000).m_bytes).find("object number 70000"), std::string::npos);
    EXPECT_NE(LoadError(item().NewClass("CTavelin").MenuFields(1).Word(2).m_bytes).find("refers back to itself"),
              std::string::npos);
    EXPECT_NE(LoadError(item()
                            .NewClass("CTavelin")
                            .MenuFields(2)
                            .NewClass("CTavelinItem")
                            .ItemFields()
                            .Word(0x8001)
                            .MenuFields(0)
                            .Word(4)
                            .m_bytes)
                  .find("used twice"),
              std::string::npos);
    EXPECT_NE(LoadError(item().NewClass("CTavelin").MenuFields(-1).m_bytes).find("negative item count"),
              std::string::npos);
    EXPECT_NE(LoadError(item().NewClass("CTavelin").MenuFields(0x7FFFFFFF).m_bytes).find("2147483647"),
              std::string::npos);
    EXPECT_NE(LoadError(item().NewClass("CTavelin").MenuFields(1).NewClass("CTavelinItem").ItemFields().m_bytes)
                  .find("ends early"),
              std::string::npos);
    EXPECT_NE(LoadError(FromHex("FF FE FF 00")).find("form"), std::string::npos);
    EXPECT_NE(LoadError("").find("ends early"), std::string::npos);

    // Every cut of a valid block ends early.
    const std::string valid = CArchive::StoreItem(*MakeTree());
    for (std::size_t length = 0; length < valid.size(); length += 7)
        LoadError(valid.substr(0, length));
    LoadError(valid.substr(0, valid.size() - 1));
}

TEST(Archive, NestingIsBoundedAndDeepTreesDoNotExhaustTheStack)
{
    // An item of a top-level menu carries menus down to the deepest level
    // that holds items, and one empty level more.
    const int limit = CAppletParameters::kMaxDepth + 1;
    std::string error;
    auto loaded = CArchive::LoadItem(NestedBlock(limit), &error);
    ASSERT_TRUE(loaded) << error;
    EXPECT_EQ(loaded->m_pSubMenu->GetItem(0)->m_strLabel, "item");

    EXPECT_NE(LoadError(NestedBlock(limit + 1)).find("nested deeper than 1000"), std::string::npos);
    EXPECT_NE(LoadError(NestedBlock(100000)).find("nested deeper than 1000"), std::string::npos);

    // Storing follows the same bound: a chain the reader accepts comes back
    // whole, a deeper one gives no block at all.
    auto chain = Chain(limit);
    loaded = CArchive::LoadItem(CArchive::StoreItem(*chain), &error);
    ASSERT_TRUE(loaded) << error;
    ExpectSameTree(*chain, *loaded);
    EXPECT_EQ(CArchive::StoreItem(*Chain(limit + 1)), "");
}

TEST(Archive, RandomAndDamagedBlocksNeverCrash)
{
    std::mt19937 rng(20240607);
    const std::string valid = CArchive::StoreItem(*MakeTree());
    int accepted = 0;
    std::string error;
    for (int i = 0; i < 2000; ++i) {
        std::string bytes(rng() % 600, '\0');
        for (char& c : bytes)
            c = static_cast<char>(rng());
        accepted += CArchive::LoadItem(bytes, &error) != nullptr;
    }
    for (int i = 0; i < 2000; ++i) {
        std::string bytes = valid;
        for (int flips = 1 + static_cast<int>(rng() % 4); flips > 0; --flips)
            bytes[rng() % bytes.size()] = static_cast<char>(rng());
        bytes.resize(rng() % 4 ? bytes.size() : rng() % bytes.size());
        accepted += CArchive::LoadItem(bytes, &error) != nullptr;
    }
    EXPECT_GT(accepted, 0);  // flipped label bytes still make valid blocks
}

// Writes the seed blocks of the archive fuzzer when ATW_ARCHIVE_SEEDS names a
// folder (fuzz/corpus/archive holds the committed ones); always checks that
// each seed loads or is refused as intended.
TEST(Archive, FuzzSeeds)
{
    CTavelinItem plain;
    CTavelinItem longTexts(std::string(300, 'x'));
    longTexts.m_strDescription = std::string(70000, 'y');
    const std::vector<std::pair<std::string, std::string>> seeds = {
        {"new_item", CArchive::StoreItem(plain)},
        {"tree", CArchive::StoreItem(*MakeTree())},
        {"long_texts", CArchive::StoreItem(longTexts)},
        {"big_tags", Block()
                         .ItemFields()
                         .NewClass("CTavelin")
                         .MenuFields(1)
                         .NewClass("CTavelinItem")
                         .ItemFields()
                         .Word(0x7FFF)
                         .Int(0x80000001LL)
                         .MenuFields(0)
                         .m_bytes},
        {"nested_40", NestedBlock(40)},
        {"shared_item", Block()
                            .ItemFields()
                            .NewClass("CTavelin")
                            .MenuFields(2)
                            .NewClass("CTavelinItem")
                            .ItemFields()
                            .Word(0x8001)
                            .MenuFields(0)
                            .Word(4)
                            .m_bytes},
    };
    std::string error;
    for (const auto& [name, bytes] : seeds)
        EXPECT_EQ(CArchive::LoadItem(bytes, &error) != nullptr, name != "shared_item") << name;

    const char* folder = std::getenv("ATW_ARCHIVE_SEEDS");
    if (!folder)
        return;
    std::filesystem::create_directories(folder);
    for (const auto& [name, bytes] : seeds)
        std::ofstream(std::filesystem::path(folder) / name, std::ios::binary) << bytes;
}
