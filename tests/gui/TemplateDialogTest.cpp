// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "FrameFixture.h"
#include "core/io/CStdFileSystem.h"
#include "core/templates/CTemplateStore.h"
#include "editor/CBrowserLauncher.h"
#include "gui/dialogs/CDlgManageTemplates.h"
#include "gui/dialogs/CDlgNewMenu.h"
#include "gui/dialogs/CDlgSaveTemplate.h"
#include "gui/dialogs/CTemplateList.h"
#include "gui/preview/CTemplatePictures.h"

namespace {

// The dialogs over a stored name list and the shipped template file.
class TemplateDialog : public FrameFixture {
protected:
    void SetUp() override { FrameFixture::SetUp(); }
    // The dialogs' context: this fixture's settings and prompts over the
    // temporary program folder.
    CEditorContext DialogContext()
    {
        return {editor,
                selection,
                settings,
                CStdFileSystem::Instance(),
                prompts,
                browser,
                CText::FromQ(program.path()),
                std::string(),
                std::string()};
    }
    void SetNames(const char* list) { settings.SetString("TEMPLATE", "TemplateKey", list); }
    std::string StoredNames() { return settings.GetString("TEMPLATE", "TemplateKey", ""); }

    CAppletParameters params;
    CModelEditor editor{params};
    CSelection selection;
    CBrowserLauncher browser{prompts, settings};
};

TEST_F(TemplateDialog, NewDialogPicksOrRefusesWithoutTemplates)
{
    SetNames("Normal,solid button,flat button,");
    CDlgNewMenu dialog(DialogContext());
    EXPECT_EQ(dialog.windowTitle(), "New Tavelina");
    EXPECT_EQ(dialog.List()->Names(), QStringList({"Normal", "solid button", "flat button"}));
    EXPECT_EQ(dialog.List()->currentRow(), 0);
    dialog.List()->setCurrentRow(2);
    dialog.OnOK();
    EXPECT_EQ(dialog.result(), int(QDialog::Accepted));
    EXPECT_EQ(dialog.m_nSelected, 2);

    SetNames("");
    CDlgNewMenu empty(DialogContext());
    EXPECT_EQ(empty.List()->count(), 0);
    empty.OnOK();
    EXPECT_EQ(prompts.messages, QStringList{CDlgNewMenu::kNoSelection});
    EXPECT_NE(empty.result(), int(QDialog::Accepted));
}

// A context that does not draw (no engine to draw with): New then draws no
// pictures and keeps no one waiting for them.
TEST_F(TemplateDialog, NewWithoutTheBrowserEngineDrawsNoPictures)
{
    SetNames("Normal,solid button");
    CDlgNewMenu dialog(DialogContext());
    dialog.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.Pictures()->IsDone(); }, 5000));
    EXPECT_EQ(dialog.Pictures()->Drawn(), 0);
    EXPECT_EQ(dialog.List()->Names(), QStringList({"Normal", "solid button"}));
}

TEST_F(TemplateDialog, SaveAsTemplateRefusesTakenAndUnstorableNames)
{
    SetNames("Normal,Color Button,flat button,");
    CDlgSaveTemplate dialog(DialogContext());
    auto tryName = [&](const QString& name) {
        dialog.NameEdit()->setText(name);
        dialog.OnOK();
        return prompts.messages.isEmpty() ? QString() : prompts.messages.takeLast();
    };
    EXPECT_EQ(tryName(""), CTemplateStore::kEmptyName);
    EXPECT_EQ(tryName("Color"), CDlgSaveTemplate::kNameExists);
    EXPECT_EQ(tryName("normal"), CDlgSaveTemplate::kNameExists);
    EXPECT_EQ(tryName("a,b"), CTemplateStore::kBadName);
    EXPECT_EQ(tryName("[x]"), CTemplateStore::kBadName);
    EXPECT_NE(dialog.result(), int(QDialog::Accepted));

    // A free name is taken with the selected position.
    dialog.List()->setCurrentRow(2);
    EXPECT_EQ(tryName("Blue"), QString());
    EXPECT_EQ(dialog.result(), int(QDialog::Accepted));
    EXPECT_EQ(dialog.m_strTemplateName, "Blue");
    EXPECT_EQ(dialog.m_nSelected, 2);
}

