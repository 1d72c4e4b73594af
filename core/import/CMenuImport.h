// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "CHtmlMenuImporter.h"
#include "CImportNode.h"
#include "core/io/IFileSystem.h"

// Reads a menu structure from a file: an HTML page, a sitemap, a Markdown
// file, an MkDocs configuration or a text outline, told apart by their name
// and content together. Nothing in the model changes here;
// a failure leaves a message that names the file and the line or element.
class CMenuImport {
public:
    enum class Kind { Html, Sitemap, Outline, MkDocs };

    // Reads and parses path; false with Error() set when it cannot be read
    // or is none of the three kinds.
    bool Load(IFileSystem& fs, const std::string& path);
    // The same on bytes already read; name is used in messages.
    bool LoadText(std::string bytes, const std::string& name);

    // The lists of an HTML page that can be taken (empty for the other kinds).
    std::vector<std::string> Candidates() const;
    // Builds the structure; candidate picks the list of an HTML page.
    // maxLevels: how many levels of items the editor still allows.
    bool Import(CImportNode& root, size_t candidate = 0, int maxLevels = kMaxLevels);
    const std::string& Error() const { return m_strError; }
    // What the last Import left out of the source and why, one line each.
    const std::vector<std::string>& Notes() const { return m_notes; }
    // The links of an HTML page's list lead from page ("" when it is not
    // saved yet) where they led from the source (see CLinkRebase), and so do
    // those of an outline; a sitemap's full addresses stay as they are.
    void LinkFrom(CImportNode& root, const std::string& page) const;

    // What Load took the source for.
    Kind SourceKind() const { return m_kind; }

    static constexpr int kMaxLevels = 1000;  // CAppletParameters::kMaxDepth
    // What a packed source may unpack to: a sitemap may hold 50 MB.
    static constexpr size_t kMaxUnpacked = 64u << 20;
    // The extension (".gz" aside) and the content together decide.
    static Kind Detect(const std::string& bytes, const std::string& name);
    static std::string FirstElement(std::string_view text);
    // A Markdown file by its name (".md", ".markdown"): read by a Markdown
    // parser rather than as a plain outline.
    static bool IsMarkdown(const std::string& name);

private:
    bool Fail(const std::string& message);

    std::string m_strName;
    std::string m_strPath;
    std::string m_strBytes;
    Kind m_kind = Kind::Outline;
    std::unique_ptr<CHtmlMenuImporter> m_html;
    std::string m_strError;
    std::vector<std::string> m_notes;
};
