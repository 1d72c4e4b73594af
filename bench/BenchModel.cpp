// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "BenchModel.h"

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <unistd.h>

#include "core/io/CStdFileSystem.h"

namespace {
const char* const kWords[] = {"Outdoor", "lighting", "garden", "accessories", "kitchen", "tools",
                              "spare",   "parts",    "office", "furniture",   "lamps",   "cables"};

std::string Words(std::mt19937& rng, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i) {
        if (i)
            text += ' ';
        text += kWords[rng() % std::size(kWords)];
    }
    return text;
}

void FillItem(CTavelinItem& item, int number, std::mt19937& rng, const std::vector<std::string>& media)
{
    const bool longLabel = rng() % 20 == 0;
    item.m_strLabel = "Category " + std::to_string(number) + " - " + Words(rng, longLabel ? 12 : 4);
    item.m_strDescription = "Everything for " + Words(rng, 5);
    item.m_strLink = "products/category-" + std::to_string(number) + ".htm";
    item.m_strTarget = rng() % 4 == 0 ? "_blank" : "";
    if (!media.empty() && rng() % 2 == 0) {
        item.m_strNormalImage = media[rng() % media.size()];
        item.m_strOverImage = media[rng() % media.size()];
        item.m_strOverAudio = media[rng() % media.size()];
    }
    item.m_bVisible = rng() % 10 == 0 ? 0 : 1;
}
}  // namespace

void BenchModel::Fill(CAppletParameters& params, int items, const std::vector<std::string>& mediaPaths)
{
    std::mt19937 rng(static_cast<std::uint32_t>(items));
    params.Reset();
    params.m_strName = "Product catalogue";
    for (int t = 0; t < 4; ++t) {
        CTavelin* top = params.AddTopMenu();
        top->m_bVisible = t == 3 ? 0 : 1;
    }
    // Breadth-first: each new item goes under a menu chosen among those
    // made so far, deeper ones more often, up to six levels.
    std::vector<std::pair<CTavelin*, int>> menus;
    for (auto& top : params.m_arrMenus)
        menus.emplace_back(top.get(), 1);
    for (int n = 0; n < items; ++n) {
        const size_t pick = menus.size() - 1 - (rng() % std::min<size_t>(menus.size(), 64));
        auto [menu, level] = menus[pick];
        CTavelinItem* item = menu->InsertNewItem();
        FillItem(*item, n, rng, mediaPaths);
        if (level < 6 && rng() % 3 == 0)
            menus.emplace_back(item->m_pSubMenu.get(), level + 1);
    }
}

const std::vector<std::string>& BenchModel::Media()
{
    static const std::vector<std::string> media = [] {
        namespace fs = std::filesystem;
        static const fs::path dir = fs::temp_directory_path() / ("atw-bench-media-" + std::to_string(::getpid()));
        fs::create_directories(dir);
        std::atexit([] {
            std::error_code ec;
            fs::remove_all(dir, ec);
        });
        std::vector<std::string> paths;
        for (const char* name : {"a.gif", "b.png", "c.wav", "d.au"}) {
            paths.push_back((dir / name).string());
            CStdFileSystem::Instance().WriteFileAtomic(paths.back(), std::string(2048, 'm'));
        }
        paths.push_back((dir / "missing.jpg").string());
        return paths;
    }();
    return media;
}

CAppletParameters& BenchModel::Shared(int items)
{
    static std::map<int, std::unique_ptr<CAppletParameters>> models;
    auto& slot = models[items];
    if (!slot) {
        slot = std::make_unique<CAppletParameters>();
        Fill(*slot, items, Media());
    }
    return *slot;
}
