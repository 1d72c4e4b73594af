// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CParamEncoder.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "CFieldEscape.h"
#include "CNumberText.h"
#include "CNumberingWalk.h"
#include "core/io/CPath.h"

namespace {
constexpr unsigned char kBreak = 1;  // CR or LF
constexpr unsigned char kHtml = 2;   // "&" or "\""
constexpr unsigned char kField = 4;  // "," or "|", which the field escapes may rewrite

constexpr std::array<unsigned char, 256> MakeClasses()
{
    std::array<unsigned char, 256> classes{};
    classes['\r'] = kBreak;
    classes['\n'] = kBreak;
    classes['&'] = kHtml;
    classes['"'] = kHtml;
    classes[','] = kField;
    classes['|'] = kField;
    return classes;
}
constexpr std::array<unsigned char, 256> kClasses = MakeClasses();

// Appends text with the characters of the classes in mask rewritten: every
// line break (CR LF, lone CR, lone LF) becomes breakWith, "&" and "\"" their
// HTML entities. Runs of plain characters are appended whole.
void AppendText(std::string& out, std::string_view text, std::string_view breakWith, unsigned char mask)
{
    const size_t size = text.size();
    size_t start = 0;
    for (size_t i = 0; i < size; ++i) {
        const char c = text[i];
        if (!(kClasses[static_cast<unsigned char>(c)] & mask))
            continue;
        out.append(text.data() + start, i - start);
        if (c == '&') {
            out += "&amp;";
        } else if (c == '"') {
            out += "&quot;";
        } else {
            out += breakWith;
            if (c == '\r' && i + 1 < size && text[i + 1] == '\n')
                ++i;
        }
        start = i + 1;
    }
    out.append(text.data() + start, size - start);
}

// True when text holds a character of any class (CR, LF, "&", "\"", ","
// or "|"). Sixteen bytes are tested at a time where the processor offers it:
// most fields hold none of them.
bool HoldsAnyClass(std::string_view text)
{
    size_t i = 0;
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i amp = _mm_set1_epi8('&');
    const __m128i quote = _mm_set1_epi8('"');
    const __m128i comma = _mm_set1_epi8(',');
    const __m128i bar = _mm_set1_epi8('|');
    for (; i + 16 <= text.size(); i += 16) {
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i));
        const __m128i breaks = _mm_or_si128(_mm_cmpeq_epi8(b, cr), _mm_cmpeq_epi8(b, lf));
        const __m128i html = _mm_or_si128(_mm_cmpeq_epi8(b, amp), _mm_cmpeq_epi8(b, quote));
        const __m128i field = _mm_or_si128(_mm_cmpeq_epi8(b, comma), _mm_cmpeq_epi8(b, bar));
        if (_mm_movemask_epi8(_mm_or_si128(_mm_or_si128(breaks, html), field)) != 0)
            return true;
    }
#endif
    return std::any_of(text.begin() + static_cast<std::ptrdiff_t>(i), text.end(),
                       [](char c) { return kClasses[static_cast<unsigned char>(c)] != 0; });
}

unsigned char Mask(bool html)
{
    return html ? kBreak | kHtml : kBreak;
}

void AppendNum(std::string& out, long long n)
{
    CNumberText::Append(out, n);
}

void AppendNumComma(std::string& out, long long n)
{
    CNumberText::Append(out, n);
    out += ',';
}

void AppendHex(std::string& out, COLORREF color)
{
    static const char kDigits[] = "0123456789abcdef";
    char buffer[6];
    const unsigned parts[] = {GetRValue(color), GetGValue(color), GetBValue(color)};
    for (size_t i = 0; i < 3; ++i) {
        buffer[2 * i] = kDigits[parts[i] >> 4];
        buffer[2 * i + 1] = kDigits[parts[i] & 0xF];
    }
    out.append(buffer, sizeof buffer);
}

const char* MenuStyleCode(int backStyle)
{
    static const char* const kCodes[] = {"01", "02", "11", "12"};
    return backStyle >= 0 && backStyle < 4 ? kCodes[backStyle] : "";
}
}  // namespace

CParamEncoder::CParamEncoder(CAppletParameters& params, FileCheck fileCheck)
    : m_params(params), m_fileCheck(std::move(fileCheck))
{
}

std::string CParamEncoder::ColorToHex(COLORREF color)
{
    std::string hex;
    AppendHex(hex, color);
    return hex;
}

