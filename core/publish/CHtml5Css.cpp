// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CHtml5Css.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <unordered_map>

namespace {
// One rule a line; the runtime (web/src/css.js) carries the very same lines.
const char* const kStaticCss = R"css(
.tv-box{position:relative;display:inline-block;vertical-align:baseline;box-sizing:border-box;overflow:auto;text-align:start;line-height:normal;white-space:normal}
.tv-nav{position:relative;display:flow-root}
.tv-menu{list-style:none;margin:0;padding:0;position:relative;box-sizing:border-box}
.tv-li{position:relative;list-style:none;margin:0;padding:0}
.tv-item{position:relative;z-index:1;display:block;box-sizing:border-box;overflow:hidden;margin:0;padding:0;border:0 solid transparent;border-radius:0;text-decoration:none;text-align:start;cursor:pointer;-webkit-appearance:none;appearance:none;background-origin:border-box}
.tv-item:focus-visible{outline:2px dashed currentColor;outline-offset:-4px}
.tv-label{position:absolute;top:50%;inset-inline:0;transform:translateY(-50%);white-space:pre;overflow:hidden;text-overflow:ellipsis;line-height:1.15;pointer-events:none}
.tv-img{position:absolute;top:50%;display:none;max-width:none;pointer-events:none;border:0}
.tv-sub{display:flow-root;position:relative}
.tv-sub[hidden]{display:none}
.tv-js .tv-box:not([data-tavelin-ready]) .tv-sub{display:none}
.tv-toggle{position:absolute;z-index:2;top:0;inset-inline-end:0;width:24px;min-height:24px;overflow:hidden;margin:0;padding:0;border:0;background:none;font:inherit;text-align:center;cursor:pointer}
.tv-toggle:focus-visible{outline:2px dashed currentColor;outline-offset:-2px}
.tv-toggle::before,button.tv-item[aria-expanded]::after{content:"\25B8"}
[dir="rtl"] .tv-toggle::before,[dir="rtl"] button.tv-item[aria-expanded]::after{content:"\25C2"}
.tv-toggle[aria-expanded="true"]::before,button.tv-item[aria-expanded="true"]::after{content:"\25BE"}
button.tv-item[aria-expanded]::after{position:absolute;z-index:1;top:50%;inset-inline-end:0;width:24px;text-align:center;transform:translateY(-50%);pointer-events:none}
.tv-item .tv-img-n{display:block}
.tv-item:hover .tv-img-n,.tv-item:focus-visible .tv-img-n{display:none}
.tv-item:hover .tv-img-o,.tv-item:focus-visible .tv-img-o{display:block}
.tv-item.tv-sel .tv-img-n,.tv-item.tv-sel .tv-img-o,.tv-item:active .tv-img-n,.tv-item:active .tv-img-o{display:none}
.tv-item.tv-sel .tv-img-c,.tv-item:active .tv-img-c{display:block}
.tv-open>.tv-item .tv-img-n,.tv-open>.tv-item .tv-img-o,.tv-shut>.tv-item.tv-sel .tv-img-c,.tv-shut>.tv-item.tv-sel:hover .tv-img-n{display:none}
.tv-open>.tv-item .tv-img-c,.tv-shut>.tv-item.tv-sel .tv-img-n{display:block}
.tv-item .tv-img-a{display:block}
.tv-shut>.tv-item.tv-sel:hover .tv-img-a{display:none}
.tv-item .tv-img-no,.tv-item .tv-img-nc{display:block}
.tv-item.tv-sel .tv-img-no,.tv-item:active .tv-img-no,.tv-item:hover .tv-img-nc,.tv-item:focus-visible .tv-img-nc{display:none}
.tv-item.tv-sel .tv-img-nc,.tv-item:active .tv-img-nc,.tv-open>.tv-item .tv-img-nc,.tv-shut>.tv-item.tv-sel .tv-img-no,.tv-shut>.tv-item.tv-sel .tv-img-nc{display:block}
.tv-open>.tv-item .tv-img-no,.tv-shut>.tv-item.tv-sel:hover .tv-img-no,.tv-shut>.tv-item.tv-sel:hover .tv-img-nc{display:none}
.tv-fluid{display:block;width:auto!important;height:auto!important;max-width:100%;overflow:visible}
.tv-fluid .tv-menu{width:auto!important;margin-inline-start:0!important}
.tv-fluid .tv-sub>.tv-menu{margin-inline-start:var(--tv-fluid-indent,16px)!important}
.tv-fluid .tv-item{display:flex;align-items:center;gap:4px;width:auto!important;height:auto!important;min-height:44px;margin-block:0!important;padding:2px 8px}
.tv-fluid .tv-label,.tv-fluid .tv-img{position:static;transform:none!important;white-space:pre-wrap;overflow-wrap:anywhere;text-overflow:clip}
.tv-fluid .tv-li::before,.tv-fluid .tv-li::after{display:none}
.tv-fluid .tv-li:has(>.tv-toggle)>.tv-item{padding-inline-end:48px}
.tv-fluid .tv-toggle{top:0!important;width:44px;height:44px!important;padding:0;text-align:center;line-height:44px!important;outline-offset:-4px}
.tv-fluid button.tv-item[aria-expanded]::after{position:static;width:auto;transform:none;margin-inline-start:auto;padding-inline-start:8px}
@media (prefers-reduced-motion:reduce){.tv-sub{transition:none!important;animation:none!important}}
@media (forced-colors:active){.tv-box,.tv-menu,.tv-item,.tv-toggle{background-image:none!important}.tv-img{display:none!important}.tv-label{-webkit-text-fill-color:CanvasText}a.tv-item .tv-label{-webkit-text-fill-color:LinkText}button.tv-item .tv-label{-webkit-text-fill-color:ButtonText}}
@media print{.tv-box{display:block;width:auto!important;height:auto!important;overflow:visible;background:none!important;border:0!important}.tv-sub[hidden]{display:block!important}.tv-toggle,.tv-img,.tv-li::before,.tv-li::after,button.tv-item::after{display:none!important}.tv-menu{width:auto!important;margin-top:0!important;list-style:disc;padding-inline-start:1.5em;outline:0!important;background:none!important}.tv-li{list-style:inherit}.tv-item{display:list-item;width:auto!important;height:auto!important;background:none!important;color:#000!important;border:0!important;text-shadow:none!important}.tv-label{position:static;transform:none;white-space:pre-wrap}a.tv-item[href]::after{content:" <" attr(href) ">";font-size:smaller}}
)css";

const std::array<const char*, 3> kFontFamilies = {"\"Times New Roman\", Times, \"Liberation Serif\", serif",
                                                  "Helvetica, Arial, \"Liberation Sans\", sans-serif",
                                                  "\"Courier New\", Courier, \"Liberation Mono\", monospace"};

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

std::string Px(int value)
{
    return std::to_string(value) + "px";
}

std::string ReplaceAll(const std::string& text, const std::string& what, const std::string& with)
{
    std::string out;
    out.reserve(text.size() + text.size() / 4);
    size_t start = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, start)) {
        out.append(text, start, at - start);
        out += with;
        start = at + what.size();
    }
    out.append(text, start, std::string::npos);
    return out;
}

