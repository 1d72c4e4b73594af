// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CMenuImport.h"

#include <algorithm>
#include <cctype>

#include "CCharset.h"
#include "CImportText.h"
#include "CLinkRebase.h"
#include "CMarkdownImporter.h"
#include "CMkDocsImporter.h"
#include "CNestingScan.h"
#include "COutlineImporter.h"
#include "CSitemapImporter.h"
#include "core/io/CGzip.h"
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

bool CMenuImport::IsMarkdown(const std::string& name)
{
    std::string fileName = Lower(CPath::FileName(name));
    if (fileName.size() > 3 && fileName.compare(fileName.size() - 3, 3, ".gz") == 0)
        fileName.resize(fileName.size() - 3);
    const std::string extension = CPath::Extension(fileName);
    return extension == "md" || extension == "markdown";
}

bool CMenuImport::Fail(const std::string& message)
{
    m_strError = m_strName + ": " + message;
    return false;
}

// The first element's name in text, read past white space, comments, an
// XML declaration and a doctype ("" when text starts with no element).
std::string CMenuImport::FirstElement(std::string_view text)
{
    size_t at = text.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
    for (;;) {
        at = text.find_first_not_of(" \t\r\n", at);
        if (at == std::string_view::npos || text[at] != '<')
            return {};
        if (text.compare(at, 4, "<!--") == 0) {
            at = text.find("-->", at + 4);
            at = at == std::string_view::npos ? text.size() : at + 3;
        } else if (text.compare(at, 2, "<?") == 0 || text.compare(at, 2, "<!") == 0) {
            at = text.find('>', at);
            at = at == std::string_view::npos ? text.size() : at + 1;
        } else {
            size_t end = at + 1;
            while (end < text.size() &&
                   (std::isalnum(static_cast<unsigned char>(text[end])) || text[end] == ':' || text[end] == '-'))
                ++end;
            return Lower(text.substr(at + 1, end - at - 1));
        }
    }
}

CMenuImport::Kind CMenuImport::Detect(const std::string& bytes, const std::string& name)
{
    std::string fileName = Lower(CPath::FileName(name));
    if (fileName.size() > 3 && fileName.compare(fileName.size() - 3, 3, ".gz") == 0)
        fileName.resize(fileName.size() - 3);
    const std::string extension = CPath::Extension(fileName);
    if (extension == "yml" || extension == "yaml")
        return Kind::MkDocs;
    // Markdown and plain text may start with HTML of their own (a comment, a centred logo).
    if (extension == "md" || extension == "markdown" || extension == "txt")
        return Kind::Outline;
    std::string first = FirstElement(std::string_view(bytes).substr(0, 65536));
    if (const size_t colon = first.find(':'); colon != std::string::npos)
        first.erase(0, colon + 1);
    if (first == "urlset" || first == "sitemapindex")
        return Kind::Sitemap;
    if (extension == "xml")
        return first == "html" ? Kind::Html : Kind::Sitemap;
    if (!first.empty() || extension == "htm" || extension == "html" || extension == "xhtml")
        return Kind::Html;
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
    if (CGzip::IsGzip(bytes)) {
        std::string unpacked;
        std::string why;
        if (!CGzip::Unpack(bytes, unpacked, kMaxUnpacked, why))
            return Fail("The packed file cannot be read: " + why + ".");
        bytes = std::move(unpacked);
    }
    bytes = CCharset::ToUtf8(bytes);
    if (CImportText::IsBinary(bytes))
        return Fail("The file is not an HTML page, a sitemap or a text outline.");
    m_kind = Detect(bytes, name);
    if (m_kind == Kind::Html) {
        // Refused before parsing: the parser is slow on deep nesting.
        if (const CNestingScan scan(bytes, kMaxLevels); !scan.Problem().empty())
            return Fail(scan.Problem());
    }
    // A page's bytes go to its importer, whose parse tree points into them:
    // a large page is held once.
    if (m_kind == Kind::Html)
        m_html = std::make_unique<CHtmlMenuImporter>(std::move(bytes));
    else
        m_strBytes = std::move(bytes);
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
    m_notes.clear();
    bool done = false;
    std::string error;
    if (m_kind == Kind::Html && m_html) {
        done = m_html->Import(candidate, root, maxLevels);
        error = m_html->Error();
        m_notes = m_html->Notes();
    } else if (m_kind == Kind::Sitemap) {
        CSitemapImporter sitemap;
        done = sitemap.Import(m_strBytes, root, maxLevels);
        error = sitemap.Error();
        m_notes = sitemap.Notes();
    } else if (m_kind == Kind::MkDocs) {
        CMkDocsImporter mkdocs;
        done = mkdocs.Import(m_strBytes, root, maxLevels);
        error = mkdocs.Error();
        m_notes = mkdocs.Notes();
    } else if (IsMarkdown(m_strName)) {
        CMarkdownImporter markdown;
        done = markdown.Import(m_strBytes, root, maxLevels);
        error = markdown.Error();
        m_notes = markdown.Notes();
    } else {
        COutlineImporter outline;
        done = outline.Import(m_strBytes, root, maxLevels);
        error = outline.Error();
        m_notes = outline.Notes();
    }
    if (done) {
        for (std::string& note : m_notes)
            note = m_strName + ": " + note;
        return true;
    }
    m_notes.clear();
    root.m_children.clear();
    return Fail(error);
}

void CMenuImport::LinkFrom(CImportNode& root, const std::string& page) const
{
    if (m_kind != Kind::Sitemap)
        CLinkRebase(m_strPath, page).RebaseAll(root);
}
