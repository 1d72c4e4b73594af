// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
// The Live Preview pane in a real browser engine: what it shows is read
// back from the page's DOM.
#include <QApplication>
#include <QDir>
#include <QDockWidget>
#include <QEventLoop>
#include <QFile>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include "core/io/CStdFileSystem.h"
#include "core/model/CTavelin.h"
#include "core/settings/CAppSettings.h"
#include "core/settings/CMemorySettings.h"
#include "editor/CModelEditor.h"
#include "gui/FrameFixture.h"
#include "gui/preview/CLivePreviewPane.h"
#include "gui/preview/IPreviewBrowser.h"
#include "gui/props/CPropertyFrame.h"
#include "preview/PageScript.h"

namespace {

constexpr int kWaitMs = 20000;

QStringList Labels(IPreviewBrowser* page)
{
    return RunJs(page, QStringLiteral("Array.from(document.querySelectorAll('.tv-li')).map(li => "
                                      "li.querySelector('.tv-label').textContent)"))
        .toStringList();
}

// The address the page shows.
QUrl Location(IPreviewBrowser* page)
{
    return QUrl(RunJs(page, QStringLiteral("location.href")).toString());
}

// The entry of an item by its place in the page, as a script expression.
QString Entry(int index)
{
    return QStringLiteral("document.querySelectorAll('.tv-li')[%1]").arg(index);
}

CItemFields Named(const CTavelinItem& item, const std::string& label, const std::string& link = "")
{
    CItemFields fields = item;
    fields.m_strLabel = label;
    fields.m_strLink = link;
    return fields;
}

// A pane on a model of its own: "Home" (a link), "Products" with "Tea" and
// "Coffee" below it, and "Contact"; the program folder holds the runtime.
class LivePreviewPaneTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(program.isValid());
        ASSERT_TRUE(QFile::copy(QStringLiteral(ATW_BIN_DIR "/tavelin.js"), program.filePath("tavelin.js")));
        CTavelin* top = editor.AddTopMenu();
        contact = Add(top, nullptr, 0, "Contact");
        products = Add(top, nullptr, 0, "Products");
        coffee = Add(products->m_pSubMenu.get(), products, 1, "Coffee");
        tea = Add(products->m_pSubMenu.get(), products, 1, "Tea");
        home = Add(top, nullptr, 0, "Home", "https://example.org/");
        editor.History().clear();
        pane = std::make_unique<CLivePreviewPane>(editor, CStdFileSystem::Instance(), settings,
                                                  program.path().toStdString(), program.filePath("tmp").toStdString());
        pane->resize(640, 480);
        pane->show();
        WaitCurrent();
        page = pane->Browser();
    }

    CTavelinItem* Add(CTavelin* menu, CTavelinItem* owner, int depth, const std::string& label,
                      const std::string& link = "")
    {
        CTavelinItem* item = editor.InsertNewItem(menu, owner, depth);
        editor.SetItemFields(item, Named(*item, label, link));
        return item;
    }

    void WaitCurrent()
    {
        ASSERT_TRUE(QTest::qWaitFor([&] { return pane->IsCurrent(); }, kWaitMs));
    }

    QTemporaryDir program;
    CMemorySettings settings;
    CAppletParameters params;
    CModelEditor editor{params};
    std::unique_ptr<CLivePreviewPane> pane;
    IPreviewBrowser* page = nullptr;
    CTavelinItem *home = nullptr, *products = nullptr, *tea = nullptr, *coffee = nullptr, *contact = nullptr;
};

TEST_F(LivePreviewPaneTest, ShowsTheModelFromItsOwnFolderAndFollowsEditsAndUndo)
{
    const QStringList start{"Home", "Products", "Tea", "Coffee", "Contact"};
    EXPECT_EQ(Labels(page), start);
    EXPECT_EQ(Location(page), QUrl::fromLocalFile(program.filePath("tmp/live/~AppMenu.htm")));
    EXPECT_TRUE(QFile::exists(program.filePath("tmp/live/tavelin.js")));
    const int reloads = pane->Reloads();

    editor.SetItemFields(tea, Named(*tea, "Green tea"));
    WaitCurrent();
    EXPECT_EQ(Labels(page), QStringList({"Home", "Products", "Green tea", "Coffee", "Contact"}));
    editor.SetItemVisible(contact, false);
    WaitCurrent();
    EXPECT_EQ(Labels(page).size(), 4);
    editor.RemoveItem(products->m_pSubMenu.get(), coffee);
    WaitCurrent();
    EXPECT_EQ(Labels(page), QStringList({"Home", "Products", "Green tea"}));
    for (int i = 0; i < 3; ++i)
        editor.History().undo();
    WaitCurrent();
    EXPECT_EQ(Labels(page), start);
    // Every step was drawn again in the loaded page, none loaded it anew.
    EXPECT_EQ(pane->Reloads(), reloads);
}

