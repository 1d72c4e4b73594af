// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CProjectText.h"

#include <cstdint>

#include "CFieldEscape.h"
#include "CNumberText.h"
#include "CNumberingWalk.h"
#include "core/io/CPath.h"

namespace {
void AddNum(std::string& out, long long n)
{
    CNumberText::Append(out, n);
    out += ',';
}

// Colours are written as their 32-bit value read as a signed number, so that
// the reader's number rule gives every value back.
void AddColor(std::string& out, COLORREF c)
{
    AddNum(out, static_cast<std::int32_t>(c));
}

std::string LabelForFile(std::string_view label)
{
    std::string out;
    out.reserve(label.size());
    for (char c : label) {
        if (c == '\t')
            out += "    ";
        else
            out += c;
    }
    return out;
}

void EndLine(std::string& out)
{
    out.back() = '\r';  // the record's last separator
    out += '\n';
}
}  // namespace

// The plain layout first; when some text does not fit it, the file is
// written again with the escapes. The marker is the word
// CFieldEscape::kMarkerWord as a further field of the "Notice" value: the
// value still begins with the format word, no reader of the documented
// layout looks at it, and a template section, which has no "Notice" line
// otherwise, gets one that such readers skip as an unknown key. Files whose
// text fits the plain layout stay exactly as documented.
std::string CProjectText::Compose(const std::string& section)
{
    m_bEscapes = false;
    m_bNeedsEscapes = false;
    m_bHaveLast = false;
    std::string out = ComposeOnce(section);
    if (!m_bNeedsEscapes)
        return out;
    m_bEscapes = true;
    m_bHaveLast = false;
    return ComposeOnce(section);
}

// As Compose, the plain pass given up at the first field that needs the
// escapes and the sink emptied for the second.
bool CProjectText::Write(const std::string& section, IByteSink& sink)
{
    m_bEscapes = false;
    m_bNeedsEscapes = false;
    m_bHaveLast = false;
    const bool written = WriteOnce(section, sink);
    if (!m_bNeedsEscapes)
        return written;
    m_bEscapes = true;
    m_bHaveLast = false;
    return sink.Restart() && WriteOnce(section, sink);
}

bool CProjectText::WriteOnce(const std::string& section, IByteSink& sink)
{
    CNumberingWalk walk(m_params, false, m_state);
    const auto& menus = walk.Run();
    // One buffer, its capacity kept: the pieces never take fresh pages.
    std::string piece;
    piece.reserve(kPiece + kPiece / 4);
    Head(section, piece);
    for (size_t number = 0; number < menus.size(); ++number) {
        AppendMenuLines(*menus[number], static_cast<int>(number), piece);
        if (m_bNeedsEscapes && !m_bEscapes)
            return false;
        if (piece.size() >= kPiece) {
            if (!sink.Write(piece))
                return false;
            piece.clear();
        }
    }
    Tail(walk.StructureValue(), piece);
    return sink.Write(piece);
}

void CProjectText::AddText(std::string& out, std::string_view text, bool label)
{
    if (m_bEscapes) {
        CFieldEscape::Escape(text, out);
    } else {
        if (!CFieldEscape::FitsPlain(text, label))
            m_bNeedsEscapes = true;
        if (label)
            CFieldEscape::EscapeLabel(text, out);
        else
            out += text;
    }
    out += ',';
}

std::string CProjectText::ComposeOnce(const std::string& section)
{
    CNumberingWalk walk(m_params, false, m_state);
    const auto& menus = walk.Run();
    std::string out;
    out.reserve(1024 + menus.size() * 240 + m_state.m_arrWritten.size() * 160);
    Head(section, out);
    for (size_t number = 0; number < menus.size(); ++number) {
        AppendMenuLines(*menus[number], static_cast<int>(number), out);
        if (m_bNeedsEscapes && !m_bEscapes)
            return {};  // Compose writes it again with the escapes
    }
    Tail(walk.StructureValue(), out);
    return out;
}

void CProjectText::Head(const std::string& section, std::string& out)
{
    out += '[';
    out += section;
    out += "]\r\n";
    AppletRecord(out);
    if (!m_bTemplateMode || m_bEscapes) {
        out += "Notice=";
        out += m_bTemplateMode ? kTemplateNotice : kNotice;
        if (m_bEscapes) {
            out += ',';
            out += CFieldEscape::kMarkerWord;
        }
        out += "\r\n";
    }
}

void CProjectText::Tail(const std::string& structureValue, std::string& out)
{
    TailOpen(out);
    out += structureValue;
    TailClose(out);
}

void CProjectText::AppletRecord(std::string& out)
{
    const CAppletParameters& p = m_params;
    out += "ApStyle=";
    AddText(out, p.m_strName);
    AddNum(out, p.m_nAlign);
    AddNum(out, p.m_nWidth);
    AddNum(out, p.m_nHeight);
    AddColor(out, p.m_crBackground);
    AddColor(out, p.m_crBackground);
    AppendAppletMedia(p.m_strBackImage, out);
    AddNum(out, p.m_nImageMode);
    AddNum(out, p.m_nImageX);
    AddNum(out, p.m_nImageY);
    AppendAppletMedia(p.m_strBackAudio, out);
    for (int n : {p.m_bShowSelection, p.m_nOpenSpeed, p.m_nCloseSpeed, p.m_bShowAllBranches, p.m_bHasLines, p.m_nBorder,
                  p.m_nBackStyle, p.m_nGradientDir, p.m_nLineIndent, p.m_nLineThick})
        AddNum(out, n);
    AddColor(out, p.m_crLine);
    AddNum(out, p.m_nDisplayFromY);
    EndLine(out);
}

