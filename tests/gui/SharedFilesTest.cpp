// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <functional>

#include "FrameFixture.h"
#include "core/io/CStdFileSystem.h"
#include "core/publish/CPageWriter.h"
#include "core/settings/CIniSettings.h"
#include "core/templates/CTemplateStore.h"
#include "editor/CQtSettings.h"
#include "gui/dialogs/CDlgManageTemplates.h"
#include "gui/dialogs/CDlgSaveTemplate.h"
#include "gui/dialogs/CTemplateList.h"
#include "gui/frame/CFrameActions.h"

namespace {

using A = CFrameActions;

// What the editor writes where others keep files too: the template file
// and the sample folders in the program folder, the stored name list, the
// preview folder.
class SharedFiles : public FrameFixture {
protected:
    static QByteArray Read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    static bool Write(const QString& path, const QByteArray& bytes)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }
    QString ProgramPath(const QString& name) const { return program.filePath(name); }

    // Answers the next Save As Template dialog with name at the front.
    void SaveTemplateAs(const QString& name)
    {
        prompts.dialogHandlers.push_back([name](QDialog& dialog) {
            auto& save = dynamic_cast<CDlgSaveTemplate&>(dialog);
            save.NameEdit()->setText(name);
            save.List()->setCurrentRow(0);
            save.OnOK();
            return save.result();
        });
        Trigger(A::SaveAsTemplate);
    }
    // Runs Manage Templates with act.
    void Manage(std::function<void(CDlgManageTemplates&)> act)
    {
        prompts.dialogHandlers.push_back([act](QDialog& dialog) {
            act(dynamic_cast<CDlgManageTemplates&>(dialog));
            return int(QDialog::Accepted);
        });
        Trigger(A::Template);
    }
    std::vector<std::string> Names(ISettingsStore& store)
    {
        return CTemplateStore(store, Context().fileSystem, Context().programDir).ListNames();
    }
};