// The box's markup without the state a visitor gives it (open branches,
// the selection, the editor's mark) and without the editor's item keys.
QString Markup(IPreviewBrowser* page)
{
    return RunJs(page, QStringLiteral(R"((() => {
        const nav = document.querySelector('.tv-nav').cloneNode(true);
        nav.querySelectorAll('*').forEach(e => {
            ['data-tv-key', 'aria-expanded', 'hidden', 'style', 'data-closing'].forEach(a => e.removeAttribute(a));
            e.classList.remove('tv-open', 'tv-shut', 'tv-sel', 'atw-mark');
            if (e.getAttribute('class') === '')
                e.removeAttribute('class');
        });
        return nav.outerHTML + document.querySelector('style[data-tavelin-for]').textContent;
    })())"))
        .toString();
}

// Each edit is drawn in place: the entries of untouched items are the same
// nodes as before, an open branch stays open, and what is drawn is what a
// fresh load of the page draws.
TEST_F(LivePreviewPaneTest, EditsRedrawOnlyWhatChangedAndMatchAFreshLoad)
{
    const int reloads = pane->Reloads();
    RunJs(page, Entry(1) + QStringLiteral(".querySelector('.tv-item').click()"));  // opens "Products"
    RunJs(page, Entry(1) + QStringLiteral(".atwProbe = 1; ") + Entry(4) + QStringLiteral(".atwProbe = 1"));
    const std::vector<std::function<void()>> edits{
        [&] { editor.SetItemFields(coffee, Named(*coffee, "Espresso")); },
        [&] { Add(params.m_arrMenus.front().get(), nullptr, 0, " "); },     // named by its number
        [&] { Add(params.m_arrMenus.front().get(), nullptr, 0, "News"); },  // which this changes
        [&] { editor.MoveItem(params.m_arrMenus.front().get(), contact, true); },
        [&] { Add(home->m_pSubMenu.get(), home, 1, "Blog"); },  // a leaf becomes a branch
        [&] { editor.RemoveItem(products->m_pSubMenu.get(), tea); },
        [&] { editor.SetItemFields(products, Named(*products, "Shop", "shop.htm")); },  // a link with a branch
        [&] { editor.SetItemVisible(home, false); },
    };
    for (const auto& edit : edits) {
        edit();
        WaitCurrent();
    }
    EXPECT_EQ(Labels(page), QStringList({"News", " ", "Contact", "Shop", "Espresso"}));
    EXPECT_EQ(pane->Reloads(), reloads);
    const QString kept = QStringLiteral("Array.from(document.querySelectorAll('.tv-li')).filter(li => li.atwProbe)"
                                        ".map(li => li.querySelector('.tv-label').textContent)");
    EXPECT_EQ(RunJs(page, kept).toStringList(), QStringList({"Contact", "Shop"}));
    EXPECT_FALSE(RunJs(page, Entry(3) + QStringLiteral(".querySelector('.tv-sub').hidden")).toBool());

    CLivePreviewPane fresh(editor, CStdFileSystem::Instance(), settings, program.path().toStdString(),
                           program.filePath("fresh").toStdString());
    fresh.resize(640, 480);
    fresh.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return fresh.IsCurrent(); }, kWaitMs));
    EXPECT_EQ(Markup(page), Markup(fresh.Browser()));
}

TEST_F(LivePreviewPaneTest, QuickChangesDrawOnlyTheLastState)
{
    const int redraws = pane->Redraws();
    for (int i = 0; i < 20; ++i)
        editor.SetItemFields(tea, Named(*tea, "Tea " + std::to_string(i)));
    WaitCurrent();
    EXPECT_EQ(Labels(page).at(2), QStringLiteral("Tea 19"));
    EXPECT_LE(pane->Redraws() - redraws, 2);
}

