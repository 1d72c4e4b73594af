// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CMenuImport.h"

#include <algorithm>
#include <cctype>

#include "CImportText.h"
#include "CLinkRebase.h"
#include "COutlineImporter.h"
#include "CSitemapImporter.h"
#include "core/io/CPath.h"
#include "core/model/CAppletParameters.h"

static_assert(CMenuImport::kMaxLevels == CAppletParameters::kMaxDepth);

namespace {
std::string Lower(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}
}  // namespace

bool CMenuImport::Fail(const std::string& message)
{
    m_strError = m_strName + ": " + message;
    return false;
}

CMenuImport::Kind CMenuImport::Detect(const std::string& bytes, const std::string& name)
{
    size_t start = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    start = std::min(bytes.find_first_not_of(" \t\r\n", start), bytes.size());
    const std::string head = Lower(std::string_view(bytes).substr(start, 4096));
    const std::string extension = CPath::Extension(name);
    if (head.rfind("<?xml", 0) == 0)
        return head.find("<html") != std::string::npos ? Kind::Html : Kind::Sitemap;
    if (head.rfind("<urlset", 0) == 0 || head.rfind("<sitemapindex", 0) == 0)
        return Kind::Sitemap;
    if (head.rfind('<', 0) == 0 || extension == "htm" || extension == "html" || extension == "xhtml")
        return Kind::Html;
    if (extension == "xml")
        return Kind::Sitemap;
    return Kind::Outline;
}

bool CMenuImport::Load(IFileSystem& fs, const std::string& path)
{
    std::string bytes;
    m_strName = CPath::FileName(path);
    if (!fs.IsRegularFile(path) || !fs.ReadFile(path, bytes))
        return Fail("The file cannot be read.");
    return LoadText(std::move(bytes), path);
}

bool CMenuImport::LoadText(std::string bytes, const std::string& name)
{
    m_strName = CPath::FileName(name);
    m_strPath = name;
    m_html.reset();
    m_strError.clear();
    if (CImportText::IsBinary(bytes))
        return Fail("The file is not an HTML page, a sitemap or a text outline.");
    m_kind = Detect(bytes, name);
    m_strBytes = std::move(bytes);
    if (m_kind == Kind::Html)
        m_html = std::make_unique<CHtmlMenuImporter>(m_strBytes);
    return true;
}

std::vector<std::string> CMenuImport::Candidates() const
{
    std::vector<std::string> list;
    if (m_html)
        for (const auto& candidate : m_html->Candidates())
            list.push_back(candidate.m_strDescription);
    return list;
}

bool CMenuImport::Import(CImportNode& root, size_t candidate, int maxLevels)
{
    root.m_children.clear();
    bool done = false;
    std::string error;
    if (m_kind == Kind::Html && m_html) {
        done = m_html->Import(candidate, root, maxLevels);
        error = m_html->Error();
    } else if (m_kind == Kind::Sitemap) {
        CSitemapImporter sitemap;
        done = sitemap.Import(m_strBytes, root, maxLevels);
        error = sitemap.Error();
    } else {
        COutlineImporter outline;
        done = outline.Import(m_strBytes, root, maxLevels);
        error = outline.Error();
    }
    if (done)
        return true;
    root.m_children.clear();
    return Fail(error);
}

void CMenuImport::LinkFrom(CImportNode& root, const std::string& page) const
{
    if (m_kind == Kind::Html && m_html && !m_html->HasBase())
        CLinkRebase(m_strPath, page).RebaseAll(root);
}
