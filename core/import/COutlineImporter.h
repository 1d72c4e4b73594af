// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "CImportNode.h"

// Reads an indented text outline or a Markdown list: one item a line,
// "- [Label](link "title")" or plain text, an optional list marker ("-", "*",
// "+", "1." or "1)", or the "#" marks of a heading), deeper indents (spaces, or tabs to the next multiple of
// four columns) making sub-items. An indent between two open levels joins the
// deeper of them, so mixed indents still nest as they look.
class COutlineImporter {
public:
    bool Import(const std::string& text, CImportNode& root, int maxDepth);
    const std::string& Error() const { return m_strError; }
    // What the last Import left out and why, one line each.
    const std::vector<std::string>& Notes() const { return m_notes; }

    static constexpr const char* kEmpty = "The outline has no items: every line is empty.";

    // Fills label, link and description from one line's text after its indent.
    static void ParseEntry(std::string_view text, CImportNode& node);

private:
    std::string m_strError;
    std::vector<std::string> m_notes;
};