std::string Rule(const std::string& selectors, const std::string& body)
{
    return selectors + '{' + body + '}';
}

// Each selector of a comma-separated list with tail appended.
std::string Descendants(const std::string& selectors, const std::string& tail)
{
    std::string out;
    size_t start = 0;
    while (start <= selectors.size()) {
        size_t end = selectors.find(',', start);
        if (end == std::string::npos)
            end = selectors.size();
        out += (out.empty() ? "" : ",") + selectors.substr(start, end - start) + tail;
        start = end + 1;
    }
    return out;
}

bool IsLight(COLORREF c)
{
    return 0.299 * GetRValue(c) + 0.587 * GetGValue(c) + 0.114 * GetBValue(c) > 140;
}

// The page carries several small values as one run of digits ("%d%d%d");
// a value outside -9..9 spoils the run and the reader falls back to its
// defaults for all of them. The export draws what the page would give.
template <size_t N>
std::array<int, N> Digits(const std::array<int, N>& values, const std::array<int, N>& defaults)
{
    for (int v : values)
        if (v < -9 || v > 9)
            return defaults;
    return values;
}

// A raised or sunken edge: light on the top and left, dark on the bottom
// and right (the other way round when sunken).
std::string BevelCss(int width, COLORREF base, bool sunken)
{
    const std::string light = CHtml5Css::Hex(CHtml5Css::Mix(base, kWhite, 0.6));
    const std::string dark = CHtml5Css::Hex(CHtml5Css::Mix(base, kBlack, 0.55));
    const std::string& tl = sunken ? dark : light;
    const std::string& br = sunken ? light : dark;
    return "border:" + Px(width) + " solid;border-color:" + tl + ' ' + br + ' ' + br + ' ' + tl + ';';
}

