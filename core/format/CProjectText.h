// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>

#include "CWriteState.h"
#include "core/io/CMediaFiles.h"
#include "core/io/IByteSink.h"
#include "core/model/CAppletParameters.h"

// The model as project-file text (or as a section of the template file):
// the header, "ApStyle", "Notice" (project files only), every menu and item
// in number order and "Misc". Text fields are written as the documented
// layout has them while the model's text allows; otherwise the whole file is
// written with the reversible escapes and marked (CFieldEscape).
class CProjectText {
public:
    static constexpr const char* kNotice = "Tavelin1.0,Applet Tavelina Wizard project file";
    // The "Notice" line that marks a template section written with escapes.
    static constexpr const char* kTemplateNotice = "Tavelin1.0,Applet Tavelina Wizard template";

    // In template mode media fields hold the bare names of existing media
    // files (the applet's own image and audio keep a stored path otherwise).
    CProjectText(CAppletParameters& params, CMediaFiles& media, bool templateMode)
        : m_params(params), m_media(media), m_bTemplateMode(templateMode)
    {
    }

    std::string Compose(const std::string& section);
    // The same bytes into sink, a piece of about kPiece bytes at a time, so
    // that a large project's text is never held whole; false when the sink
    // failed.
    bool Write(const std::string& section, IByteSink& sink);
    static constexpr size_t kPiece = size_t{1} << 20;

    // Compose in pieces, for a large project written a slice at a time:
    // Head, then AppendMenuLines for each menu of a project-mode numbering
    // walk in order (with the number the walk gave it), then Tail with the
    // walk's structure value. A long menu can go in parts: its two style
    // lines (AppendMenuHead), then its item lines a range at a time.
    void Head(const std::string& section, std::string& out);
    void AppendMenuLines(const CTavelin& menu, int number, std::string& out);
    void AppendMenuHead(const CTavelin& menu, int number, std::string& out);
    // The lines of the menu's items [first, last).
    void AppendItemLines(const CTavelin& menu, int number, size_t first, size_t last, std::string& out);
    static void Tail(const std::string& structureValue, std::string& out);
    // The tail around a structure value composed in pieces.
    static void TailOpen(std::string& out) { out += "Misc="; }
    static void TailClose(std::string& out) { out += "\r\n"; }
    // A plain piecewise pass met text that needs the escapes: the caller
    // starts again from Head after UseEscapes.
    bool NeedsEscapes() const { return m_bNeedsEscapes && !m_bEscapes; }
    void UseEscapes()
    {
        m_bEscapes = true;
        m_bHaveLast = false;
    }

    void AppletRecord(std::string& out);
    void MenuRecord(const CTavelin& menu, std::string& out);
    static void StyleRecord(const CTavelin& menu, std::string& out);
    void ItemRecord(const CTavelinItem& item, std::string& out);

private:
    using MenuKey = std::array<int, 11>;
    using StyleKey = std::array<int, 39>;

    std::string ComposeOnce(const std::string& section);
    // False when the sink failed or a field needs the escapes that this pass does not write.
    bool WriteOnce(const std::string& section, IByteSink& sink);
    void AddText(std::string& out, std::string_view text, bool label = false);
    static MenuKey MenuKeyOf(const CTavelin& menu);
    static StyleKey StyleKeyOf(const CTavelin& menu);
    void AppendItemMedia(std::string_view path, std::string& out);
    void AppendAppletMedia(const std::string& path, std::string& out);

    CAppletParameters& m_params;
    CMediaFiles& m_media;
    CWriteState m_state;
    bool m_bTemplateMode;
    bool m_bEscapes = false;       // this pass writes the escapes
    bool m_bNeedsEscapes = false;  // a field did not fit the plain layout

    // Most menus look like the one before: their records are copied from
    // the last ones written when every value they show is the same.
    bool m_bHaveLast = false;
    MenuKey m_lastMenuKey{};
    std::string m_strLastName;
    std::string m_strMenuRecord;
    StyleKey m_lastStyleKey{};
    std::string m_strStyleRecord;
};
