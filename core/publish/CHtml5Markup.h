// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/io/CMediaFiles.h"
#include "core/model/CAppletParameters.h"

// The menus of an exported page as nested lists: a nav element holding one
// list per written top-level menu, an item as a link (or a plain text when
// it has none) followed by the list of its sub-menu. Menus are written and
// numbered as in the applet page: visible menus with at least one visible
// item, below visible items only, numbered depth-first from 0.
class CHtml5Markup {
public:
    // prefix names the menu box ("tv1"); media answers which files exist.
    CHtml5Markup(const CAppletParameters& params, CMediaFiles& media, std::string prefix);

    // The written menus in number order.
    const std::vector<const CTavelin*>& Menus() const { return m_menus; }
    // The style class of each written menu (CHtml5Css::BoxCss); each list
    // then also carries "tv-k" + its class.
    void SetStyleClasses(std::vector<int> classes) { m_styleClasses = std::move(classes); }
    // The nav element, CR LF between the lists and their entries.
    std::string Nav() const;
    // The attributes of the menu box that the runtime reads (speeds, flags,
    // background sound), each with a leading space.
    std::string BoxAttributes() const;
    // The bare file name of a media file as a page-relative address, or "".
    std::string MediaRef(std::string_view path) const;

    // How the bytes of a project's texts are read, for pages that must show
    // them in a host page of any character set: a well-formed UTF-8 sequence
    // (no overlong form, no surrogate, at most U+10FFFF) is that character,
    // and every other byte is the windows-1252 character of that byte, so a
    // project that mixes UTF-8 and 8-bit texts, even within one label, keeps
    // both. NextChar reads the character at i and moves i past it.
    static char32_t NextChar(std::string_view text, size_t& i);
    // Text for HTML content and double- or single-quoted attribute values,
    // in ASCII: every other character as a character reference ("&#xE9;").
    static std::string Escape(std::string_view text);
    // Percent-encodes everything of a file name but letters, digits and
    // "-._~", other characters as their UTF-8 bytes.
    static std::string UrlPath(const std::string& name);
    // A link with every character beyond ASCII percent-encoded as UTF-8;
    // ASCII stays as written.
    static std::string LinkUrl(std::string_view link);
    // False for links that would run script or carry a page of their own
    // ("javascript:", "vbscript:", "data:"); such items are written as text.
    static bool IsSafeLink(std::string_view link);
    // CR LF, CR and LF each become one LF.
    static std::string UnifyBreaks(std::string_view text);

private:
    static bool IsWritten(const CTavelin& menu);
    void Number(const CTavelin& menu);
    void AppendMenu(std::string& out, const CTavelin& menu) const;
    void AppendItem(std::string& out, const CTavelinItem& item) const;
    void AppendImages(std::string& out, const CTavelinItem& item) const;

    const CAppletParameters& m_params;
    CMediaFiles& m_media;
    std::string m_strPrefix;
    std::vector<const CTavelin*> m_menus;
    std::unordered_map<const CTavelin*, int> m_numbers;
    std::vector<int> m_styleClasses;
};