std::string FontEffectCss(int effect, COLORREF font)
{
    const std::string c = IsLight(font) ? "#000000" : "#ffffff";
    switch (effect) {
    case 1: return "text-shadow:-1px -1px 0 " + c + ",1px -1px 0 " + c + ",-1px 1px 0 " + c + ",1px 1px 0 " + c + ';';
    case 2: return "text-shadow:-1px -1px 0 rgba(0,0,0,.75),1px 1px 0 rgba(255,255,255,.6);";
    case 3: return "text-shadow:1px 1px 0 rgba(0,0,0,.75),-1px -1px 0 rgba(255,255,255,.6);";
    case 4: return "text-shadow:2px 2px 2px rgba(0,0,0,.7);";
    default: return "text-shadow:none;";
    }
}

// The look of a state as the page gives it to the reader.
CItemStyle AsPageGives(const CItemStyle& s)
{
    CItemStyle out = s;
    const auto look = Digits<3>({s.m_nGradientDir, s.m_nBackStyle, s.m_nBorder + 1}, {1, 1, 1});
    out.m_nGradientDir = look[0];
    out.m_nBackStyle = look[1];
    out.m_nBorder = look[2] - 1;
    const auto align = Digits<2>({s.m_nImageAlign, s.m_nTextAlign}, {0, 0});
    out.m_nImageAlign = align[0];
    out.m_nTextAlign = align[1];
    return out;
}
}  // namespace

const std::string& CHtml5Css::StaticCss()
{
    static const std::string text = std::string(kStaticCss).substr(1);
    return text;
}

std::string CHtml5Css::Hex(COLORREF color)
{
    static const char* const kDigits = "0123456789abcdef";
    std::string out = "#";
    for (unsigned channel : {GetRValue(color), GetGValue(color), GetBValue(color)}) {
        out += kDigits[channel >> 4];
        out += kDigits[channel & 15];
    }
    return out;
}

COLORREF CHtml5Css::Mix(COLORREF a, COLORREF b, double part)
{
    auto channel = [part](unsigned x, unsigned y) {
        return static_cast<unsigned>(std::floor(x + (static_cast<double>(y) - x) * part + 0.5));
    };
    return RGB(channel(GetRValue(a), GetRValue(b)), channel(GetGValue(a), GetGValue(b)),
               channel(GetBValue(a), GetBValue(b)));
}

std::string CHtml5Css::BackgroundCss(int style, COLORREF color, bool bothWays)
{
    return BackgroundCss(style, Hex(color), bothWays);
}

std::string CHtml5Css::BackgroundCss(int style, const std::string& color, bool bothWays)
{
    if (style == 0)
        return "transparent";
    if (style < 2 || style > 9)
        return color;
    const char* dir = style < 6 ? "to right" : "to bottom";
    const int kind = (style - 2) % 4;
    const std::string other = kind == 0 || kind == 2 ? "#000000" : "#ffffff";
    const std::string from = kind < 2 ? other : color;
    const std::string to = kind < 2 ? color : other;
    return std::string("linear-gradient(") + dir + ',' + from + ',' + to + (bothWays ? ',' + from : "") + ')';
}

std::string CHtml5Css::ColorVar(const std::string& name, COLORREF color)
{
    return "var(" + name + ',' + Hex(color) + ')';
}

