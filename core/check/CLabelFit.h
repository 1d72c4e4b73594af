// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/model/CAppletParameters.h"

// Whether the items' labels fit the width of their items. The core has no
// fonts to measure with, so a label's width is an estimate: the character
// count of its longest line times an average character width taken from the
// menu's font size (TimesRoman 0.50, Helvetica 0.56, Courier 0.60 of the
// size; bold a tenth wider), of the widest of the three item states. For
// Latin text this is close to what a browser draws; it names labels that are
// clearly too long, and the item width a menu needs for its longest label.
//
// The room for a label is the item width less both borders, the text offset
// and kPadding on each side.
class CLabelFit {
public:
    static constexpr int kPadding = 2;

    // A visible label that does not fit: the item, its path of labels from
    // the top ("Products > Products and services"), the estimated width of
    // the label and the room its item gives it.
    struct Misfit {
        const CTavelinItem* item = nullptr;
        std::string path;
        int width = 0;
        int room = 0;
    };

    // A label as one line: its line breaks become spaces.
    static std::string OneLine(std::string_view label);
    // The estimated width of label's longest line in the menu's fonts.
    static int TextWidth(std::string_view label, const CMenuStyle& menu);
    static int Room(const CMenuStyle& menu);
    // The item width that menu needs for the longest of its visible labels;
    // never less than its item width now.
    static int NeededItemWidth(const CTavelin& menu);
    // Every visible label of visible menus that does not fit, in the order of
    // the tree.
    static std::vector<Misfit> Find(const CAppletParameters& params);
    // The visible menus that need wider items, with the width each needs.
    static std::vector<std::pair<CTavelin*, int>> MenusToWiden(CAppletParameters& params);
};
