// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "TreeViewFixture.h"
#include "core/model/CArchive.h"
#include "gui/tree/CTreeClipboard.h"

namespace {

class Clipboard : public TreeViewFixture {
protected:
    void SetUp() override
    {
        TreeViewFixture::SetUp();
        QGuiApplication::clipboard()->clear();
    }

    static void PutOnClipboard(const QString& format, const QByteArray& data)
    {
        auto* mime = new QMimeData;
        mime->setData(format, data);
        QGuiApplication::clipboard()->setMimeData(mime);
    }

    // Every value of the item's fields and of its sub-menu's look, told
    // apart by seed.
    static void FillEverything(CTavelinItem& item, int seed)
    {
        const std::string s = std::to_string(seed);
        item.m_strDescription = "description " + s;
        item.m_strNormalImage = "/img/normal" + s + ".gif";
        item.m_strOverImage = "/img/over" + s + ".gif";
        item.m_strClickImage = "/img/click" + s + ".gif";
        item.m_strOverAudio = "/snd/over" + s + ".au";
        item.m_strClickAudio = "/snd/click" + s + ".au";
        item.m_strTarget = "frame" + s;
        item.m_strLink = "http://example.com/" + s;
        item.m_bVisible = seed % 2;
        CTavelin& menu = *item.m_pSubMenu;
        menu.m_strName = "menu " + s;
        menu.m_crBackground = 0x00102030u + static_cast<COLORREF>(seed);
        menu.m_nBackStyle = 3;
        menu.m_nReserved1 = -seed;
        menu.m_nReserved2 = seed * 7;
        menu.m_nIndent = 10 + seed;
        menu.m_nItemHeight = 30 + seed;
        menu.m_nBorderThick = 2;
        menu.m_bVisible = 0;
        for (int state = 0; state < 3; ++state) {
            CItemStyle& style = menu.Style(state);
            style.m_crBack = 0x00abcdefu - static_cast<COLORREF>(state + seed);
            style.m_crFont = 0x00010203u * static_cast<COLORREF>(state + 1);
            style.m_nFontSize = 9 + state + seed;
            style.m_nFontEffect = state + 1;
            style.m_nImageOffset = -state;
            style.m_strExtra = "extra " + s + "/" + std::to_string(state);
        }
    }

    static void ExpectSameTree(const CTavelinItem& a, const CTavelinItem& b)
    {
        EXPECT_TRUE(static_cast<const CItemFields&>(a) == static_cast<const CItemFields&>(b)) << a.m_strLabel;
        EXPECT_TRUE(static_cast<const CMenuStyle&>(*a.m_pSubMenu) == static_cast<const CMenuStyle&>(*b.m_pSubMenu))
            << a.m_strLabel;
        EXPECT_EQ(a.m_pSubMenu->m_bVisible, b.m_pSubMenu->m_bVisible);
        ASSERT_EQ(a.m_pSubMenu->GetItemCount(), b.m_pSubMenu->GetItemCount());
        for (int i = 0; i < a.m_pSubMenu->GetItemCount(); ++i)
            ExpectSameTree(*a.m_pSubMenu->GetItem(i), *b.m_pSubMenu->GetItem(i));
    }
};

}  // namespace

TEST_F(Clipboard, CopyHoldsExactlyTheArchiveBytes)
{
    Select(a1);
    EXPECT_TRUE(view->CanCutCopy());
    view->OnEditCopy();
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(mime, nullptr);
    const std::string bytes = CArchive::StoreItem(*a1);
    const QByteArray expected(bytes.data(), static_cast<qsizetype>(bytes.size()));
    EXPECT_EQ(mime->data(CTreeClipboard::MimeType()), expected);
    EXPECT_EQ(mime->data(CTreeClipboard::NamedFormat()), expected);
    EXPECT_FALSE(mime->hasText());
    EXPECT_EQ(mime->formats().size(), 2);

    // Copy leaves the model and the tree alone; on the root or a menu it does nothing.
    EXPECT_EQ(ItemLabels(alpha), QStringList({"a1", "a2", "a3"}));
    QGuiApplication::clipboard()->clear();
    for (QTreeWidgetItem* node : {view->RootNode(), Node(alpha)}) {
        Select(node);
        EXPECT_FALSE(view->CanCutCopy());
        view->OnEditCopy();
        view->OnEditCut();
    }
    EXPECT_FALSE(CTreeClipboard::Offers());
    EXPECT_EQ(Params().m_arrMenus.size(), 3u);
}

TEST_F(Clipboard, CopyThenPasteReproducesAThreeLevelSubTree)
{
    FillEverything(*a1, 1);
    FillEverything(*a1y, 2);
    FillEverything(*a1y1, 3);
    FillEverything(*a1x, 4);
    a1->m_strLabel = "two\r\nlines";
    a1->m_bVisible = 1;
    Select(a1);
    view->OnEditCopy();

    Select(gamma);
    EXPECT_TRUE(view->CanPaste());
    view->OnEditPaste();
    ASSERT_EQ(gamma->GetItemCount(), 1);
    CTavelinItem* copy = gamma->GetItem(0);
    EXPECT_NE(copy, a1);
    ExpectSameTree(*a1, *copy);
    EXPECT_EQ(Selected(), Node(copy));
    EXPECT_EQ(Node(copy)->text(0), "two\nlines");
    EXPECT_EQ(ChildLabels(Node(copy)), QStringList({"a1x", "a1y"}));
    EXPECT_EQ(Image(copy->m_pSubMenu->GetItem(1)), 4);  // a1y: hidden, with sub-items
    EXPECT_TRUE(Node(gamma)->isExpanded());
    // The source stays where it was.
    EXPECT_EQ(alpha->GetItem(0), a1);
    EXPECT_TRUE(doc->IsModified());

    // Pasting on a leaf turns it into a parent.
    Select(a2);
    view->OnEditPaste();
    EXPECT_EQ(Image(a2), 3);
    ExpectSameTree(*a1, *a2->m_pSubMenu->GetItem(0));
}

