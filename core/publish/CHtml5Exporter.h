// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "core/io/IFileSystem.h"
#include "core/model/CAppletParameters.h"

// Writes the model as a page that works in today's browsers without the
// applet: the menus as nested lists of real links, their looks as a style
// sheet, the runtime "tavelin.js" (copied from the program folder) for the
// sliding, and the media files the page shows copied beside it. Hidden
// items and menus are left out. Scripts off, every menu shows open.
class CHtml5Exporter {
public:
    static constexpr const char* kRuntimeFile = "tavelin.js";
    static constexpr const char* kSaveFailed = "Save as file failed!";
    static constexpr const char* kRuntimeMissing = "The menu script \"tavelin.js\" is missing from the program folder.";

    CHtml5Exporter(IFileSystem& fs, std::string programDir);

    // The language the page declares; from the locale by default.
    void SetLanguage(const std::string& language) { m_strLanguage = language; }

    // Writes the page at pagePath (replacing it only when complete). On
    // failure returns false with the message in *error (when error is not
    // null); a page already at pagePath then stays as it was.
    bool Export(const CAppletParameters& params, const std::string& pagePath, std::string* error);
    // The media copies of the last Export that failed or clashed, one line
    // each; the page is written without them.
    const std::vector<std::string>& Warnings() const { return m_warnings; }

    // With fragment on, Export writes at pagePath only the menu, to be pasted
    // into an existing page, and its style sheet beside it (the page's base
    // name + ".css").
    void SetFragment(bool on) { m_bFragment = on; }

    // The page text alone; copies nothing. Media references are bare names
    // of the media files that exist. scope is the menu box's class, which
    // every rule of its style sheet starts with and which prefixes every id
    // inside it.
    std::string PageText(const CAppletParameters& params, const std::string& scope = "tv1");
    // The fragment text: a link to the style sheet cssName, the menu box and
    // the script line.
    std::string FragmentText(const CAppletParameters& params, const std::string& scope, const std::string& cssName);
    // The menu as the export writes it, for a page that holds it as the
    // applet's fallback content: the box alone (scope its class) and its
    // style sheet, both with CR LF lines. Copies nothing.
    struct Menu {
        std::string css;
        std::string box;
    };
    Menu MenuOnly(const CAppletParameters& params, const std::string& scope);
    // The scope of an export to pagePath: "tv-" + the file's base name + a
    // number made from the whole path and the menu's name, so that menus
    // exported to files of one name in different folders share a page
    // without sharing ids or looks. The box carries it as a class, not an
    // id, so that the same menu pasted twice keeps its looks in both places.
    static std::string ScopeFor(const std::string& pagePath, const std::string& name);

private:
    // The style sheet beside a fragment at pagePath: its base name + ".css".
    static std::string StyleSheetFor(const std::string& pagePath);
    // Why path may not be replaced by an export; "" when it may.
    std::string TargetRefusal(const std::string& path) const;
    struct Parts {
        std::string css;      // style sheet, CR LF lines
        std::string menu;     // the menu box
        std::string box;      // the menu box in its aligned wrapper
        std::string charset;  // what the texts need
    };
    Parts MakeParts(const CAppletParameters& params, const std::string& scope);
    bool Fail(std::string* error, const char* message) const;

    IFileSystem& m_fs;
    std::string m_strProgramDir;
    std::string m_strLanguage;
    bool m_bFragment = false;
    std::vector<std::string> m_warnings;
};