void CProjectText::MenuRecord(const CTavelin& m, std::string& out)
{
    AddColor(out, m.m_crBackground);
    for (int n : {m.m_nBackStyle, m.m_nReserved1, m.m_nReserved2, m.m_nIndent, m.m_nStartY, m.m_nItemWidth,
                  m.m_nItemHeight, m.m_nItemGap, m.m_nBorderThick})
        AddNum(out, n);
    AddText(out, m.m_strName);
    AddNum(out, m.m_bVisible);
    EndLine(out);
}

void CProjectText::StyleRecord(const CTavelin& menu, std::string& out)
{
    for (int state = 0; state < 3; ++state) {
        const CItemStyle& s = menu.Style(state);
        AddColor(out, s.m_crBack);
        AddColor(out, s.m_crFont);
        for (int n : {s.m_nBackStyle, s.m_nFontEffect, s.m_nFontName, s.m_nFontSize, s.m_nFontStyle, s.m_nImageAlign,
                      s.m_nTextAlign, s.m_nImageOffset, s.m_nTextOffset, s.m_nGradientDir, s.m_nBorder})
            AddNum(out, n);
        out += ",,";
    }
    out += "\r\n";
}

void CProjectText::ItemRecord(const CTavelinItem& item, std::string& out)
{
    if (item.m_strLabel.view().find('\t') == std::string_view::npos)
        AddText(out, item.m_strLabel, true);
    else
        AddText(out, LabelForFile(item.m_strLabel), true);
    AddText(out, item.m_strDescription);
    AddText(out, item.m_strLink);
    AddText(out, item.m_strTarget);
    for (const CSharedText* path : {&item.m_strNormalImage, &item.m_strOverImage, &item.m_strClickImage,
                                    &item.m_strOverAudio, &item.m_strClickAudio})
        AppendItemMedia(*path, out);
    AddNum(out, item.m_bVisible);
    EndLine(out);
}

CProjectText::MenuKey CProjectText::MenuKeyOf(const CTavelin& m)
{
    return {static_cast<int>(m.m_crBackground),
            m.m_nBackStyle,
            m.m_nReserved1,
            m.m_nReserved2,
            m.m_nIndent,
            m.m_nStartY,
            m.m_nItemWidth,
            m.m_nItemHeight,
            m.m_nItemGap,
            m.m_nBorderThick,
            m.m_bVisible};
}

CProjectText::StyleKey CProjectText::StyleKeyOf(const CTavelin& menu)
{
    StyleKey key;
    size_t i = 0;
    for (int state = 0; state < 3; ++state) {
        const CItemStyle& s = menu.Style(state);
        for (int n : {static_cast<int>(s.m_crBack), static_cast<int>(s.m_crFont), s.m_nBackStyle, s.m_nFontEffect,
                      s.m_nFontName, s.m_nFontSize, s.m_nFontStyle, s.m_nImageAlign, s.m_nTextAlign, s.m_nImageOffset,
                      s.m_nTextOffset, s.m_nGradientDir, s.m_nBorder})
            key[i++] = n;
    }
    return key;
}

void CProjectText::AppendMenuLines(const CTavelin& menu, int number, std::string& out)
{
    AppendMenuHead(menu, number, out);
    AppendItemLines(menu, number, 0, menu.m_arrItems.size(), out);
}

void CProjectText::AppendMenuHead(const CTavelin& menu, int number, std::string& out)
{
    const MenuKey menuKey = MenuKeyOf(menu);
    if (!m_bHaveLast || menuKey != m_lastMenuKey || menu.m_strName != m_strLastName) {
        m_strMenuRecord.clear();
        MenuRecord(menu, m_strMenuRecord);
        m_lastMenuKey = menuKey;
        m_strLastName = menu.m_strName;
    }
    const StyleKey styleKey = StyleKeyOf(menu);
    if (!m_bHaveLast || styleKey != m_lastStyleKey) {
        m_strStyleRecord.clear();
        StyleRecord(menu, m_strStyleRecord);
        m_lastStyleKey = styleKey;
    }
    m_bHaveLast = true;
    out += "MStyle-";
    CNumberText::Append(out, number);
    out += '=';
    out += m_strMenuRecord;
    out += "IStyle-";
    CNumberText::Append(out, number);
    out += '=';
    out += m_strStyleRecord;
}

void CProjectText::AppendItemLines(const CTavelin& menu, int number, size_t first, size_t last, std::string& out)
{
    std::string numberText;
    CNumberText::Append(numberText, number);
    for (size_t j = first; j < last; ++j) {
        out += 'I';
        out += numberText;
        out += '-';
        CNumberText::Append(out, static_cast<long long>(j + 1));
        out += '=';
        ItemRecord(*menu.m_arrItems[j], out);
    }
}

void CProjectText::AppendItemMedia(std::string_view path, std::string& out)
{
    AddText(out, m_bTemplateMode ? m_media.FileRef(path) : path);
}

void CProjectText::AppendAppletMedia(const std::string& path, std::string& out)
{
    if (m_bTemplateMode && m_media.IsMedia(path))
        AddText(out, m_media.FileRef(path));
    else
        AddText(out, path);
}
