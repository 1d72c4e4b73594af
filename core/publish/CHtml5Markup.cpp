// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CHtml5Markup.h"

#include <cctype>
#include <utility>

#include "core/io/CPath.h"

CHtml5Markup::CHtml5Markup(const CAppletParameters& params, CMediaFiles& media, std::string prefix)
    : m_params(params), m_media(media), m_strPrefix(std::move(prefix))
{
    for (const auto& menu : m_params.m_arrMenus)
        if (IsWritten(*menu))
            Number(*menu);
}

bool CHtml5Markup::IsWritten(const CTavelin& menu)
{
    if (menu.m_bVisible == 0)
        return false;
    for (const auto& item : menu.m_arrItems)
        if (item->m_bVisible != 0)
            return true;
    return false;
}

void CHtml5Markup::Number(const CTavelin& menu)
{
    m_numbers[&menu] = static_cast<int>(m_menus.size());
    m_menus.push_back(&menu);
    for (const auto& item : menu.m_arrItems)
        if (item->m_bVisible != 0 && IsWritten(item->SubMenu()))
            Number(item->SubMenu());
}

namespace {
// windows-1252 at 0x80..0x9F; the five bytes it leaves out stand for the
// control characters of the same number.
constexpr char32_t kWindows1252[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                       0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                       0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                       0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

const char* const kHex = "0123456789ABCDEF";

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void AppendPercent(std::string& out, unsigned char c)
{
    out += '%';
    out += kHex[c >> 4];
    out += kHex[c & 15];
}

// The character at text[i] (moving i past it) as percent-encoded UTF-8.
void AppendPercentChar(std::string& out, std::string_view text, size_t& i)
{
    std::string bytes;
    AppendUtf8(bytes, CHtml5Markup::NextChar(text, i));
    for (unsigned char b : bytes)
        AppendPercent(out, b);
}
}  // namespace

char32_t CHtml5Markup::NextChar(std::string_view text, size_t& i)
{
    const auto byte = [&text](size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80) {
        ++i;
        return lead;
    }
    const size_t n = lead >= 0xC2 && lead <= 0xDF   ? 2
                     : lead >= 0xE0 && lead <= 0xEF ? 3
                     : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                    : 0;
    if (n != 0 && i + n <= text.size()) {
        char32_t c = lead & (n == 2 ? 0x1F : n == 3 ? 0x0F : 0x07);
        bool ok = true;
        for (size_t k = 1; k < n && ok; ++k) {
            ok = (byte(i + k) & 0xC0) == 0x80;
            c = (c << 6) | (byte(i + k) & 0x3F);
        }
        const char32_t least = n == 2 ? 0x80 : n == 3 ? 0x800 : 0x10000;
        if (ok && c >= least && c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF)) {
            i += n;
            return c;
        }
    }
    ++i;
    return lead < 0xA0 ? kWindows1252[lead - 0x80] : lead;
}

