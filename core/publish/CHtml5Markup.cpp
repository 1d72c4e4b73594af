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

std::string CHtml5Markup::Escape(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + 16);
    for (char c : text) {
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
    static const char* const kHex = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : name) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
                           c == '.' || c == '_' || c == '~';
        if (plain) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
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

void CHtml5Markup::AppendItem(std::string& out, const CTavelinItem& item) const
{
    const bool link = !item.m_strLink.empty() && IsSafeLink(item.m_strLink);
    out +=
        link ? "<a class=\"tv-item\" href=\"" + Escape(item.m_strLink) + '"' : std::string("<span class=\"tv-item\"");
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
    // A state without an image of its own shows the normal one.
    const std::string normal = MediaRef(item.m_strNormalImage);
    const std::pair<const char*, std::string> images[] = {
        {"n", normal}, {"o", MediaRef(item.m_strOverImage)}, {"c", MediaRef(item.m_strClickImage)}};
    for (const auto& [state, ref] : images) {
        const std::string& src = ref.empty() ? normal : ref;
        if (!src.empty())
            out += std::string("<img class=\"tv-img tv-img-") + state + "\" src=\"" + Escape(src) + "\" alt=\"\">";
    }
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