bool Lists(const std::vector<std::string>& names, const std::string& name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

// A user's picture named like a sample goes in beside it under a new name;
// one with the sample's very bytes uses the sample. Saving again reuses the
// copy made the first time.
TEST_F(SharedFiles, SaveAsTemplateNeverReplacesASample)
{
    ASSERT_TRUE(Start());
    const QString sample = ProgramPath(QStringLiteral("Sample/Image/arrow_down.gif"));
    const QByteArray sampleBytes = Read(sample);
    ASSERT_NE(sampleBytes, "<missing>");
    const QString audioSample = ProgramPath(QStringLiteral("Sample/Audio/bell.au"));
    const QByteArray audioBytes = Read(audioSample);
    ASSERT_TRUE(Write(WorkPath("mine/arrow_down.gif"), "GIF89a mine"));
    ASSERT_TRUE(Write(WorkPath("same/arrow_down.gif"), sampleBytes));
    ASSERT_TRUE(Write(WorkPath("mine/bell.au"), ".snd mine"));
    CTavelin* menu = Params().m_arrMenus.front().get();
    ASSERT_GE(menu->GetItemCount(), 2);
    menu->GetItem(0)->m_strNormalImage = CText::FromQ(WorkPath("mine/arrow_down.gif"));
    menu->GetItem(0)->m_strClickAudio = CText::FromQ(WorkPath("mine/bell.au"));
    menu->GetItem(1)->m_strNormalImage = CText::FromQ(WorkPath("same/arrow_down.gif"));
    Params().m_strBackImage = CText::FromQ(WorkPath("mine/arrow_down.gif"));

    SaveTemplateAs(QStringLiteral("Mine"));
    SaveTemplateAs(QStringLiteral("Again"));
    EXPECT_TRUE(prompts.messages.isEmpty()) << prompts.messages.join('|').toStdString();
    EXPECT_EQ(Read(sample), sampleBytes);
    EXPECT_EQ(Read(audioSample), audioBytes);
    EXPECT_EQ(Read(ProgramPath(QStringLiteral("Sample/Image/arrow_down_2.gif"))), "GIF89a mine");
    EXPECT_EQ(Read(ProgramPath(QStringLiteral("Sample/Audio/bell_2.au"))), ".snd mine");
    EXPECT_FALSE(QFile::exists(ProgramPath(QStringLiteral("Sample/Image/arrow_down_3.gif"))));

    CTemplateStore store(settings, Context().fileSystem, Context().programDir);
    for (int index : {0, 1}) {
        CAppletParameters loaded;
        store.LoadTemplate(loaded, index);
        ASSERT_GE(loaded.m_arrMenus.front()->GetItemCount(), 2);
        const CTavelinItem& first = *loaded.m_arrMenus.front()->GetItem(0);
        EXPECT_EQ(first.m_strNormalImage, CText::FromQ(ProgramPath("Sample/Image/arrow_down_2.gif"))) << index;
        EXPECT_EQ(first.m_strClickAudio, CText::FromQ(ProgramPath("Sample/Audio/bell_2.au"))) << index;
        EXPECT_EQ(loaded.m_arrMenus.front()->GetItem(1)->m_strNormalImage, CText::FromQ(sample)) << index;
        EXPECT_EQ(loaded.m_strBackImage, first.m_strNormalImage) << index;
    }
}

// Exit takes away the files Preview made, and leaves what others put in
// the preview folder: a file that was there, a project saved there.
TEST_F(SharedFiles, ExitRemovesOnlyWhatPreviewWrote)
{
    ASSERT_TRUE(Start());
    const QString tmp = ProgramPath(QStringLiteral("tmp"));
    Trigger(A::Preview);
    ASSERT_TRUE(QFile::exists(tmp + QStringLiteral("/~AppMenu.htm")));
    app.reset();
    EXPECT_FALSE(QFileInfo::exists(tmp));

    ASSERT_TRUE(Write(tmp + QStringLiteral("/notes.txt"), "mine"));
    ASSERT_TRUE(Restart());
    Trigger(A::Preview);
    prompts.fileNames.push_back(tmp + QStringLiteral("/menu.htm"));
    ASSERT_TRUE(Doc()->OnFileSaveAs());
    Trigger(A::Preview);
    const QStringList saved = QDir(tmp).entryList(QDir::Files);
    app.reset();
    EXPECT_EQ(Read(tmp + QStringLiteral("/notes.txt")), "mine");
    // The project keeps every file its save wrote, also those Preview wrote first.
    for (const QString& name : saved) {
        if (!name.startsWith(QLatin1Char('~'))) {
            EXPECT_TRUE(QFile::exists(tmp + QLatin1Char('/') + name)) << name.toStdString();
        }
    }
    EXPECT_TRUE(QFile::exists(tmp + QStringLiteral("/menu.tvx")));
}

// A template file step that fails leaves the stored list as it was, so that
// no listed name stands for a missing section.
TEST_F(SharedFiles, FailedTemplateFileStepPutsTheListBack)
{
    ASSERT_TRUE(Start());
    const QString file = ProgramPath(QStringLiteral("AppletTavelinWizard.tpl"));
    ASSERT_TRUE(QFile::remove(file));
    ASSERT_TRUE(QDir().mkpath(file));  // neither readable nor replaceable as a file
    const std::string before = settings.GetString("TEMPLATE", "TemplateKey", "");
    ASSERT_FALSE(before.empty());

    SaveTemplateAs(QStringLiteral("Added"));
    Manage([](CDlgManageTemplates& dialog) {
        dialog.List()->setCurrentRow(1);
        dialog.NameEdit()->setText(QStringLiteral("Renamed"));
        dialog.OnRename();
        dialog.OnDelete();
    });
    EXPECT_EQ(settings.GetString("TEMPLATE", "TemplateKey", ""), before);
    EXPECT_EQ(prompts.messages,
              QStringList({CPageWriter::kSaveFailed, CTemplateStore::kOpenFailed, CTemplateStore::kOpenFailed}));
}

// A template that atw added while the editor runs shows in the editor's
// lists, and the editor's next list write keeps it.
class SharedSettings : public SharedFiles {
protected:
    void SetUp() override
    {
        SharedFiles::SetUp();
        QFile::remove(CText::ToQ(CIniSettings::UserFile()));
        app = std::make_unique<CAppletTavelinWizardApp>(&stored, &prompts);
        app->SetRecoveryFolder(recovery.path());
        started =
            app->InitInstance({QStringLiteral("AppletTavelinWizard"), QStringLiteral("--program-dir"), program.path()});
    }

    CQtSettings stored;  // the editor's settings file, as a user's run has it
};

TEST_F(SharedSettings, TemplateAddedByAnotherProgramIsListedAndKept)
{
    ASSERT_TRUE(started);
    CIniSettings tool(CStdFileSystem::Instance(), CIniSettings::UserFile());
    CAppletParameters page;
    page.AddTopMenu();
    CTemplateStore toolStore(tool, CStdFileSystem::Instance(), Context().programDir);
    ASSERT_TRUE(toolStore.AddTemplate(page, "From Tool", 1));

    QStringList shown;
    prompts.dialogHandlers.push_back([&shown](QDialog& dialog) {
        auto& save = dynamic_cast<CDlgSaveTemplate&>(dialog);
        shown = save.List()->Names();
        save.NameEdit()->setText(QStringLiteral("From Editor"));
        save.List()->setCurrentRow(0);
        save.OnOK();
        return save.result();
    });
    Trigger(A::SaveAsTemplate);
    EXPECT_TRUE(shown.contains(QStringLiteral("From Tool")));
    const std::vector<std::string> names = Names(tool);
    EXPECT_TRUE(Lists(names, "From Tool"));
    EXPECT_TRUE(Lists(names, "From Editor"));
    EXPECT_EQ(names, Names(stored));
}

// Names lose the spaces around them, a name of spaces is refused, and Enter
// in Manage Templates' name box renames without closing the dialog.
TEST_F(SharedFiles, TemplateNamesAreTrimmedAndEnterRenames)
{
    ASSERT_TRUE(Start());
    CDlgSaveTemplate save(Context());
    save.NameEdit()->setText(QStringLiteral("   "));
    save.OnOK();
    EXPECT_EQ(prompts.messages, QStringList{CTemplateStore::kEmptyName});
    EXPECT_NE(save.result(), int(QDialog::Accepted));
    SaveTemplateAs(QStringLiteral("  Padded  "));
    EXPECT_EQ(Names(settings).front(), "Padded");

    CDlgManageTemplates manage(Context());
    manage.show();
    manage.List()->setCurrentRow(0);
    for (const QString& typed : {QStringLiteral("  "), QStringLiteral("  Fresh  ")}) {
        manage.NameEdit()->setText(typed);
        QTest::keyClick(manage.NameEdit(), Qt::Key_Return);
    }
    EXPECT_EQ(prompts.messages.last(), CDlgManageTemplates::kGiveNewName);
    EXPECT_EQ(prompts.confirmations, QStringList{"Are you sure to rename \"Padded\" template to \"Fresh\"?"});
    EXPECT_EQ(Names(settings).front(), "Fresh");
    EXPECT_TRUE(manage.isVisible());
    EXPECT_NE(manage.result(), int(QDialog::Accepted));
}
