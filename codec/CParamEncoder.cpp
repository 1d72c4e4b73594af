#include "CParamEncoder.h"

#include <cstdio>
#include <utility>

#include "CNumberingWalk.h"
#include "CPath.h"

namespace {
std::string Num(int n)
{
    return std::to_string(n);
}

// Replaces every line break (CR LF, lone CR, lone LF) by the given text.
std::string ReplaceBreaks(const std::string& text, const char* with)
{
    if (text.find_first_of("\r\n") == std::string::npos)
        return text;
    std::string out;
    out.reserve(text.size() + 8);
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            out += with;
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            out += c;
        }
    }
    return out;
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
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02x%02x%02x", GetRValue(color), GetGValue(color), GetBValue(color));
    return buf;
}

std::string CParamEncoder::EncodeLabel(const std::string& label)
{
    return ReplaceBreaks(label, "|_#`");
}

std::string CParamEncoder::FlattenLines(const std::string& text)
{
    return ReplaceBreaks(text, " ");
}

std::string CParamEncoder::EscapeValue(const std::string& value)
{
    if (value.find_first_of("&\"") == std::string::npos)
        return value;
    std::string out;
    out.reserve(value.size() + 16);
    for (char c : value) {
        if (c == '&')
            out += "&amp;";
        else if (c == '"')
            out += "&quot;";
        else
            out += c;
    }
    return out;
}

std::string CParamEncoder::FileRef(const std::string& path) const
{
    if (path.empty() || !m_fileCheck || !m_fileCheck(path))
        return {};
    return FlattenLines(CPath::FileName(path));
}

std::string CParamEncoder::ApStyleValue() const
{
    const CAppletParameters& p = m_params;
    const int backCode = p.m_nBackStyle == 0 ? 1 : p.m_nBackStyle + 5;
    std::string v;
    v.reserve(128);
    v += ColorToHex(p.m_crBackground) + ',' + ColorToHex(p.m_crBackground) + ',';
    v += FileRef(p.m_strBackImage) + ',' + Num(p.m_nImageMode) + ',' + Num(p.m_nImageX) + ',';
    v += Num(p.m_nImageY) + ',' + FileRef(p.m_strBackAudio) + ',' + Num(p.m_bShowSelection) + ',';
    v += Num(p.m_nOpenSpeed) + ',' + Num(p.m_nCloseSpeed) + ',' + Num(p.m_bShowAllBranches) + ',';
    v += Num(p.m_bHasLines) + ',' + Num(p.m_nGradientDir) + Num(backCode) + Num(p.m_nBorder) + ',';
    v += Num(p.m_nLineIndent) + ',' + Num(p.m_nLineThick) + ',' + ColorToHex(p.m_crLine);
    return v;
}

std::string CParamEncoder::MStyleValue(const CTavelin& m) const
{
    std::string v;
    v.reserve(64);
    v += ColorToHex(m.m_crBackground) + ',' + MenuStyleCode(m.m_nBackStyle) + ",0,0,";
    v += Num(m.m_nIndent) + ',' + Num(m.m_nStartY) + ',' + Num(m.m_nItemWidth) + ',';
    v += Num(m.m_nItemHeight) + ',' + Num(m.m_nItemGap) + ',' + Num(m.m_nBorderThick);
    return v;
}

std::string CParamEncoder::IStyleValue(const CTavelin& menu) const
{
    std::string v;
    v.reserve(160);
    for (int state = 0; state < 3; ++state) {
        const CItemStyle& s = menu.Style(state);
        v += ColorToHex(s.m_crBack) + ',' + ColorToHex(s.m_crFont) + ',';
        v += Num(s.m_nGradientDir) + Num(s.m_nBackStyle) + Num(s.m_nBorder + 1) + ',';
        v += Num(s.m_nFontEffect) + ',' + Num(s.m_nFontName) + ',' + Num(s.m_nFontSize) + ',';
        v += Num(s.m_nFontStyle) + ',' + Num(s.m_nImageAlign) + Num(s.m_nTextAlign) + ',';
        v += Num(s.m_nImageOffset) + ',' + Num(s.m_nTextOffset) + ",,,";
    }
    return v;
}

std::string CParamEncoder::ItemValue(const CTavelinItem& item) const
{
    std::string v;
    v.reserve(item.m_strLabel.size() + item.m_strDescription.size() + item.m_strLink.size() + 64);
    v += EncodeLabel(item.m_strLabel) + ',' + FlattenLines(item.m_strDescription) + ',';
    v += FileRef(item.m_strNormalImage) + ',' + FileRef(item.m_strOverImage) + ',';
    v += FileRef(item.m_strClickImage) + ',' + FileRef(item.m_strOverAudio) + ',';
    v += FileRef(item.m_strClickAudio) + ',';
    v += item.m_strTarget.empty() ? std::string("_self") : FlattenLines(item.m_strTarget);
    v += ',' + FlattenLines(item.m_strLink);
    return v;
}

std::string CParamEncoder::ParamLine(const std::string& name, const std::string& value)
{
    std::string line;
    AppendParamLine(line, name, value);
    return line;
}

void CParamEncoder::AppendParamLine(std::string& out, const std::string& name, const std::string& value)
{
    out += "\t<param name=\"";
    out += name;
    out += "\" value=\"";
    out += EscapeValue(value);
    out += "\">\r\n";
}

void CParamEncoder::WriteMenu(CTavelin& menu, std::string& out)
{
    const std::string number = Num(menu.m_nNumber);
    menu.m_nStartY = menu.m_nNumber == 0 ? m_params.m_nDisplayFromY : 0;
    AppendParamLine(out, "MStyle-" + number, MStyleValue(menu));
    AppendParamLine(out, "IStyle-" + number, IStyleValue(menu));
    int j = 0;
    for (const auto& item : menu.m_arrItems) {
        if (item->m_bVisible == 0)
            continue;
        AppendParamLine(out, "I" + number + '-' + Num(j++), ItemValue(*item));
    }
}

std::string CParamEncoder::WriteAllParams()
{
    CNumberingWalk walk(m_params, true);
    const auto& menus = walk.Run();
    std::string out;
    out.reserve(512 + menus.size() * 320 + m_params.m_arrWritten.size() * 96);
    AppendParamLine(out, "ApStyle", ApStyleValue());
    for (CTavelin* menu : menus)
        WriteMenu(*menu, out);
    AppendParamLine(out, "Misc", walk.StructureValue());
    return out;
}