TEST_F(Clipboard, CutThenPasteMovesTheItem)
{
    Select(a1y);
    Selection().Set(a1y1, Params().FindMenuOfItem(a1y1));  // the property pages show an item inside
    view->OnEditCut();
    EXPECT_EQ(Selected(), Node(a1));
    EXPECT_EQ(Selection().Item(), nullptr);
    EXPECT_EQ(ItemLabels(a1->m_pSubMenu.get()), QStringList({"a1x"}));
    EXPECT_EQ(ChildLabels(Node(a1)), QStringList({"a1x"}));
    EXPECT_TRUE(doc->IsModified());

    Select(b1);
    view->OnEditPaste();
    EXPECT_EQ(ItemLabels(b1->m_pSubMenu.get()), QStringList({"a1y", "b1x"}));
    CTavelinItem* moved = b1->m_pSubMenu->GetItem(0);
    EXPECT_EQ(Selected(), Node(moved));
    EXPECT_EQ(ChildLabels(Node(moved)), QStringList({"a1y1"}));

    // The clipboard keeps the item: a second paste adds another copy.
    Select(b1x);
    view->OnEditPaste();
    EXPECT_EQ(ItemLabels(b1x->m_pSubMenu.get()), QStringList({"a1y"}));
}

TEST_F(Clipboard, PasteNeedsATargetAndThePrivateFormat)
{
    Select(a2);
    view->OnEditCopy();
    Select(view->RootNode());
    EXPECT_FALSE(view->CanPaste());
    view->OnEditPaste();
    EXPECT_EQ(Params().m_arrMenus.size(), 3u);
    Select(alpha);
    EXPECT_TRUE(view->CanPaste());

    // Only other formats on the clipboard: disabled, and Paste does nothing.
    QGuiApplication::clipboard()->setText("a2");
    EXPECT_FALSE(view->CanPaste());
    view->OnEditPaste();
    EXPECT_EQ(ItemLabels(alpha), QStringList({"a1", "a2", "a3"}));
    EXPECT_TRUE(prompts.messages.isEmpty());

    // Bytes under the format name alone are read too.
    const std::string bytes = CArchive::StoreItem(*a2);
    PutOnClipboard(CTreeClipboard::NamedFormat(), QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    EXPECT_TRUE(view->CanPaste());
    view->OnEditPaste();
    EXPECT_EQ(ItemLabels(alpha), QStringList({"a2", "a1", "a2", "a3"}));
}

TEST_F(Clipboard, GarbageShowsOneMessageAndInsertsNothing)
{
    const QByteArray samples[] = {
        QByteArray("not an item at all"), QByteArray(), QByteArray("\x01x\x00\x00", 4),  // ends early
    };
    const std::string good = CArchive::StoreItem(*a1);
    QByteArray wrongClass(good.data(), static_cast<qsizetype>(good.size()));
    const qsizetype at = wrongClass.indexOf("CTavelin");
    ASSERT_GE(at, 0);
    wrongClass[at + 1] = 'X';  // an unknown class name
    int expectedMessages = 0;
    for (const QByteArray& data : {samples[0], samples[1], samples[2], wrongClass}) {
        PutOnClipboard(CTreeClipboard::MimeType(), data);
        Select(a1);
        view->OnEditPaste();
        ++expectedMessages;
        EXPECT_EQ(prompts.messages.size(), expectedMessages) << data.toHex().toStdString();
        EXPECT_FALSE(prompts.messages.last().isEmpty());
        EXPECT_EQ(ItemLabels(a1->m_pSubMenu.get()), QStringList({"a1x", "a1y"}));
        EXPECT_EQ(ChildLabels(Node(a1)), QStringList({"a1x", "a1y"}));
        EXPECT_EQ(Selected(), Node(a1));
    }
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(Clipboard, PasteRefusesNestingBeyondTheLimit)
{
    // An item whose sub-tree is as deep as a menu may nest, pasted one level
    // too low.
    CTavelinItem chain("chain");
    CTavelinItem* last = &chain;
    for (int level = 1; level <= CAppletParameters::kMaxDepth; ++level) {
        last->m_pSubMenu->m_arrItems.push_back(std::make_unique<CTavelinItem>("c"));
        last = last->m_pSubMenu->m_arrItems.back().get();
    }
    ASSERT_TRUE(view->PasteItemUnder(Node(alpha), chain));
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_FALSE(view->PasteItemUnder(Node(a2), chain));
    EXPECT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(a2->m_pSubMenu->GetItemCount(), 0);
    EXPECT_EQ(Image(a2), 5);
}
