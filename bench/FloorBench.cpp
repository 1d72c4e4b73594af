// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
// The references that the codec's figures are measured against, in the same
// run and on the same generated projects: the floor of each operation (a true
// lower bound: the least any implementation must do with the same bytes), the
// archive and a deep copy of the whole tree, and the memory a loaded model takes.
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

#include "BenchModel.h"
#include "core/format/CProjectReader.h"
#include "core/io/CStdFileSystem.h"
#include "core/model/CArchive.h"
#include "core/publish/CPageWriter.h"

namespace {
namespace fs = std::filesystem;

// A temporary folder removed at exit, or the folder that ATW_BENCH_KEEP
// names, where the generated pages and project files stay for the end-to-end
// runs of bench/run.sh (as floorN.htm and floorN.tvx).
const fs::path& Dir()
{
    static const fs::path dir = [] {
        if (const char* keep = std::getenv("ATW_BENCH_KEEP"); keep && *keep) {
            fs::create_directories(keep);
            return fs::path(keep);
        }
        fs::path d = fs::temp_directory_path() / ("atw-floor-bench-" + std::to_string(::getpid()));
        fs::create_directories(d);
        std::atexit([] {
            std::error_code ec;
            fs::remove_all(Dir(), ec);
        });
        return d;
    }();
    return dir;
}

struct Project {
    CAppletParameters* model = nullptr;
    std::string page;
    std::string projectText;
    std::string projectFile;
};

// The same shape as the codec benchmarks: depth up to 6, hidden items and
// menus, long labels now and then.
Project& Generated(int items)
{
    static std::map<int, Project> projects;
    Project& p = projects[items];
    if (p.page.empty()) {
        p.model = &BenchModel::Shared(items);
        CPageWriter writer(*p.model, CStdFileSystem::Instance(), Dir().string());
        p.page = writer.BuildPage();
        const std::string pagePath = (Dir() / ("floor" + std::to_string(items) + ".htm")).string();
        writer.SaveFiles(pagePath, Dir().string(), p.page);
        p.projectFile = (Dir() / ("floor" + std::to_string(items) + ".tvx")).string();
        CStdFileSystem::Instance().ReadFile(p.projectFile, p.projectText);
    }
    return p;
}

void PerItem(benchmark::State& state)
{
    state.counters["per_item"] =
        benchmark::Counter(static_cast<double>(state.range(0)),
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Load floor: the file's bytes read into a buffer that every pass reuses (no
// allocation, no zero fill, no fresh pages) and cut into lines, nothing more.
void BM_LoadFloor_ReadScan(benchmark::State& state)
{
    const Project& p = Generated(static_cast<int>(state.range(0)));
    const size_t size = p.projectText.size();
    const std::unique_ptr<char[]> buffer(new char[size + 1]);
    std::vector<std::string_view> lines;
    for (auto _ : state) {
        const int fd = ::open(p.projectFile.c_str(), O_RDONLY | O_CLOEXEC);
        size_t filled = 0;
        for (ssize_t got; filled <= size && (got = ::read(fd, buffer.get() + filled, size + 1 - filled)) > 0;)
            filled += static_cast<size_t>(got);
        ::close(fd);
        lines.clear();
        const char* at = buffer.get();
        const char* const end = at + filled;
        while (const void* nl = std::memchr(at, '\n', static_cast<size_t>(end - at))) {
            lines.emplace_back(at, static_cast<size_t>(static_cast<const char*>(nl) - at));
            at = static_cast<const char*>(nl) + 1;
        }
        benchmark::DoNotOptimize(lines.data());
    }
    PerItem(state);
}

// BuildPage floor: the same number of bytes appended to a string in pieces
// of one parameter line's typical length.
void BM_BuildPageFloor_Append(benchmark::State& state)
{
    const Project& p = Generated(static_cast<int>(state.range(0)));
    const std::string piece(64, 'x');
    for (auto _ : state) {
        std::string out;
        while (out.size() < p.page.size())
            out += piece;
        benchmark::DoNotOptimize(out.data());
    }
    PerItem(state);
}

// SaveFiles floor: the page's and the project file's bytes, each written with
// one write to a temporary file, synced and renamed into place (what a save
// that cannot lose the old files must do at the least).
void BM_SaveFloor_WriteRename(benchmark::State& state)
{
    const Project& p = Generated(static_cast<int>(state.range(0)));
    const std::string target = (Dir() / "floor-save.bin").string();
    const std::string temp = target + ".tmp";
    for (auto _ : state) {
        for (const std::string* bytes : {&p.page, &p.projectText}) {
            const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
            if (fd < 0 || ::write(fd, bytes->data(), bytes->size()) != static_cast<ssize_t>(bytes->size()))
                state.SkipWithError("write failed");
            ::fsync(fd);
            ::close(fd);
            std::rename(temp.c_str(), target.c_str());
        }
    }
    PerItem(state);
}

// The whole tree as one item: every top-level menu becomes an item's sub-menu.
std::unique_ptr<CTavelinItem> WholeTree(const CAppletParameters& model)
{
    auto root = std::make_unique<CTavelinItem>("all");
    for (const auto& menu : model.m_arrMenus) {
        auto holder = std::make_unique<CTavelinItem>(menu->m_strName);
        holder->SetSubMenu(std::make_unique<CTavelin>(*menu));
        root->m_pSubMenu->AddItem(std::move(holder), false);
    }
    return root;
}

void BM_ArchiveStore(benchmark::State& state)
{
    auto root = WholeTree(*Generated(static_cast<int>(state.range(0))).model);
    for (auto _ : state)
        benchmark::DoNotOptimize(CArchive::StoreItem(*root));
    PerItem(state);
}

void BM_ArchiveLoad(benchmark::State& state)
{
    auto root = WholeTree(*Generated(static_cast<int>(state.range(0))).model);
    const std::string bytes = CArchive::StoreItem(*root);
    std::string error;
    for (auto _ : state)
        if (!CArchive::LoadItem(bytes, &error))
            state.SkipWithError(error.c_str());
    PerItem(state);
}

void BM_DeepCopy(benchmark::State& state)
{
    auto root = WholeTree(*Generated(static_cast<int>(state.range(0))).model);
    for (auto _ : state)
        benchmark::DoNotOptimize(std::make_unique<CTavelinItem>(*root));
    PerItem(state);
}

// Heap bytes held by a model loaded from the project file, per item.
void BM_LoadedModelMemory(benchmark::State& state)
{
    const Project& p = Generated(static_cast<int>(state.range(0)));
    double perItem = 0;
    for (auto _ : state) {
        auto model = std::make_unique<CAppletParameters>();
        const size_t before = mallinfo2().uordblks;
        CProjectReader(*model, CStdFileSystem::Instance(), Dir().string()).LoadProject(p.projectFile);
        const size_t after = mallinfo2().uordblks;
        perItem = static_cast<double>(after - before) / static_cast<double>(state.range(0));
    }
    state.counters["bytes_per_item"] = perItem;
}

// A figure of this process's status, in KiB; 0 when absent.
size_t StatusKib(std::string_view field)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.compare(0, field.size(), field) == 0)
            return std::strtoull(line.c_str() + field.size(), nullptr, 10);
    return 0;
}

// Resident memory at the peak of loading, above what the process held
// before, per item. The free heap goes back to the system first and the
// peak mark is reset, so only pages that the load itself touches count:
// the file's bytes, the record index and the model.
void BM_LoadPeakMemory(benchmark::State& state)
{
    const Project& p = Generated(static_cast<int>(state.range(0)));
    double perItem = 0;
    for (auto _ : state) {
        auto model = std::make_unique<CAppletParameters>();
        malloc_trim(0);
        std::ofstream("/proc/self/clear_refs") << "5";
        const size_t before = StatusKib("VmRSS:");
        if (StatusKib("VmHWM:") > before + 64)
            state.SkipWithError("the peak mark could not be reset");
        CProjectReader(*model, CStdFileSystem::Instance(), Dir().string()).LoadProject(p.projectFile);
        const size_t peak = StatusKib("VmHWM:");
        perItem = static_cast<double>(peak - before) * 1024.0 / static_cast<double>(state.range(0));
    }
    state.counters["bytes_per_item"] = perItem;
}
}  // namespace

// Makes the project of the size, nothing more: with ATW_BENCH_KEEP it stays
// for the whole-process runs of bench/endtoend.py at a million items.
void BM_MakeProject(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(Generated(static_cast<int>(state.range(0))).page.size());
}

BENCHMARK(BM_MakeProject)->Arg(1000000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadFloor_ReadScan)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildPageFloor_Append)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveFloor_WriteRename)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ArchiveStore)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ArchiveLoad)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeepCopy)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadedModelMemory)->Arg(100000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadPeakMemory)->Arg(100000)->Iterations(1)->Unit(benchmark::kMillisecond);