std::string CHtml5Markup::Escape(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + 16);
    for (size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (static_cast<unsigned char>(c) >= 0x80) {
            const char32_t wide = NextChar(text, i);
            out += "&#x";
            std::string digits;
            for (char32_t v = wide; v != 0; v >>= 4)
                digits.insert(digits.begin(), kHex[v & 15]);
            out += digits;
            out += ';';
            continue;
        }
        ++i;
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&#39;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string CHtml5Markup::UrlPath(const std::string& name)
{
    std::string out;
    for (size_t i = 0; i < name.size();) {
        const auto c = static_cast<unsigned char>(name[i]);
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
                           c == '.' || c == '_' || c == '~';
        if (plain) {
            out += static_cast<char>(c);
            ++i;
            continue;
        }
        AppendPercentChar(out, name, i);
    }
    return out;
}

std::string CHtml5Markup::LinkUrl(std::string_view link)
{
    std::string out;
    out.reserve(link.size());
    for (size_t i = 0; i < link.size();) {
        if (static_cast<unsigned char>(link[i]) < 0x80) {
            out += link[i++];
            continue;
        }
        AppendPercentChar(out, link, i);
    }
    return out;
}

std::string CHtml5Markup::UnifyBreaks(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string CHtml5Markup::MediaRef(std::string_view path) const
{
    return UrlPath(m_media.FileRef(path));
}

std::string CHtml5Markup::BoxAttributes() const
{
    const CAppletParameters& p = m_params;
    std::string out = " data-tavelin=\"export\"";
    out += " data-open-speed=\"" + std::to_string(p.m_nOpenSpeed) + '"';
    out += " data-close-speed=\"" + std::to_string(p.m_nCloseSpeed) + '"';
    out += std::string(" data-show-selection=\"") + (p.m_bShowSelection != 0 ? "1" : "0") + '"';
    out += std::string(" data-show-all=\"") + (p.m_bShowAllBranches != 0 ? "1" : "0") + '"';
    const std::string audio = MediaRef(p.m_strBackAudio);
    if (!audio.empty())
        out += " data-back-audio=\"" + Escape(audio) + '"';
    return out;
}

bool CHtml5Markup::IsSafeLink(std::string_view link)
{
    // Browsers drop tabs and line breaks and skip leading blanks and control
    // characters before they read the scheme.
    std::string scheme;
    for (unsigned char c : link) {
        if (c <= ' ' && scheme.empty())
            continue;
        if (c == '\t' || c == '\n' || c == '\r')
            continue;
        if (c == ':')
            return scheme != "javascript" && scheme != "vbscript" && scheme != "data";
        if (!std::isalnum(c) && c != '+' && c != '-' && c != '.')
            return true;
        scheme += static_cast<char>(std::tolower(c));
    }
    return true;
}

// A state without an image of its own shows the normal one. A picture that
// several states show is written once: "tv-img-a" for all three, "tv-img-no"
// for normal and mouse over, "tv-img-nc" for normal and clicked; the fixed
// rules show it wherever one of its states' pictures would show.
void CHtml5Markup::AppendImages(std::string& out, const CTavelinItem& item) const
{
    const std::string normal = MediaRef(item.m_strNormalImage);
    std::string over = MediaRef(item.m_strOverImage);
    std::string click = MediaRef(item.m_strClickImage);
    if (over.empty())
        over = normal;
    if (click.empty())
        click = normal;
    const auto append = [&out](const char* state, const std::string& src) {
        if (!src.empty())
            out += std::string("<img class=\"tv-img tv-img-") + state + "\" src=\"" + Escape(src) + "\" alt=\"\">";
    };
    if (normal == over && normal == click) {
        append("a", normal);
    } else if (normal == over) {
        append("no", normal);
        append("c", click);
    } else if (normal == click) {
        append("nc", normal);
        append("o", over);
    } else {
        append("n", normal);
        append("o", over);
        append("c", click);
    }
}

void CHtml5Markup::AppendItem(std::string& out, const CTavelinItem& item) const
{
    const bool link = !item.m_strLink.empty() && IsSafeLink(item.m_strLink);
    out += link ? "<a class=\"tv-item\" href=\"" + Escape(LinkUrl(item.m_strLink)) + '"'
                : std::string("<span class=\"tv-item\"");
    if (link && !item.m_strTarget.empty() && item.m_strTarget != "_self")
        out += " target=\"" + Escape(item.m_strTarget) + '"';
    if (!item.m_strDescription.empty())
        out += " title=\"" + Escape(item.m_strDescription) + '"';
    const std::string overAudio = MediaRef(item.m_strOverAudio);
    const std::string clickAudio = MediaRef(item.m_strClickAudio);
    if (!overAudio.empty())
        out += " data-over-audio=\"" + Escape(overAudio) + '"';
    if (!clickAudio.empty())
        out += " data-click-audio=\"" + Escape(clickAudio) + '"';
    out += '>';
    AppendImages(out, item);
    out += "<span class=\"tv-label\">" + Escape(UnifyBreaks(item.m_strLabel)) + "</span>";
    out += link ? "</a>" : "</span>";
}

void CHtml5Markup::AppendMenu(std::string& out, const CTavelin& menu) const
{
    const int n = m_numbers.at(&menu);
    const std::string number = std::to_string(n);
    out += "<ul class=\"tv-menu tv-m" + number;
    if (static_cast<size_t>(n) < m_styleClasses.size())
        out += " tv-k" + std::to_string(m_styleClasses[static_cast<size_t>(n)]);
    out += "\" id=\"" + m_strPrefix + "-m" + number + "\">\r\n";
    for (const auto& item : menu.m_arrItems) {
        if (item->m_bVisible == 0)
            continue;
        out += "<li class=\"tv-li\">";
        AppendItem(out, *item);
        const auto sub = m_numbers.find(&item->SubMenu());
        if (sub != m_numbers.end()) {
            out += "<div class=\"tv-sub\" id=\"" + m_strPrefix + "-s" + std::to_string(sub->second) + "\">\r\n";
            AppendMenu(out, item->SubMenu());
            out += "</div>";
        }
        out += "</li>\r\n";
    }
    out += "</ul>\r\n";
}

std::string CHtml5Markup::Nav() const
{
    std::string out = "<nav class=\"tv-nav\" aria-label=\"" + Escape(m_params.m_strName) + "\">\r\n";
    for (const auto& menu : m_params.m_arrMenus)
        if (m_numbers.count(menu.get()) != 0)
            AppendMenu(out, *menu);
    out += "</nav>\r\n";
    return out;
}