TEST_F(LivePreviewPaneTest, KeepsOpenBranchSelectionAndScrollAcrossARefresh)
{
    // Enough items below "Contact" for the page to scroll.
    for (int i = 0; i < 60; ++i)
        Add(params.m_arrMenus.front().get(), nullptr, 0, "Filler " + std::to_string(i));
    WaitCurrent();
    RunJs(page, Entry(60 + 1) + QStringLiteral(".querySelector('.tv-item').click()"));  // "Products"
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return RunJs(page, QStringLiteral("atwLive.openIds().length")).toInt() == 1; }, kWaitMs));
    // The menu box scrolls inside the page.
    const QString box = QStringLiteral("document.querySelector('.tv-box').scrollTop");
    RunJs(page, box + QStringLiteral(" = 150"));
    const int scrolled = RunJs(page, box).toInt();
    ASSERT_GT(scrolled, 0);

    editor.SetItemFields(contact, Named(*contact, "Write to us"));
    WaitCurrent();
    EXPECT_TRUE(Labels(page).contains(QStringLiteral("Write to us")));
    EXPECT_EQ(RunJs(page, Entry(61) + QStringLiteral(".querySelector('.tv-sub').hidden")).toBool(), false);
    EXPECT_TRUE(
        RunJs(page, Entry(61) + QStringLiteral(".querySelector('.tv-item').classList.contains('tv-sel')")).toBool());
    EXPECT_EQ(RunJs(page, box).toInt(), scrolled);
}

TEST_F(LivePreviewPaneTest, ClicksNameTheItemMarksOpenTheBranchAndLinksStay)
{
    QSignalSpy clicked(pane.get(), &CLivePreviewPane::ItemClicked);
    QSignalSpy status(pane.get(), &CLivePreviewPane::StatusMessage);
    RunJs(page, Entry(0) + QStringLiteral(".querySelector('.tv-item').click()"));  // "Home", a link
    ASSERT_TRUE(QTest::qWaitFor([&] { return clicked.count() > 0; }, kWaitMs));
    EXPECT_EQ(clicked.first().at(0).value<CTavelinItem*>(), home);
    QTest::qWait(200);
    EXPECT_EQ(Location(page).fileName(), QStringLiteral("~AppMenu.htm"));
    ASSERT_FALSE(status.isEmpty());
    EXPECT_TRUE(status.last().at(0).toString().contains(QStringLiteral("https://example.org/")));

    // A mark from the tree opens the shut branch down to the item.
    ASSERT_TRUE(RunJs(page, Entry(1) + QStringLiteral(".querySelector('.tv-sub').hidden")).toBool());
    pane->MarkItem(coffee);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return RunJs(page, QStringLiteral("document.querySelectorAll('.atw-mark').length")).toInt() == 1; },
        kWaitMs));
    EXPECT_EQ(RunJs(page, QStringLiteral("document.querySelector('.atw-mark').textContent")).toString(),
              QStringLiteral("Coffee"));
    EXPECT_FALSE(RunJs(page, Entry(1) + QStringLiteral(".querySelector('.tv-sub').hidden")).toBool());
}

TEST_F(LivePreviewPaneTest, PhoneWidthIsRememberedAndShownAtThreeHundredSixtyPixels)
{
    pane->SetPhoneWidth(true);
    EXPECT_EQ(CAppSettings(settings).GetInt(CAppSettings::kLivePreviewPhone), 1);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return RunJs(page, QStringLiteral("window.innerWidth")).toInt() == 360; }, kWaitMs));
    pane->SetPhoneWidth(false);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return RunJs(page, QStringLiteral("window.innerWidth")).toInt() > 360; }, kWaitMs));
}

// The pane in the editor: shown again from the settings, and a click in it
// selects the item's node in the tree.
class LivePreviewFrameTest : public FrameFixture {};