TEST_F(TemplateDialog, ManageButtonRuleFollowsSelectionAndDeletes)
{
    SetNames("Normal,solid button,flat button,");
    CDlgManageTemplates dialog(DialogContext());
    EXPECT_EQ(dialog.NameEdit()->text(), "Normal");
    EXPECT_FALSE(dialog.MoveUpButton()->isEnabled());
    EXPECT_TRUE(dialog.MoveDownButton()->isEnabled());
    dialog.List()->setCurrentRow(1);
    EXPECT_EQ(dialog.NameEdit()->text(), "solid button");
    EXPECT_TRUE(dialog.MoveUpButton()->isEnabled());
    EXPECT_TRUE(dialog.MoveDownButton()->isEnabled());
    dialog.List()->setCurrentRow(2);
    EXPECT_TRUE(dialog.MoveUpButton()->isEnabled());
    EXPECT_FALSE(dialog.MoveDownButton()->isEnabled());

    // Declined: nothing changes. Deleting the last name selects the new last.
    prompts.confirmAnswers = {false, true};
    dialog.OnDelete();
    EXPECT_EQ(dialog.List()->count(), 3);
    dialog.OnDelete();
    EXPECT_EQ(prompts.confirmations.last(), "Are you sure to delete \"flat button\" template?");
    EXPECT_EQ(dialog.List()->Names(), QStringList({"Normal", "solid button"}));
    EXPECT_EQ(dialog.m_nSelected, 1);
    EXPECT_EQ(dialog.NameEdit()->text(), "solid button");
    EXPECT_FALSE(dialog.MoveDownButton()->isEnabled());
    EXPECT_EQ(CTemplateStore::SplitNames(StoredNames()).size(), 2u);

    // Down to no name at all: empty edit, both moves disabled, and the
    // commands ask for a selection.
    dialog.OnDelete();
    dialog.OnDelete();
    EXPECT_EQ(dialog.List()->count(), 0);
    EXPECT_EQ(dialog.m_nSelected, -1);
    EXPECT_TRUE(dialog.NameEdit()->text().isEmpty());
    EXPECT_FALSE(dialog.MoveUpButton()->isEnabled());
    EXPECT_FALSE(dialog.MoveDownButton()->isEnabled());
    dialog.OnMoveUp();
    dialog.OnRename();
    EXPECT_EQ(prompts.messages, QStringList({CDlgManageTemplates::kSelectFirst, CDlgManageTemplates::kSelectFirst}));
}

TEST_F(TemplateDialog, ManageRenamesAndMovesKeepingTheSelection)
{
    SetNames("Normal,solid button,flat button,");
    CDlgManageTemplates dialog(DialogContext());
    ASSERT_EQ(dialog.List()->count(), 3);
    // Its own name, a prefix of a listed name and an empty name are refused.
    for (const char* name : {"Normal", "solid", ""}) {
        dialog.NameEdit()->setText(QString::fromLatin1(name));
        dialog.OnRename();
        EXPECT_EQ(prompts.messages.takeLast(), CDlgManageTemplates::kGiveNewName) << name;
    }
    EXPECT_TRUE(prompts.confirmations.isEmpty());

    dialog.NameEdit()->setText(QStringLiteral("Plain"));
    dialog.OnRename();
    EXPECT_EQ(prompts.confirmations.last(), "Are you sure to rename \"Normal\" template to \"Plain\"?");
    EXPECT_EQ(dialog.List()->NameAt(0), "Plain");
    EXPECT_EQ(dialog.NameEdit()->text(), "Plain");

    dialog.OnMoveDown();
    EXPECT_EQ(dialog.List()->Names(), QStringList({"solid button", "Plain", "flat button"}));
    EXPECT_EQ(dialog.m_nSelected, 1);
    EXPECT_EQ(dialog.List()->currentRow(), 1);
    dialog.OnMoveDown();
    EXPECT_EQ(dialog.m_nSelected, 2);
    EXPECT_FALSE(dialog.MoveDownButton()->isEnabled());
    dialog.OnMoveUp();
    dialog.OnMoveUp();
    EXPECT_EQ(dialog.m_nSelected, 0);
    EXPECT_FALSE(dialog.MoveUpButton()->isEnabled());
    EXPECT_EQ(CTemplateStore::SplitNames(StoredNames()).front(), "Plain");
    EXPECT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join('|').toStdString();
}

}  // namespace
