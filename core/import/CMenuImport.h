// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "CHtmlMenuImporter.h"
#include "CImportNode.h"
#include "core/io/IFileSystem.h"

// Reads a menu structure from a file: an HTML page, a sitemap or a text
// outline, told apart by their content. Nothing in the model changes here;
// a failure leaves a message that names the file and the line or element.
class CMenuImport {
public:
    enum class Kind { Html, Sitemap, Outline };

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
    // The links of an HTML page's list lead from page ("" when it is not
    // saved yet) where they led from the source (see CLinkRebase). A page
    // with <base href>, a sitemap and an outline keep their links as written.
    void LinkFrom(CImportNode& root, const std::string& page) const;

    static constexpr int kMaxLevels = 1000;  // CAppletParameters::kMaxDepth
    static Kind Detect(const std::string& bytes, const std::string& name);

private:
    bool Fail(const std::string& message);

    std::string m_strName;
    std::string m_strPath;
    std::string m_strBytes;
    Kind m_kind = Kind::Outline;
    std::unique_ptr<CHtmlMenuImporter> m_html;
    std::string m_strError;
};