TEST_F(LivePreviewFrameTest, ClickInThePaneSelectsTheNodeInTheTree)
{
    CAppSettings(settings).SetInt(CAppSettings::kLivePreview, 1);
    ASSERT_TRUE(Start());
    CMainFrame* frame = Frame();
    CLivePreviewPane* pane = frame->LivePreview();
    ASSERT_NE(pane, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return pane->IsCurrent(); }, kWaitMs));
    IPreviewBrowser* page = pane->Browser();
    const QStringList labels = Labels(page);
    ASSERT_GE(labels.size(), 2);
    CAppletTavelinWizardView* tree = frame->TreeView();
    RunJs(page, Entry(1) + QStringLiteral(".querySelector('.tv-item').click()"));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const CTavelinItem* item = tree->ItemOf(tree->currentItem());
            return item && CText::ToQ(item->m_strLabel).simplified() == labels.at(1).simplified();
        },
        kWaitMs));
    // Hiding the pane is remembered.
    pane->toggleViewAction()->trigger();
    EXPECT_EQ(CAppSettings(settings).GetInt(CAppSettings::kLivePreview), 0);
}

// A label typed in the property window is drawn in the pane while the
// author is still in the field, and goes into the history as one step.
TEST_F(LivePreviewFrameTest, ATypedLabelReachesThePaneWithoutLeavingTheField)
{
    CAppSettings(settings).SetInt(CAppSettings::kLivePreview, 1);
    ASSERT_TRUE(Start());
    CLivePreviewPane* pane = Frame()->LivePreview();
    ASSERT_TRUE(QTest::qWaitFor([&] { return pane->IsCurrent(); }, kWaitMs));
    IPreviewBrowser* page = pane->Browser();
    RunJs(page, Entry(0) + QStringLiteral(".querySelector('.tv-item').click()"));
    CAppletTavelinWizardView* tree = Frame()->TreeView();
    ASSERT_TRUE(QTest::qWaitFor([&] { return tree->ItemOf(tree->currentItem()) != nullptr; }, kWaitMs));
    tree->OnProperty();
    ASSERT_NE(tree->PropertyFrame(), nullptr);
    auto* label = tree->PropertyFrame()->findChild<QPlainTextEdit*>(QStringLiteral("Label"));
    ASSERT_NE(label, nullptr);
    QApplication::setActiveWindow(tree->PropertyFrame());
    label->setFocus();
    const int steps = Context().editor.History().count();

    QTest::keyClick(label, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(label, QStringLiteral("Typed"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return Labels(page).value(0) == QStringLiteral("Typed"); }, kWaitMs));
    QTest::keyClicks(label, QStringLiteral(" label"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return Labels(page).value(0) == QStringLiteral("Typed label"); }, kWaitMs));
    EXPECT_TRUE(label->hasFocus());
    EXPECT_EQ(label->toPlainText(), QStringLiteral("Typed label"));
    EXPECT_EQ(Context().editor.History().count(), steps + 1);
}

// Where the pane was put is where it comes back at the next start, docked
// on another side or floating; a damaged record leaves it where it starts.
TEST_F(LivePreviewFrameTest, ThePanesPlaceIsRememberedAcrossRuns)
{
    CAppSettings(settings).SetInt(CAppSettings::kLivePreview, 1);
    ASSERT_TRUE(Start());
    EXPECT_EQ(Frame()->dockWidgetArea(Frame()->LivePreview()), Qt::RightDockWidgetArea);
    Frame()->addDockWidget(Qt::LeftDockWidgetArea, Frame()->LivePreview());
    ASSERT_TRUE(Frame()->close());
    ASSERT_TRUE(Restart());
    EXPECT_EQ(Frame()->dockWidgetArea(Frame()->LivePreview()), Qt::LeftDockWidgetArea);
    EXPECT_TRUE(Frame()->LivePreview()->isVisible());

    Frame()->LivePreview()->setFloating(true);
    ASSERT_TRUE(Frame()->close());
    ASSERT_TRUE(Restart());
    EXPECT_TRUE(Frame()->LivePreview()->isFloating());

    CAppSettings(settings).SetText(CAppSettings::kLivePreviewDock, "not a layout");
    ASSERT_TRUE(Restart());
    EXPECT_FALSE(Frame()->LivePreview()->isFloating());
    EXPECT_EQ(Frame()->dockWidgetArea(Frame()->LivePreview()), Qt::RightDockWidgetArea);
}

}  // namespace
