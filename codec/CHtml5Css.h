#pragma once

#include <string>
#include <vector>

#include "../model/CAppletParameters.h"

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
    static std::string BoxCss(const std::string& scope, const CAppletParameters& params,
                              const std::vector<const CTavelin*>& menus, const std::string& imageUrl);

    // "#rrggbb"
    static std::string Hex(COLORREF color);
    // Item background: 0 transparent, 1 filled, 2..5 horizontal and 6..9
    // vertical gradients; any other value is filled.
    static std::string BackgroundCss(int style, COLORREF color, bool bothWays);
    // The colour part way (0..1) from a to b.
    static COLORREF Mix(COLORREF a, COLORREF b, double part);

private:
    static std::string MenuCss(const std::string& scope, const CTavelin& menu, int number,
                               const CAppletParameters& params);
    static std::string ItemCss(const CItemStyle& state, int thick);
    static std::string LabelCss(const CItemStyle& state);
    static std::string ImageCss(const CItemStyle& state);
    static std::string TreeLineCss(const std::string& menuSel, const CTavelin& menu,
                                   const CAppletParameters& params);
    static std::string AppletCss(const CAppletParameters& params, const std::string& imageUrl);
};
