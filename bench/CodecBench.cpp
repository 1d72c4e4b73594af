// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
// Codec speed on generated projects of 1,000, 10,000 and 100,000 items
// (see BenchModel).
// Each benchmark reports the time per item as "per_item".
#include <benchmark/benchmark.h>
#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "BenchModel.h"
#include "core/check/CParameterCheck.h"
#include "core/format/CProjectReader.h"
#include "core/io/CStdFileSystem.h"
#include "core/model/CAppletParameters.h"
#include "core/publish/CPageWriter.h"

namespace {
namespace fs = std::filesystem;

// A temporary folder holding a few media files, removed at exit.
class BenchFolder {
public:
    BenchFolder()
    {
        m_path = fs::temp_directory_path() / ("atw-codec-bench-" + std::to_string(std::random_device{}()));
        fs::create_directories(m_path / "media");
        fs::create_directories(m_path / "site");
        for (const char* name : {"a.gif", "b.png", "c.wav", "d.au"}) {
            const std::string file = (m_path / "media" / name).string();
            CStdFileSystem::Instance().WriteFileAtomic(file, std::string(2048, 'm'));
            m_media.push_back(file);
        }
        m_media.push_back((m_path / "media" / "missing.jpg").string());
        m_media.push_back("");
    }
    ~BenchFolder()
    {
        std::error_code ec;
        fs::remove_all(m_path, ec);
    }
    std::string Path(const std::string& name) const { return (m_path / name).string(); }
    const std::vector<std::string>& Media() const { return m_media; }

private:
    fs::path m_path;
    std::vector<std::string> m_media;
};

BenchFolder& Folder()
{
    static BenchFolder folder;
    return folder;
}

CAppletParameters& Model(int items)
{
    return BenchModel::Shared(items);
}

void PerItem(benchmark::State& state)
{
    state.counters["per_item"] =
        benchmark::Counter(static_cast<double>(state.range(0)),
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_BuildPage(benchmark::State& state)
{
    CAppletParameters& p = Model(static_cast<int>(state.range(0)));
    CPageWriter writer(p, CStdFileSystem::Instance(), Folder().Path("prog"));
    for (auto _ : state)
        benchmark::DoNotOptimize(writer.BuildPage());
    PerItem(state);
}

void BM_SaveFiles(benchmark::State& state)
{
    CAppletParameters& p = Model(static_cast<int>(state.range(0)));
    CPageWriter writer(p, CStdFileSystem::Instance(), Folder().Path("prog"));
    const std::string page = writer.BuildPage();
    const std::string file = Folder().Path("site/menu" + std::to_string(state.range(0)) + ".htm");
    for (auto _ : state)
        if (!writer.SaveFiles(file, Folder().Path("site"), page))
            state.SkipWithError("save failed");
    PerItem(state);
}

void BM_LoadProject(benchmark::State& state)
{
    CAppletParameters& source = Model(static_cast<int>(state.range(0)));
    CPageWriter writer(source, CStdFileSystem::Instance(), Folder().Path("prog"));
    const std::string file = Folder().Path("site/load" + std::to_string(state.range(0)) + ".htm");
    writer.SaveFiles(file, Folder().Path("site"), writer.BuildPage());
    const std::string project = Folder().Path("site/load" + std::to_string(state.range(0)) + ".tvx");
    // Into a fresh model each time: freeing the model of the pass before is
    // the cost of closing a project, not of loading one.
    auto target = std::make_unique<CAppletParameters>();
    for (auto _ : state) {
        state.PauseTiming();
        target = std::make_unique<CAppletParameters>();
        state.ResumeTiming();
        if (!CProjectReader(*target, CStdFileSystem::Instance(), Folder().Path("prog")).LoadProject(project))
            state.SkipWithError("load failed");
    }
    PerItem(state);
}

void BM_Check(benchmark::State& state)
{
    CAppletParameters& p = Model(static_cast<int>(state.range(0)));
    CParameterCheck check(p, CStdFileSystem::Instance());
    for (auto _ : state)
        benchmark::DoNotOptimize(check.Run());
    PerItem(state);
}
}  // namespace

BENCHMARK(BM_LoadProject)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildPage)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveFiles)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Check)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// main() comes from the benchmark library (every bench/*.cpp joins one program).
