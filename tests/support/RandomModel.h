// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "core/model/CAppletParameters.h"

// Builds random models for tests and benchmarks: any shape up to a depth,
// hidden items and menus, every value random, texts with awkward characters.
// Models made here survive a project-file round trip unchanged: top-level
// menus carry the name the reader gives them, labels hold no TAB and the
// spare style texts stay empty.
class RandomModel {
public:
    struct Options {
        int items = 40;                       // items in all
        int maxDepth = 6;                     // deepest menu level (top-level = 1)
        int hiddenPercent = 15;               // chance of an invisible item or menu
        bool awkwardText = true;              // commas, line breaks, escapes, quotes, high bytes
        int longTextPercent = 2;              // chance of a text over 10,239 characters
        std::vector<std::string> mediaPaths;  // chosen from for media fields ("" allowed)
    };

    explicit RandomModel(std::uint32_t seed) : m_rng(seed) {}

    void Fill(CAppletParameters& params, const Options& options);
    std::string Text(bool awkward, int longTextPercent);

    // "" when both models hold the same values and shape; else the first
    // difference found.
    static std::string Difference(const CAppletParameters& a, const CAppletParameters& b);

private:
    int Int();
    int Small(int limit);
    void FillStyle(CMenuStyle& style);
    void FillItem(CTavelinItem& item, const Options& options);
    std::string Media(const Options& options);

    std::mt19937 m_rng;
};