std::string CParamEncoder::EncodeLabel(const std::string& label)
{
    std::string out;
    out.reserve(label.size());
    AppendText(out, label, "|_#`", kBreak);
    return out;
}

std::string CParamEncoder::FlattenLines(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    AppendText(out, text, " ", kBreak);
    return out;
}

std::string CParamEncoder::EscapeValue(const std::string& value)
{
    std::string out;
    out.reserve(value.size());
    AppendText(out, value, {}, kHtml);
    return out;
}

const std::string& CParamEncoder::CachedFileRef(std::string_view pathText) const
{
    auto found = m_fileRefs.find(pathText);
    if (found == m_fileRefs.end()) {
        std::string path(pathText);
        std::string ref;
        if (m_fileCheck && m_fileCheck(path))
            ref = m_bEscapeText ? CFieldEscape::Escape(CPath::FileName(path)) : FlattenLines(CPath::FileName(path));
        found = m_fileRefs.emplace(std::move(path), std::move(ref)).first;
    }
    return found->second;
}

std::string CParamEncoder::FileRef(std::string_view path) const
{
    return path.empty() ? std::string() : CachedFileRef(path);
}

void CParamEncoder::AppendFileRef(std::string_view path, std::string& out, bool html) const
{
    if (!path.empty())
        AppendText(out, CachedFileRef(path), {}, html ? kHtml : 0);
}

void CParamEncoder::AppendField(std::string& out, std::string_view text, std::string_view breakWith, bool html) const
{
    if (!m_bEscapeText) {
        AppendText(out, text, breakWith, Mask(html));
        return;
    }
    // Most texts hold nothing that either step rewrites.
    if (!HoldsAnyClass(text)) {
        out += text;
        return;
    }
    m_strEscaped.clear();
    CFieldEscape::Escape(text, m_strEscaped);
    AppendText(out, m_strEscaped, {}, html ? kHtml : 0);
}

void CParamEncoder::AppendApStyle(std::string& out, bool html) const
{
    const CAppletParameters& p = m_params;
    // Wider than int: a crafted style or border near INT_MAX must not overflow.
    const long long backCode = p.m_nBackStyle == 0 ? 1 : static_cast<long long>(p.m_nBackStyle) + 5;
    AppendHex(out, p.m_crBackground);
    out += ',';
    AppendHex(out, p.m_crBackground);
    out += ',';
    AppendFileRef(p.m_strBackImage, out, html);
    out += ',';
    for (int n : {p.m_nImageMode, p.m_nImageX, p.m_nImageY})
        AppendNumComma(out, n);
    AppendFileRef(p.m_strBackAudio, out, html);
    out += ',';
    for (int n : {p.m_bShowSelection, p.m_nOpenSpeed, p.m_nCloseSpeed, p.m_bShowAllBranches, p.m_bHasLines})
        AppendNumComma(out, n);
    AppendNum(out, p.m_nGradientDir);
    AppendNum(out, backCode);
    AppendNumComma(out, p.m_nBorder);
    AppendNumComma(out, p.m_nLineIndent);
    AppendNumComma(out, p.m_nLineThick);
    AppendHex(out, p.m_crLine);
}

void CParamEncoder::AppendMStyle(const CTavelin& m, std::string& out)
{
    AppendHex(out, m.m_crBackground);
    out += ',';
    out += MenuStyleCode(m.m_nBackStyle);
    out += ",0,0,";
    for (int n : {m.m_nIndent, m.m_nStartY, m.m_nItemWidth, m.m_nItemHeight, m.m_nItemGap})
        AppendNumComma(out, n);
    AppendNum(out, m.m_nBorderThick);
}

void CParamEncoder::AppendIStyle(const CTavelin& menu, std::string& out)
{
    for (int state = 0; state < 3; ++state) {
        const CItemStyle& s = menu.Style(state);
        AppendHex(out, s.m_crBack);
        out += ',';
        AppendHex(out, s.m_crFont);
        out += ',';
        AppendNum(out, s.m_nGradientDir);
        AppendNum(out, s.m_nBackStyle);
        AppendNumComma(out, static_cast<long long>(s.m_nBorder) + 1);
        for (int n : {s.m_nFontEffect, s.m_nFontName, s.m_nFontSize, s.m_nFontStyle})
            AppendNumComma(out, n);
        AppendNum(out, s.m_nImageAlign);
        AppendNumComma(out, s.m_nTextAlign);
        AppendNumComma(out, s.m_nImageOffset);
        AppendNum(out, s.m_nTextOffset);
        out += ",,,";
    }
}

