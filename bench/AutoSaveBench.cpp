// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
// The recovery copy against a normal save (BM_SaveFiles in CodecBench) on
// projects of 1,000 to 100,000 items. The editor composes the copy on the
// user-interface thread in slices (BM_AutoSaveSlice) and writes it on a worker thread
// (BM_AutoSaveWrite), so the longest pause typing can see is the longest
// slice; BM_ProjectText is the text composed in one go, for scale.
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <random>

#include "BenchModel.h"
#include "core/format/CSlicedProjectText.h"
#include "core/io/CStdFileSystem.h"
#include "core/project/CRecoveryStore.h"
#include "core/publish/CPageWriter.h"

namespace {
namespace fs = std::filesystem;

// Items per slice, as the editor's auto-saver uses.
constexpr size_t kSliceItems = 4000;

class RecoveryFolder {
public:
    RecoveryFolder()
        : m_path(fs::temp_directory_path() / ("atw-autosave-bench-" + std::to_string(std::random_device{}())))
    {
    }
    ~RecoveryFolder()
    {
        std::error_code ec;
        fs::remove_all(m_path, ec);
    }
    std::string Path() const { return m_path.string(); }

private:
    fs::path m_path;
};

void PerItem(benchmark::State& state)
{
    state.counters["per_item"] =
        benchmark::Counter(static_cast<double>(state.range(0)),
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_ProjectText(benchmark::State& state)
{
    CAppletParameters& p = BenchModel::Shared(static_cast<int>(state.range(0)));
    CPageWriter writer(p, CStdFileSystem::Instance(), "");
    for (auto _ : state)
        benchmark::DoNotOptimize(writer.ProjectText());
    PerItem(state);
}

// The thread's own CPU time in milliseconds: what a slice costs, without the
// time other work on a shared machine took the processor away.
double ThreadCpuMs()
{
    timespec now{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// One slice after another of kSliceItems items, from the numbering walk
// through the structure value to the last lines, round and round; the
// longest slice seen is the pause typing can meet (max_slice_ms, wall time;
// max_slice_cpu_ms, the same slices in CPU time).
void BM_AutoSaveSlice(benchmark::State& state)
{
    CAppletParameters& p = BenchModel::Shared(static_cast<int>(state.range(0)));
    CSlicedProjectText text(p, CStdFileSystem::Instance());
    text.Start();
    double longest = 0;
    double longestCpu = 0;
    for (auto _ : state) {
        const double cpu = ThreadCpuMs();
        const auto begin = std::chrono::steady_clock::now();
        const bool done = text.Step(kSliceItems);
        longest = std::max(longest,
                           std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count());
        longestCpu = std::max(longestCpu, ThreadCpuMs() - cpu);
        if (done) {
            state.PauseTiming();
            text.Start();
            state.ResumeTiming();
        }
    }
    state.counters["max_slice_ms"] = longest;
    state.counters["max_slice_cpu_ms"] = longestCpu;
}

// The worker thread's part: the copy's head and checksum, the atomic write.
void BM_AutoSaveWrite(benchmark::State& state)
{
    CAppletParameters& p = BenchModel::Shared(static_cast<int>(state.range(0)));
    RecoveryFolder folder;
    CRecoveryStore store(CStdFileSystem::Instance(), folder.Path());
    if (!store.Open()) {
        state.SkipWithError("no recovery folder");
        return;
    }
    CRecoveryCopy copy;
    copy.pagePath = "/home/user/web/menu.htm";
    copy.projectText = CPageWriter(p, CStdFileSystem::Instance(), "").ProjectText();
    for (auto _ : state)
        if (!store.WriteOwn(CRecoveryStore::Encode(copy)))
            state.SkipWithError("write failed");
    store.Close();
    PerItem(state);
}
}  // namespace

BENCHMARK(BM_ProjectText)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AutoSaveSlice)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AutoSaveWrite)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
