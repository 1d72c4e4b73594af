// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "core/model/CAppletParameters.h"

// The style sheet of an exported menu page: the fixed rules shared with the
// runtime "tavelin.js", and the rules made from the model's values. Both sides
// make the same rules from the same values, so a page looks the same whether
// its menus come from the applet parameters or from the exported markup.
class CHtml5Css {
public:
    // The rules every menu box needs (the runtime carries the same text).
    static const std::string& StaticCss();

    // The rules of one menu box: scope is its id selector ("#tv1"), menus
    // the written menus in number order (their index is their number),
    // imageUrl the background image as the page refers to it (or "").
    // Menus that look alike share one set of rules under the class "tv-k"
    // + k; styleClasses (when given) receives each menu's k.
    static std::string BoxCss(const std::string& scope, const CAppletParameters& params,
                              const std::vector<const CTavelin*>& menus, const std::string& imageUrl,
                              std::vector<int>* styleClasses = nullptr);

    // "#rrggbb"
    static std::string Hex(COLORREF color);
    // Item background: 0 transparent, 1 filled, 2..5 horizontal and 6..9
    // vertical gradients; any other value is filled.
    static std::string BackgroundCss(int style, COLORREF color, bool bothWays);
    // The same with the colour as CSS text ("#rrggbb" or "var(--x,#rrggbb)").
    static std::string BackgroundCss(int style, const std::string& color, bool bothWays);
    // "var(name,#rrggbb)": a colour an author can override.
    static std::string ColorVar(const std::string& name, COLORREF color);
    // The colour part way (0..1) from a to b.
    static COLORREF Mix(COLORREF a, COLORREF b, double part);
    // Items less than 24 px tall get this much room above and below, so that
    // every target has a 24 px circle of its own; their drawn size stays.
    static int TargetPad(int itemHeight) { return itemHeight >= 24 ? 0 : (25 - std::max(0, itemHeight)) / 2; }
    // WCAG's contrast ratio of two colours (1 to 21).
    static double Contrast(COLORREF a, COLORREF b);
    // The text colour an item state is drawn with: its own, unless that is
    // below 4.5:1 on its filled background.
    static COLORREF ReadableFont(const CItemStyle& state);

private:
    static double Luminance(COLORREF color);
    // sel stands for the menu's list.
    static std::string MenuCss(const std::string& sel, const CTavelin& menu, int number,
                               const CAppletParameters& params);
    static std::string ItemCss(const CItemStyle& state, int thick, int stateIndex);
    static std::string LabelCss(const CItemStyle& state);
    static std::string ImageCss(const CItemStyle& state);
    static std::string TreeLineCss(const std::string& menuSel, const CTavelin& menu, const CAppletParameters& params);
    static std::string AppletCss(const CAppletParameters& params, const std::string& imageUrl);
};
