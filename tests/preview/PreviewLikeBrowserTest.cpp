// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
// The Live Preview pane draws what a browser draws: every template, saved
// as Save writes it, is shown by Chromium and by the pane at the same size,
// and the two pictures are compared pixel by pixel.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "core/io/CStdFileSystem.h"
#include "core/project/CProjectService.h"
#include "core/settings/CMemorySettings.h"
#include "core/templates/CTemplateStore.h"
#include "editor/CModelEditor.h"
#include "gui/preview/CLivePreviewPane.h"
#include "gui/preview/IPreviewBrowser.h"
#include "preview/PageScript.h"

namespace {

constexpr int kWaitMs = 30000;
// Two builds of one engine, years apart, place and smooth glyph edges a
// little differently (hinting, subpixel positions): a pixel counts as
// different only when a channel differs by more than kChannel, and a
// picture may differ in up to kShare of its pixels. A layout fault (items
// filling the width, a label that wraps, a box of another size) changes
// whole rows and columns, far beyond that.
constexpr int kChannel = 64;
constexpr double kShare = 0.01;

// Chromium's pictures of pages, taken in the background, two at a time
// (one Chromium run a page), while the pane draws.
class CBrowserShots {
public:
    static constexpr int kAtOnce = 2;

    static QString Program() { return QStandardPaths::findExecutable(QStringLiteral("chromium")); }

    // Queues a picture of page at size; its number.
    int Add(const QString& page, QSize size, const QString& folder)
    {
        m_jobs.push_back({page, size, folder, folder + QStringLiteral("/shot.png"), nullptr});
        StartNext();
        return int(m_jobs.size()) - 1;
    }

    // Picture number n once taken; null when Chromium failed.
    QImage Picture(int n)
    {
        CJob& job = m_jobs.at(size_t(n));
        if (!QTest::qWaitFor([&] { return job.process && job.process->state() == QProcess::NotRunning; }, kWaitMs))
            return {};
        return QImage(job.file).convertToFormat(QImage::Format_RGB32);
    }

private:
    struct CJob {
        QString page;
        QSize size;
        QString folder;
        QString file;
        std::unique_ptr<QProcess> process;
    };

    void StartNext()
    {
        int running = 0;
        for (const CJob& job : m_jobs)
            running += job.process && job.process->state() != QProcess::NotRunning ? 1 : 0;
        for (CJob& job : m_jobs) {
            if (running >= kAtOnce)
                return;
            if (job.process)
                continue;
            job.process = std::make_unique<QProcess>();
            job.process->setStandardErrorFile(QProcess::nullDevice());
            job.process->setStandardOutputFile(QProcess::nullDevice());
            QObject::connect(job.process.get(), &QProcess::finished, job.process.get(), [this] { StartNext(); });
            job.process->start(Program(),
                               {QStringLiteral("--headless"), QStringLiteral("--no-sandbox"),
                                QStringLiteral("--disable-gpu"), QStringLiteral("--force-device-scale-factor=1"),
                                QStringLiteral("--user-data-dir=") + job.folder + QStringLiteral("/profile"),
                                QStringLiteral("--screenshot=") + job.file,
                                QStringLiteral("--window-size=%1,%2").arg(job.size.width()).arg(job.size.height()),
                                QUrl::fromLocalFile(job.page).toString()});
            ++running;
        }
    }

    std::vector<CJob> m_jobs;  // pointers to them are not kept: the vector may grow
};

// The share of pixels that differ by more than kChannel in a channel.
double DifferentShare(const QImage& a, const QImage& b)
{
    if (a.size() != b.size() || a.isNull())
        return 1.0;
    qint64 different = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* p = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* q = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const int d = std::max({std::abs(qRed(p[x]) - qRed(q[x])), std::abs(qGreen(p[x]) - qGreen(q[x])),
                                    std::abs(qBlue(p[x]) - qBlue(q[x]))});
            different += d > kChannel ? 1 : 0;
        }
    }
    return double(different) / double(a.width() * a.height());
}

class PreviewLikeBrowserTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (CBrowserShots::Program().isEmpty())
            GTEST_SKIP() << "chromium is not installed";
        ASSERT_TRUE(program.isValid());
        for (const char* name : {"tavelin.js", "AppletTavelinWizard.tpl"})
            ASSERT_TRUE(QFile::copy(QStringLiteral(ATW_BIN_DIR "/") + QLatin1String(name), program.filePath(name)));
        CopyFolder(QStringLiteral(ATW_BIN_DIR "/Sample"), program.filePath(QStringLiteral("Sample")));
        pane = std::make_unique<CLivePreviewPane>(editor, CStdFileSystem::Instance(), settings,
                                                  program.path().toStdString(), program.filePath("tmp").toStdString());
        pane->resize(480, 360);
        pane->show();
        ASSERT_TRUE(QTest::qWaitFor([&] { return pane->IsCurrent(); }, kWaitMs));
    }

    static void CopyFolder(const QString& from, const QString& to)
    {
        QDir().mkpath(to);
        const QDir source(from);
        for (const QString& name : source.entryList(QDir::Files))
            QFile::copy(source.filePath(name), QDir(to).filePath(name));
        for (const QString& name : source.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            CopyFolder(source.filePath(name), QDir(to).filePath(name));
    }

    void LoadTemplate(int index)
    {
        CTemplateStore store(settings, CStdFileSystem::Instance(), program.path().toStdString());
        EXPECT_TRUE(store.LoadTemplate(params, index)) << store.LastError();
        editor.NotifyReset();
    }

    // Loads template index into the model and saves it as Save does; the
    // path of the saved page.
    QString SaveTemplate(int index, const QString& folder)
    {
        LoadTemplate(index);
        CProjectService service(CStdFileSystem::Instance(), program.path().toStdString());
        service.SetHtml5Runtime(true);
        const QString page = folder + QStringLiteral("/menu.htm");
        EXPECT_TRUE(service.Save(params, page.toStdString()).Ok());
        return page;
    }

    // Saves each template as Save does and has Chromium take its picture
    // at the pane's size; then draws each in the pane and compares.
    void CompareTemplates(const std::vector<int>& indexes, const std::string& suffix)
    {
        std::vector<std::unique_ptr<QTemporaryDir>> folders;
        std::vector<int> shots;
        for (int index : indexes) {
            folders.push_back(std::make_unique<QTemporaryDir>());
            const QString page = SaveTemplate(index, folders.back()->path());
            shots.push_back(browser.Add(page, pane->ViewSize(), folders.back()->path()));
        }
        for (size_t i = 0; i < indexes.size(); ++i) {
            const std::string name = Names().at(size_t(indexes[i])) + suffix;
            LoadTemplate(indexes[i]);
            ASSERT_TRUE(QTest::qWaitFor([&] { return pane->IsCurrent(); }, kWaitMs)) << name;
            if (!pane->IsPhoneWidth()) {
                // The applet at its own size, as a desktop browser draws it.
                const QString box = QStringLiteral("(r => r.width + 'x' + r.height)(document.querySelector("
                                                   "'[data-tavelin=applet]').getBoundingClientRect())");
                EXPECT_EQ(RunJs(pane->Browser(), box).toString(),
                          QStringLiteral("%1x%2").arg(params.m_nWidth).arg(params.m_nHeight))
                    << name;
            }
            const QImage drawn = pane->Browser()->Widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const QImage expected = browser.Picture(shots[i]);
            ASSERT_FALSE(expected.isNull()) << name << ": Chromium took no picture";
            EXPECT_EQ(drawn.size(), expected.size()) << name;
            const double share = DifferentShare(drawn, expected);
            if (share > kShare || qEnvironmentVariableIsSet("ATW_KEEP_SHOTS")) {
                const QString keep =
                    QDir::temp().filePath(QStringLiteral("atw-preview-") + QString::fromStdString(name));
                drawn.save(keep + QStringLiteral("-pane.png"));
                expected.save(keep + QStringLiteral("-chromium.png"));
            }
            EXPECT_LE(share, kShare) << name << " at " << drawn.width() << "x" << drawn.height();
        }
    }

    std::vector<std::string> Names()
    {
        CTemplateStore store(settings, CStdFileSystem::Instance(), program.path().toStdString());
        store.EnsureNameList();
        return store.ListNames();
    }

    QTemporaryDir program;
    CMemorySettings settings;
    CAppletParameters params;
    CModelEditor editor{params};
    std::unique_ptr<CLivePreviewPane> pane;
    CBrowserShots browser;
};

TEST_F(PreviewLikeBrowserTest, EveryTemplateLooksAsChromiumDrawsItOnTheDesktop)
{
    const size_t count = Names().size();
    ASSERT_GE(count, 10U);
    std::vector<int> indexes;
    for (size_t i = 0; i < count; ++i)
        indexes.push_back(int(i));
    CompareTemplates(indexes, "");
}

TEST_F(PreviewLikeBrowserTest, PhoneModeLooksAsChromiumDrawsItAtThePhonesWidth)
{
    pane->SetPhoneWidth(true);
    EXPECT_EQ(pane->ViewSize().width(), CLivePreviewPane::kPhoneWidth);
    CompareTemplates({0}, " (phone)");
}

}  // namespace