double CHtml5Css::Luminance(COLORREF color)
{
    auto linear = [](unsigned v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(GetRValue(color)) + 0.7152 * linear(GetGValue(color)) + 0.0722 * linear(GetBValue(color));
}

double CHtml5Css::Contrast(COLORREF a, COLORREF b)
{
    const double x = Luminance(a), y = Luminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

// The look's own text colour when it stands out 4.5:1 from a filled
// background, else the nearest mix towards white or black (first the side
// the text is on) that does. The runtime picks the same.
COLORREF CHtml5Css::ReadableFont(const CItemStyle& s)
{
    constexpr double kReadable = 4.5;
    if (s.m_nBackStyle != 1 || Contrast(s.m_crFont, s.m_crBack) >= kReadable)
        return s.m_crFont;
    const bool lighter = Luminance(s.m_crFont) >= Luminance(s.m_crBack);
    const COLORREF sides[2] = {lighter ? kWhite : kBlack, lighter ? kBlack : kWhite};
    for (int k = 1; k <= 10; ++k)
        for (COLORREF side : sides) {
            const COLORREF c = Mix(s.m_crFont, side, k / 10.0);
            if (Contrast(c, s.m_crBack) >= kReadable)
                return c;
        }
    return sides[0];
}

std::string CHtml5Css::ItemCss(const CItemStyle& s, int thick, int state)
{
    static const char* const kVars[] = {"--tv-", "--tv-over-", "--tv-click-"};
    const std::string var = kVars[state];
    std::string border;
    if (s.m_nBorder == 1 || s.m_nBorder == 2)
        border = BevelCss(std::max(1, thick), s.m_crBack, s.m_nBorder == 2);
    else
        border = thick > 0 ? "border:" + Px(thick) + " solid " + Hex(s.m_crFont) + ';' : "border:0;";
    const bool knownFont = s.m_nFontName >= 0 && s.m_nFontName < 3;
    return "background:" + BackgroundCss(s.m_nBackStyle, ColorVar(var + "back", s.m_crBack), s.m_nGradientDir == 1) +
           ';' + "color:" + ColorVar(var + "font", ReadableFont(s)) + ';' + border +
           "font-family:" + kFontFamilies[knownFont ? s.m_nFontName : 0] + ';' +
           "font-size:" + Px(std::max(1, s.m_nFontSize)) + ';' +
           "font-weight:" + (s.m_nFontStyle == 1 ? "bold" : "normal") + ';' +
           "font-style:" + (s.m_nFontStyle == 2 ? "italic" : "normal") + ';' +
           FontEffectCss(s.m_nFontEffect, s.m_crFont);
}

std::string CHtml5Css::LabelCss(const CItemStyle& s)
{
    const int off = s.m_nTextOffset;
    if (s.m_nTextAlign == 1)
        return "text-align:center;inset-inline-start:" + Px(off) + ";inset-inline-end:" + Px(-off) + ';';
    if (s.m_nTextAlign == 2)
        return "text-align:end;inset-inline-start:0;inset-inline-end:" + Px(off) + ';';
    return "text-align:start;inset-inline-start:" + Px(off) + ";inset-inline-end:0;";
}

std::string CHtml5Css::ImageCss(const CItemStyle& s)
{
    const int off = s.m_nImageOffset;
    if (s.m_nImageAlign == 1)
        return "inset-inline-start:" + Px(off) + ";inset-inline-end:" + Px(-off) +
               ";margin-inline:auto;transform:translateY(-50%);";
    if (s.m_nImageAlign == 2)
        return "inset-inline-start:auto;inset-inline-end:" + Px(off) + ";margin-inline:0;transform:translateY(-50%);";
    return "inset-inline-start:" + Px(off) + ";inset-inline-end:auto;margin-inline:0;transform:translateY(-50%);";
}

std::string CHtml5Css::TreeLineCss(const std::string& menuSel, const CTavelin& menu, const CAppletParameters& p)
{
    const int t = std::max(1, p.m_nLineThick);
    const int x = p.m_nLineIndent - menu.m_nIndent;
    const int mid =
        static_cast<int>(std::floor(menu.m_nItemHeight / 2.0 - t / 2.0 + 0.5)) + TargetPad(menu.m_nItemHeight);
    const std::string li = menuSel + ">.tv-li";
    const std::string line =
        "content:\"\";position:absolute;z-index:0;background:" + ColorVar("--tv-line", p.m_crLine) + ';';
    std::string out;
    if (menu.m_nIndent > p.m_nLineIndent)
        out += Rule(li + "::before", line + "inset-inline-start:" + Px(x) +
                                         ";width:" + Px(menu.m_nIndent - p.m_nLineIndent) + ";top:" + Px(mid) +
                                         ";height:" + Px(t) + ';');
    out += Rule(li + "::after", line + "inset-inline-start:" + Px(x) + ";width:" + Px(t) +
                                    ";top:" + Px(-menu.m_nItemGap) + ";bottom:0;");
    out += Rule(li + ":first-child::after", "top:0;");
    out += Rule(li + ":last-child::after", "bottom:auto;height:" + Px(menu.m_nItemGap + mid + t) + ';');
    out += Rule(li + ":first-child:last-child::after", "height:" + Px(mid + t) + ';');
    return out;
}

std::string CHtml5Css::MenuCss(const std::string& sel, const CTavelin& menu, int number, const CAppletParameters& p)
{
    const std::string item = sel + ">.tv-li>.tv-item";
    const std::array<std::string, 3> states = {item, item + ":hover," + item + ":focus-visible",
                                               item + ".tv-sel," + item + ":active"};
    const bool filled = menu.m_nBackStyle == 2 || menu.m_nBackStyle == 3;
    const bool bordered = menu.m_nBackStyle == 1 || menu.m_nBackStyle == 3;
    const int width = std::max(0, menu.m_nItemWidth);
    const int height = std::max(0, menu.m_nItemHeight);
    const int startY = number == 0 ? p.m_nDisplayFromY : 0;
    std::string box =
        "margin-inline-start:" + Px(menu.m_nIndent) + ";width:" + Px(width) + ";margin-top:" + Px(startY) + ';';
    if (filled)
        box += "background:" + Hex(menu.m_crBackground) + ';';
    if (bordered)
        box += "outline:1px solid " + Hex(filled ? Mix(menu.m_crBackground, kBlack, 0.45) : menu.m_crBackground) + ';';
    const CItemStyle over = AsPageGives(menu.m_styleOver);
    std::string out = Rule(sel, box);
    out += Rule(sel + ">.tv-li+.tv-li", "margin-top:" + Px(menu.m_nItemGap) + ';');
    const int pad = TargetPad(height);
    if (pad > 0)
        out += Rule(sel + ">.tv-li", "display:flow-root;");
    out += Rule(item, "width:" + Px(width) + ";height:" + Px(height) + ';' +
                          (pad > 0 ? "margin-block:" + Px(pad) + ';' : std::string()));
    // The toggle is as tall as the entry (at least 24 px with the room above
    // and below) and takes the mouse-over colours when pointed at or focused.
    const std::string toggle = sel + ">.tv-li>.tv-toggle";
    out += Rule(toggle, "color:" + Hex(ReadableFont(AsPageGives(menu.Style(0)))) + ";height:" + Px(height + 2 * pad) +
                            ";line-height:" + Px(height + 2 * pad) + ';');
    out += Rule(toggle + ":hover," + toggle + ":focus-visible",
                "color:" + Hex(ReadableFont(over)) + ";background:" + Hex(over.m_crBack) + ';');
    for (int s = 0; s < 3; ++s) {
        const CItemStyle state = AsPageGives(menu.Style(s));
        out += Rule(states[s], ItemCss(state, menu.m_nBorderThick, s));
        out += Rule(Descendants(states[s], " .tv-label"), LabelCss(state));
        out += Rule(Descendants(states[s], " .tv-img"), ImageCss(state));
    }
    if (p.m_bHasLines != 0)
        out += TreeLineCss(sel, menu, p);
    return out;
}

std::string CHtml5Css::AppletCss(const CAppletParameters& p, const std::string& imageUrl)
{
    const auto look =
        Digits<3>({p.m_nGradientDir, p.m_nBackStyle == 0 ? 1 : p.m_nBackStyle + 5, p.m_nBorder}, {1, 1, 0});
    std::string layers;
    if (!imageUrl.empty()) {
        layers = "url(\"" + imageUrl + "\") ";
        layers +=
            p.m_nImageMode == 1 ? std::string("0 0 repeat") : Px(p.m_nImageX) + ' ' + Px(p.m_nImageY) + " no-repeat";
    }
    const std::string back = BackgroundCss(look[1], p.m_crBackground, look[0] == 1);
    if (back.find("gradient") != std::string::npos)
        layers += (layers.empty() ? "" : ",") + back;
    std::string css =
        "background:" + (layers.empty() ? "" : layers + ' ') + ColorVar("--tv-box-back", p.m_crBackground) + ';';
    if (look[2] == 1 || look[2] == 2)
        css += BevelCss(2, p.m_crBackground, look[2] == 2);
    else
        css += "border:0;";
    return css;
}

std::string CHtml5Css::BoxCss(const std::string& scope, const CAppletParameters& p,
                              const std::vector<const CTavelin*>& menus, const std::string& imageUrl,
                              std::vector<int>* styleClasses)
{
    const int width = p.m_nWidth >= 0 ? p.m_nWidth : 400;
    const int height = p.m_nHeight >= 0 ? p.m_nHeight : 200;
    std::string out = Rule(scope, "width:" + Px(width) + ";height:" + Px(height) + ';' + AppletCss(p, imageUrl));
    std::unordered_map<std::string, int> classes;
    if (styleClasses)
        styleClasses->clear();
    const std::string placeholder(1, '\0');
    for (size_t m = 0; m < menus.size(); ++m) {
        const std::string text = MenuCss(placeholder, *menus[m], static_cast<int>(m), p);
        const auto [found, added] = classes.emplace(text, static_cast<int>(classes.size()));
        if (added)
            out += ReplaceAll(text, placeholder, scope + " .tv-k" + std::to_string(found->second));
        if (styleClasses)
            styleClasses->push_back(found->second);
    }
    return out;
}
