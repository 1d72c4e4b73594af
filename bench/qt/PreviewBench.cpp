// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
// How long the Live Preview pane takes from a change of the model to the
// page showing it: one label edited, then the time until the pane has drawn
// it (the debounce of CLivePreviewPane::kDebounceMs included), at 100,
// 1,000 and 10,000 items. The first drawing (the page loaded afresh) is
// measured on its own, and so is a change of the structure.
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QUndoStack>
#include <benchmark/benchmark.h>
#include <unistd.h>

#include "BenchModel.h"
#include "core/io/CStdFileSystem.h"
#include "core/model/CTavelin.h"
#include "core/settings/CMemorySettings.h"
#include "editor/CModelEditor.h"
#include "gui/preview/CLivePreviewPane.h"

namespace {

struct PreviewRig {
    explicit PreviewRig(int items) : params(BenchModel::Shared(items)), editor(params)
    {
        QFile::copy(QStringLiteral(ATW_BIN_DIR "/tavelin.js"), program.filePath("tavelin.js"));
        pane = std::make_unique<CLivePreviewPane>(editor, CStdFileSystem::Instance(), settings,
                                                  program.path().toStdString(), program.filePath("tmp").toStdString());
        pane->resize(800, 600);
    }

    // Runs the event loop until the pane shows the model as it is now.
    void WaitDrawn()
    {
        if (pane->IsCurrent())
            return;
        QEventLoop loop;
        QObject::connect(pane.get(), &CLivePreviewPane::Refreshed, &loop, &QEventLoop::quit);
        loop.exec();
    }

    CTavelinItem* FirstItem() const
    {
        for (const auto& menu : params.m_arrMenus) {
            if (menu->m_bVisible)
                for (const auto& item : menu->m_arrItems)
                    if (item->m_bVisible)
                        return item.get();
        }
        return nullptr;
    }

    QTemporaryDir program;
    CMemorySettings settings;
    CAppletParameters& params;
    CModelEditor editor;
    std::unique_ptr<CLivePreviewPane> pane;
};

void BM_LivePreviewFirstDrawing(benchmark::State& state)
{
    for (auto _ : state) {
        PreviewRig rig(static_cast<int>(state.range(0)));
        QElapsedTimer clock;
        clock.start();
        rig.pane->show();
        rig.WaitDrawn();
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
    }
}

void BM_LivePreviewRefresh(benchmark::State& state)
{
    PreviewRig rig(static_cast<int>(state.range(0)));
    rig.pane->show();
    rig.WaitDrawn();
    CTavelinItem* item = rig.FirstItem();
    static int n = 0;  // the model is shared between runs: every label is new
    const int reloads = rig.pane->Reloads();
    for (auto _ : state) {
        CItemFields fields = *item;
        fields.m_strLabel = "Edited " + std::to_string(++n);
        QElapsedTimer clock;
        clock.start();
        rig.editor.SetItemFields(item, fields);
        rig.WaitDrawn();
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
    }
    state.counters["reloads"] = rig.pane->Reloads() - reloads;
    state.counters["debounce_ms"] = CLivePreviewPane::kDebounceMs;
}

// A change of the structure: an item inserted at the top of the first shown menu,
// then that insertion undone, in turns; each is one refresh.
void BM_LivePreviewInsertOrUndo(benchmark::State& state)
{
    PreviewRig rig(static_cast<int>(state.range(0)));
    rig.pane->show();
    rig.WaitDrawn();
    CTavelin* menu = nullptr;
    for (const auto& top : rig.params.m_arrMenus)
        if (!menu && top->m_bVisible)
            menu = top.get();
    bool insert = true;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        if (insert)
            rig.editor.InsertNewItem(menu, nullptr, 0);
        else
            rig.editor.History().undo();
        rig.WaitDrawn();
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
        insert = !insert;
    }
}

}  // namespace

BENCHMARK(BM_LivePreviewFirstDrawing)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LivePreviewRefresh)->Arg(100)->Arg(1000)->Arg(10000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LivePreviewInsertOrUndo)->Arg(1000)->UseManualTime()->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
