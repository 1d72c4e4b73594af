// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <QLineEdit>
#include <QTest>
#include <functional>

#include "FrameFixture.h"
#include "core/model/CArchive.h"
#include "core/templates/CTemplateStore.h"
#include "editor/CBrowserLauncher.h"
#include "editor/CPreview.h"
#include "gui/dialogs/CDlgSaveTemplate.h"
#include "gui/dialogs/CTemplateList.h"
#include "gui/frame/CFrameActions.h"
#include "gui/props/CPropertyFrame.h"
#include "gui/tree/CTreeClipboard.h"

namespace {

using A = CFrameActions;

// Input typed on the property page and not yet stored when a command takes
// the item it belongs to.
class PendingInput : public FrameFixture {
protected:
    // The first menu's first item, selected and shown on the Item page with
    // text typed into its description.
    CTavelinItem* TypeIntoFirstItem(const QString& text)
    {
        CTavelin* menu = Params().m_arrMenus.front().get();
        if (menu->GetItemCount() < 2)
            return nullptr;
        CTavelinItem* item = menu->GetItem(0);
        Tree()->setCurrentItem(Tree()->NodeOf(item));
        Trigger(A::Property);
        auto* description = Tree()->PropertyFrame()->findChild<QLineEdit*>(QStringLiteral("Description"));
        if (!description || !description->isVisible())
            return nullptr;
        description->clear();
        QTest::keyClicks(description, text);
        return item;
    }

    static std::function<int(QDialog&)> SaveTemplateAs(const QString& name)
    {
        return [name](QDialog& dialog) {
            auto& save = dynamic_cast<CDlgSaveTemplate&>(dialog);
            save.NameEdit()->setText(name);
            save.List()->setCurrentRow(0);
            save.OnOK();
            return save.result();
        };
    }
};

}  // namespace

// Copy, Cut and a moving drag of the item on the page: the copy that lands
// carries the typed text, the clipboard holds it, and nothing is lost with
// the removed original.
TEST_F(PendingInput, CopyCutAndDragCarryTheTypedInput)
{
    ASSERT_TRUE(Start());
    enum class Way { Copy, Cut, Drag };
    for (const Way way : {Way::Copy, Way::Cut, Way::Drag}) {
        const QString typed = QStringLiteral("typed before %1").arg(int(way));
        CTavelinItem* item = TypeIntoFirstItem(typed);
        ASSERT_NE(item, nullptr);
        CTavelinItem* target = Params().m_arrMenus.front()->GetItem(1);
        QTreeWidgetItem* targetNode = Tree()->NodeOf(target);
        if (way == Way::Drag) {
            ASSERT_TRUE(Tree()->DropNode(Tree()->NodeOf(item), targetNode, false));
        } else {
            Trigger(way == Way::Copy ? A::EditCopy : A::EditCut);
            const std::optional<std::string> bytes = CTreeClipboard::Get();
            ASSERT_TRUE(bytes.has_value());
            const std::unique_ptr<CTavelinItem> held = CArchive::LoadItem(*bytes, nullptr);
            ASSERT_NE(held, nullptr);
            EXPECT_EQ(CText::ToQ(held->m_strDescription), typed);
            Tree()->setCurrentItem(targetNode);
            Trigger(A::EditPaste);
        }
        ASSERT_GT(target->m_pSubMenu->GetItemCount(), 0);
        EXPECT_EQ(CText::ToQ(target->m_pSubMenu->GetItem(0)->m_strDescription), typed) << int(way);
        if (way == Way::Copy) {
            EXPECT_EQ(CText::ToQ(item->m_strDescription), typed);
        }
    }
    EXPECT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join('|').toStdString();
}

// Save As Template writes what the page shows, as Save does.
TEST_F(PendingInput, SaveAsTemplateTakesThePageInput)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(TypeIntoFirstItem(QStringLiteral("kept in the template")), nullptr);
    prompts.dialogHandlers.push_back(SaveTemplateAs(QStringLiteral("Typed")));
    Trigger(A::SaveAsTemplate);
    CTemplateStore store(settings, Context().fileSystem, Context().programDir);
    ASSERT_EQ(store.ListNames().front(), "Typed");
    CAppletParameters saved;
    store.LoadTemplate(saved, 0);
    ASSERT_FALSE(saved.m_arrMenus.empty());
    ASSERT_GT(saved.m_arrMenus.front()->GetItemCount(), 0);
    EXPECT_EQ(saved.m_arrMenus.front()->GetItem(0)->m_strDescription, "kept in the template");
}

// A browser that does not start is named; the desktop's default handler
// that fails names the page.
TEST_F(PendingInput, ABrowserThatCannotStartIsNamed)
{
    ASSERT_TRUE(Start());
    const QString preview = CText::ToQ(CPreview::PreviewPagePath(Context().programDir));
    const QString sample = CText::ToQ(Context().programDir + "/" + CPreview::kSamplePage);
    using Mode = CBrowserLauncher::Mode;
    struct Case {
        Mode mode;
        int command;
        QString expected;
    };
    const std::vector<Case> cases = {
        {Mode::Specified, A::Preview, QString::fromLatin1(CBrowserLauncher::kCannotStart).arg("/no/such/browser")},
        {Mode::Specified, A::ViewSample, QString::fromLatin1(CBrowserLauncher::kCannotStart).arg("/no/such/browser")},
        {Mode::Default, A::Preview, QString::fromLatin1(CBrowserLauncher::kNoDefault).arg(preview)},
        {Mode::Default, A::ViewSample, QString::fromLatin1(CBrowserLauncher::kNoDefault).arg(sample)},
    };
    prompts.startResult = false;
    prompts.openUrlResult = false;
    for (const Case& c : cases) {
        Context().browser.SetChoice(c.mode, "/no/such/browser", 0);
        prompts.messages.clear();
        Trigger(c.command);
        EXPECT_EQ(prompts.messages, QStringList{c.expected}) << static_cast<int>(c.mode) << " " << c.command;
    }
}
