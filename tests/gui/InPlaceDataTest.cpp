// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include <QDirIterator>
#include <QTemporaryDir>

#include "FrameFixture.h"
#include "core/templates/CTemplateStore.h"
#include "editor/CBrowserLauncher.h"
#include "gui/frame/CFrameActions.h"

namespace {

using A = CFrameActions;

// The editor as installed: the program folder is the per-user one (template
// file and script only); help and samples lie in a shared folder that the
// editor reads and never writes.
class InPlaceData : public FrameFixture {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        ASSERT_TRUE(share.isValid());
        for (const QString& folder : {QStringLiteral("help"), QStringLiteral("Sample")}) {
            ASSERT_TRUE(QDir(program.filePath(folder)).exists()) << folder.toStdString();
            ASSERT_TRUE(QDir().rename(program.filePath(folder), share.filePath(folder)));
        }
        sharedPath = share.path();
        before = Listing();
    }

    // Every file of the shared folder with its size and time.
    QStringList Listing() const
    {
        QStringList files;
        QDirIterator it(share.path(), QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            files << QStringLiteral("%1 %2 %3")
                         .arg(it.filePath())
                         .arg(it.fileInfo().size())
                         .arg(it.fileInfo().lastModified().toMSecsSinceEpoch());
        }
        files.sort();
        return files;
    }

    QString Shared(const QString& name) const { return share.filePath(name); }

    QTemporaryDir share;
    QStringList before;
};

}  // namespace

// Help and View Sample open the shared pages; templates take their pictures
// from the shared samples; none of it is copied or written.
TEST_F(InPlaceData, HelpSamplesAndTemplatesAreReadWhereTheyLie)
{
    ASSERT_TRUE(Start());
    Context().browser.SetChoice(CBrowserLauncher::Mode::Default, std::string(), 0);
    Trigger(A::HelpTopics);
    Trigger(A::ViewSample);
    ASSERT_EQ(prompts.urls.size(), 2) << prompts.messages.join('\n').toStdString();
    EXPECT_TRUE(prompts.urls[0].toLocalFile().startsWith(Shared(QStringLiteral("help/"))))
        << prompts.urls[0].toString().toStdString();
    EXPECT_TRUE(QFileInfo::exists(prompts.urls[0].toLocalFile()));
    EXPECT_EQ(prompts.urls[1].toLocalFile(), Shared(QStringLiteral("Sample/Samples.htm")));

    // A template with pictures: "Arrowhead Tree".
    bool found = false;
    for (int index = 0; index < 16 && !found; ++index) {
        CAppletParameters params;
        CTemplateStore(settings, Context().fileSystem, Context().programDir, Context().DataDir())
            .LoadTemplate(params, index);
        if (params.m_arrMenus.empty() || params.m_arrMenus.front()->GetItemCount() == 0)
            continue;
        const std::string image(params.m_arrMenus.front()->GetItem(0)->m_strNormalImage);
        if (image.empty())
            continue;
        found = true;
        EXPECT_EQ(QFileInfo(CText::ToQ(image)).absolutePath(), Shared(QStringLiteral("Sample/Image")));
        EXPECT_TRUE(QFileInfo::exists(CText::ToQ(image)));
    }
    EXPECT_TRUE(found);
    EXPECT_FALSE(QDir(program.filePath(QStringLiteral("help"))).exists());
    EXPECT_FALSE(QDir(program.filePath(QStringLiteral("Sample"))).exists());
    EXPECT_EQ(Listing(), before);
}

// A page that lies in the shared folder is never saved over: Save asks
// where to, starting at the same name in the home folder.
TEST_F(InPlaceData, SaveOfAPageInTheSharedFolderGoesThroughSaveAs)
{
    ASSERT_TRUE(Start());
    ASSERT_TRUE(SaveAs(QStringLiteral("site.htm")));
    // Moved into the shared folder and opened from there.
    ASSERT_TRUE(QFile::rename(WorkPath("site.htm"), Shared("Sample/site.htm")));
    ASSERT_TRUE(QFile::rename(WorkPath("site.tvx"), Shared("Sample/site.tvx")));
    ASSERT_TRUE(Doc()->OpenDocumentFile(Shared("Sample/site.htm")));
    before = Listing();
    Editor().AddTopMenu();

    // Cancelled: nothing is written anywhere, the changes stay.
    Trigger(A::FileSave);
    ASSERT_EQ(prompts.saveInitials.size(), 2);
    EXPECT_EQ(prompts.saveInitials.last(), QDir::home().filePath(QStringLiteral("site.htm")));
    EXPECT_TRUE(Doc()->IsModified());
    EXPECT_EQ(Listing(), before);

    // Given a place: saved there, and that is the page from now on.
    prompts.fileNames.push_back(WorkPath(QStringLiteral("mine.htm")));
    Trigger(A::FileSave);
    EXPECT_FALSE(Doc()->IsModified());
    EXPECT_EQ(Doc()->PathName(), WorkPath(QStringLiteral("mine.htm")));
    EXPECT_TRUE(QFile::exists(WorkPath(QStringLiteral("mine.tvx"))));
    EXPECT_EQ(Listing(), before);
    // A page in a folder of the user's is saved where it is, without asking.
    Editor().AddTopMenu();
    Trigger(A::FileSave);
    EXPECT_EQ(prompts.saveInitials.size(), 3);
    EXPECT_FALSE(Doc()->IsModified());
}
