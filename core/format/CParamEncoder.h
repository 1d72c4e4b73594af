// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "CWriteState.h"
#include "core/model/CAppletParameters.h"
#include "core/model/CTextKeyed.h"

// The applet's parameter values: the numbering walk over written menus and the
// layout of every value ("ApStyle", "MStyle-%d", "IStyle-%d", "I%d-%d", "Misc").
class CParamEncoder {
public:
    // Answers whether a stored media path may be referenced in the page
    // (a regular file of a media type exists there).
    using FileCheck = std::function<bool(std::string_view path)>;

    CParamEncoder(CAppletParameters& params, FileCheck fileCheck);

    // With escaping on (pages that carry the runtime), commas, line breaks
    // and the marker "|_#" inside text fields and file names are written as
    // the tokens of CFieldEscape, so that no field can split; off, the
    // values are as the applet has always read them.
    void SetEscapeText(bool on) { m_bEscapeText = on; }

    static std::string ColorToHex(COLORREF color);
    // CR LF, a lone CR and a lone LF each become the label escape "|_#`".
    static std::string EncodeLabel(const std::string& label);
    // Any line break (CR LF, CR, LF) becomes one space.
    static std::string FlattenLines(const std::string& text);
    // Escapes a page parameter value for a double-quoted HTML attribute:
    // "&" -> "&amp;", "\"" -> "&quot;".
    static std::string EscapeValue(const std::string& value);
    // The bare file name when fileCheck accepts path, else "".
    std::string FileRef(std::string_view path) const;

    std::string ApStyleValue() const;
    std::string MStyleValue(const CTavelin& menu) const;
    std::string IStyleValue(const CTavelin& menu) const;
    std::string ItemValue(const CTavelinItem& item) const;

    // "\t<param name=\"NAME\" value=\"VALUE\">\r\n" (VALUE escaped).
    static std::string ParamLine(const std::string& name, const std::string& value);
    static void AppendParamLine(std::string& out, const std::string& name, const std::string& value);

    // Runs the numbering walk and returns the "ApStyle", menu, item and "Misc"
    // lines; rewrites m_nStartY of the written menus.
    std::string WriteAllParams();
    // The same lines appended to out.
    void AppendAllParams(std::string& out);

private:
    // The value writers append to out; with html on, the value comes out
    // escaped as AppendParamLine would escape it.
    void AppendApStyle(std::string& out, bool html) const;
    static void AppendMStyle(const CTavelin& menu, std::string& out);
    static void AppendIStyle(const CTavelin& menu, std::string& out);
    void AppendItem(const CTavelinItem& item, std::string& out, bool html) const;
    void AppendFileRef(std::string_view path, std::string& out, bool html) const;
    // A text field: escaped as SetEscapeText says, or with its line breaks
    // written as breakWith.
    void AppendField(std::string& out, std::string_view text, std::string_view breakWith, bool html) const;
    // The flattened file name of a path the check accepts, else ""; asked
    // once per distinct path.
    const std::string& CachedFileRef(std::string_view path) const;
    static void AppendParamStart(std::string& out, std::string_view name);
    static void AppendParamEnd(std::string& out);
    void WriteMenu(const CTavelin& menu, int number, std::string& out);

    CAppletParameters& m_params;
    FileCheck m_fileCheck;
    mutable CTextKeyed<std::string> m_fileRefs;
    mutable std::string m_strEscaped;  // one field's escaped text, reused
    CWriteState m_state;
    bool m_bEscapeText = false;
};
