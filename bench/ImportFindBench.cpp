// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
// Find and import on big menus. Find's target: the next match of a text
// that no item holds (a scan of every item's texts) well within one frame
// (16 ms) on 100,000 items, once the index is built.
#include <benchmark/benchmark.h>
#include <string>

#include "BenchModel.h"
#include "core/check/CItemSearch.h"
#include "core/import/CGumboOptions.h"
#include "core/import/CImportBuilder.h"
#include "core/import/CMenuImport.h"

namespace {

void BM_FindNextNoMatch(benchmark::State& state)
{
    const CItemSearch search(BenchModel::Shared(static_cast<int>(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(search.FindNext(nullptr, "no item holds this"));
}

// Building the index: once at the first Find after a change.
void BM_FindIndex(benchmark::State& state)
{
    const CAppletParameters& p = BenchModel::Shared(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(CItemSearch(p).ItemCount());
}

// A page whose <nav> holds range(0) items, ten a sub-list, two levels deep.
std::string NavPage(int items)
{
    std::string page = "<!DOCTYPE html><html><body><nav><ul>";
    for (int i = 0; i < items / 11; ++i) {
        page += "<li><a href=\"s" + std::to_string(i) + "/\" title=\"Section &amp; more\">Section " +
                std::to_string(i) + "</a><ul>";
        for (int k = 0; k < 10; ++k)
            page += "<li><a href=\"s" + std::to_string(i) + "/p" + std::to_string(k) + ".html\">Page " +
                    std::to_string(k) + "</a>";
        page += "</ul>";
    }
    return page + "</ul></nav></body></html>";
}

void BM_ImportNavPage(benchmark::State& state)
{
    const std::string page = NavPage(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        CMenuImport import;
        CImportNode root;
        if (!import.LoadText(page, "menu.html") || !import.Import(root))
            state.SkipWithError("import failed");
        CAppletParameters params;
        CImportBuilder::BuildProject(params, root);
        benchmark::DoNotOptimize(params.m_arrMenus.size());
    }
}

std::string Repeat(const std::string& part, size_t times)
{
    std::string text;
    text.reserve(part.size() * times);
    for (size_t i = 0; i < times; ++i)
        text += part;
    return text;
}

// Pages of about a megabyte. 0: a flat list of links; 1: lists nested 900
// levels deep, closed by an outer end tag, one after another; 2: one list
// nested 900 levels with the rest of its items at the deepest level.
std::string ShapedPage(int shape)
{
    constexpr size_t kSize = 1u << 20;
    if (shape == 0) {
        const std::string item = "<li><a href=\"page.html\">A page</a>";
        return "<ul>" + Repeat(item, kSize / item.size());
    }
    const std::string deep = Repeat("<ul><li>x", 900);
    if (shape == 1)
        return Repeat("<div>" + deep + "</div>", kSize / (deep.size() + 11));
    return deep + Repeat("<li>x", (kSize - deep.size()) / 5);
}

// The parser alone: what no walk of ours can go below.
void BM_ParseShapedPage(benchmark::State& state)
{
    const std::string page = ShapedPage(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        GumboOutput* output = gumbo_parse_with_options(&CGumboOptions::Get(), page.data(), page.size());
        benchmark::DoNotOptimize(output->root);
        gumbo_destroy_output(&CGumboOptions::Get(), output);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.size()));
}

// Everything an import does with the page, up to the model.
void BM_ImportShapedPage(benchmark::State& state)
{
    const std::string page = ShapedPage(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        CMenuImport import;
        CImportNode root;
        if (!import.LoadText(page, "page.html")) {
            state.SkipWithError(import.Error().c_str());
            break;
        }
        if (import.Import(root)) {
            CAppletParameters params;
            CImportBuilder::BuildProject(params, root);
            benchmark::DoNotOptimize(params.m_arrMenus.size());
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.size()));
}

}  // namespace

BENCHMARK(BM_ParseShapedPage)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportShapedPage)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindNextNoMatch)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindIndex)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportNavPage)->Arg(10000)->Unit(benchmark::kMillisecond);