void CParamEncoder::AppendItem(const CTavelinItem& item, std::string& out, bool html) const
{
    AppendField(out, item.m_strLabel, "|_#`", html);
    out += ',';
    AppendField(out, item.m_strDescription, " ", html);
    out += ',';
    for (const CSharedText* path : {&item.m_strNormalImage, &item.m_strOverImage, &item.m_strClickImage,
                                    &item.m_strOverAudio, &item.m_strClickAudio}) {
        AppendFileRef(*path, out, html);
        out += ',';
    }
    if (item.m_strTarget.empty())
        out += "_self";
    else
        AppendField(out, item.m_strTarget, " ", html);
    out += ',';
    AppendField(out, item.m_strLink, " ", html);
}

std::string CParamEncoder::ApStyleValue() const
{
    std::string v;
    v.reserve(128);
    AppendApStyle(v, false);
    return v;
}

std::string CParamEncoder::MStyleValue(const CTavelin& m) const
{
    std::string v;
    v.reserve(64);
    AppendMStyle(m, v);
    return v;
}

std::string CParamEncoder::IStyleValue(const CTavelin& menu) const
{
    std::string v;
    v.reserve(160);
    AppendIStyle(menu, v);
    return v;
}

std::string CParamEncoder::ItemValue(const CTavelinItem& item) const
{
    std::string v;
    v.reserve(item.m_strLabel.size() + item.m_strDescription.size() + item.m_strLink.size() + 64);
    AppendItem(item, v, false);
    return v;
}

std::string CParamEncoder::ParamLine(const std::string& name, const std::string& value)
{
    std::string line;
    AppendParamLine(line, name, value);
    return line;
}

void CParamEncoder::AppendParamStart(std::string& out, std::string_view name)
{
    out += "\t<param name=\"";
    out += name;
    out += "\" value=\"";
}

void CParamEncoder::AppendParamEnd(std::string& out)
{
    out += "\">\r\n";
}

void CParamEncoder::AppendParamLine(std::string& out, const std::string& name, const std::string& value)
{
    AppendParamStart(out, name);
    AppendText(out, value, {}, kHtml);
    AppendParamEnd(out);
}

// The menu's lines go straight into out: the values of menu lines hold no
// character that needs escaping, item values are escaped as they are written.
void CParamEncoder::WriteMenu(const CTavelin& menu, int number, std::string& out)
{
    char digits[16];
    const size_t length = static_cast<size_t>(std::to_chars(digits, digits + sizeof digits, number).ptr - digits);
    const std::string_view num(digits, length);
    // The page's start row is kept in the model, where the project file
    // records it. A written menu holds items, so it is never a shared empty one.
    if (!menu.m_arrItems.empty())
        const_cast<CTavelin&>(menu).m_nStartY = number == 0 ? m_params.m_nDisplayFromY : 0;
    out += "\t<param name=\"MStyle-";
    out += num;
    out += "\" value=\"";
    AppendMStyle(menu, out);
    AppendParamEnd(out);
    out += "\t<param name=\"IStyle-";
    out += num;
    out += "\" value=\"";
    AppendIStyle(menu, out);
    AppendParamEnd(out);
    int j = 0;
    for (const auto& item : menu.m_arrItems) {
        if (item->m_bVisible == 0)
            continue;
        out += "\t<param name=\"I";
        out += num;
        out += '-';
        AppendNum(out, j++);
        out += "\" value=\"";
        AppendItem(*item, out, true);
        AppendParamEnd(out);
    }
}

std::string CParamEncoder::WriteAllParams()
{
    std::string out;
    AppendAllParams(out);
    return out;
}

void CParamEncoder::AppendAllParams(std::string& out)
{
    m_fileRefs.clear();
    CNumberingWalk walk(m_params, true, m_state);
    const auto& menus = walk.Run();
    // A hint on the large side: what is reserved and never written is never
    // touched, while a short one copies the whole page once more.
    out.reserve(out.size() + 512 + menus.size() * 320 + m_state.m_arrWritten.size() * 256);
    AppendParamStart(out, "ApStyle");
    AppendApStyle(out, true);
    AppendParamEnd(out);
    for (size_t number = 0; number < menus.size(); ++number)
        WriteMenu(*menus[number], static_cast<int>(number), out);
    AppendParamLine(out, "Misc", walk.StructureValue());
}
