// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "core/model/CAppletParameters.h"

// The projects the benchmarks measure: a large product catalogue of a given
// number of items, four top-level menus (one hidden), menus nested up to six
// levels, one item in ten hidden, labels and descriptions of realistic
// length (some long), and media paths shared by many items, as after "All
// the Items". The same count always gives the same project.
class BenchModel {
public:
    static void Fill(CAppletParameters& params, int items, const std::vector<std::string>& mediaPaths);
    // The one project of each size that every benchmark of a run measures,
    // its media paths naming small files in a temporary folder (removed at exit).
    static CAppletParameters& Shared(int items);
    static const std::vector<std::string>& Media();
};
