// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CAtwTool.h"

#include <filesystem>
#ifdef ATW_WITH_MIMALLOC
#include <mimalloc.h>
#else
#include <malloc.h>
#endif
#include <string>
#include <utility>

#include "CTemplateCommands.h"
#include "CToolArgs.h"
#include "core/check/CLinkChecker.h"
#include "core/check/CParameterCheck.h"
#include "core/import/CImportBuilder.h"
#include "core/import/CMenuImport.h"
#include "core/io/CPath.h"
#include "core/project/CProjectService.h"
#include "core/publish/CHtml5Exporter.h"
#include "core/publish/CPageWriter.h"
#include "core/settings/CAppSettings.h"
#include "core/templates/CTemplateStore.h"

namespace {
// Gives the memory freed so far back to the system at once: the allocator
// would otherwise keep it a while, and what the command builds next, in
// blocks of other sizes, would take fresh pages on top of it.
void ReturnFreedMemory()
{
#ifdef ATW_WITH_MIMALLOC
    mi_collect(true);
#else
    malloc_trim(0);
#endif
}
}  // namespace

CAtwTool::CAtwTool(IFileSystem& fs, CIniSettings& settings, std::string programDir, std::ostream& out,
                   std::ostream& err)
    : m_fs(fs), m_settings(settings), m_strProgramDir(std::move(programDir)), m_out(out), m_err(err)
{
}

int CAtwTool::Run(const CToolArgs& args)
{
    const std::string& command = args.m_strCommand;
    const auto& operands = args.m_arrOperands;
    m_bNoRuntime = args.m_bNoRuntime;
    m_bFragment = args.m_bFragment;
    if (command == "html")
        return Html(operands[0]);
    if (command == "check")
        return Check(operands[0], args.m_bAutoSize);
    if (command == "save")
        return Save(operands[0], operands[1]);
    if (command == "export")
        return Export(operands[0], operands[1]);
    if (command == "new")
        return New(args.m_nTemplate, operands[0]);
    if (command == "import" && args.m_bListOnly)
        return ListCandidates(operands[0]);
    if (command == "import")
        return Import(operands[0], args.m_nTemplate, args.m_nList, operands[1]);
    if (command == "check-links")
        return CheckLinks(operands[0]);
    return CTemplateCommands(*this, m_out).Run(args);
}

bool CAtwTool::Runtime() const
{
    return !m_bNoRuntime && CAppSettings(m_settings).Html5Runtime();
}

int CAtwTool::Fail(const std::string& message)
{
    m_err << message << '\n';
    return kFailure;
}

int CAtwTool::PrintWarnings(const std::vector<std::string>& warnings)
{
    for (const std::string& warning : warnings)
        m_err << warning << '\n';
    return warnings.empty() ? kSuccess : kFailure;
}

void CAtwTool::Print(const std::string& text)
{
    m_out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

bool CAtwTool::OpenPage(const std::string& page)
{
    const CProjectResult result = Service().Open(page, m_params);
    PrintWarnings(result.Warnings());
    if (!result)
        Fail(result.Error());
    ReturnFreedMemory();  // the file's bytes and what reading them took
    return result.Ok();
}

CProjectService CAtwTool::Service() const
{
    CProjectService service(m_fs, m_strProgramDir);
    service.SetHtml5Runtime(Runtime());
    return service;
}

int CAtwTool::Html(const std::string& page)
{
    if (!OpenPage(page))
        return kFailure;
    Print(Service().PageText(m_params));
    return kSuccess;
}

int CAtwTool::Check(const std::string& page, bool autoSize)
{
    if (!OpenPage(page))
        return kFailure;
    const CParameterCheck::Result check = CParameterCheck(m_params, m_fs).Run();
    Print(check.report);
    // The tool saves nothing: it tells the size that Auto-Change Menu Size
    // would give the applet.
    if (autoSize)
        Print("Auto-Change Menu Size:\tApplet Width:" + std::to_string(check.width) + ",\tApplet Height:" +
              std::to_string(check.height) + " (the project keeps " + std::to_string(m_params.m_nWidth) + " x " +
              std::to_string(m_params.m_nHeight) + "; nothing is saved)\r\n");
    return kSuccess;
}

int CAtwTool::Save(const std::string& page, const std::string& newPage)
{
    if (!OpenPage(page))
        return kFailure;
    return SaveAs(newPage);
}

int CAtwTool::Export(const std::string& page, const std::string& newPage)
{
    if (!OpenPage(page))
        return kFailure;
    std::string error;
    CHtml5Exporter exporter(m_fs, m_strProgramDir);
    exporter.SetFragment(m_bFragment);
    const bool done = exporter.Export(m_params, newPage, &error);
    const int status = PrintWarnings(exporter.Warnings());
    if (!done)
        return Fail(error.empty() ? CHtml5Exporter::kSaveFailed : error);
    return status;
}

bool CAtwTool::SettingsReadable()
{
    if (!m_settings.Unreadable())
        return true;
    Fail("The settings file " + m_settings.Path() + " cannot be read.");
    return false;
}

bool CAtwTool::LoadTemplate(int index)
{
    if (!SettingsReadable())
        return false;
    CTemplateStore store(m_settings, m_fs, m_strProgramDir, m_strSharedDir);
    const int count = static_cast<int>(store.ListNames().size());
    if (index >= count) {
        Fail("There is no template at position " + std::to_string(index) + "; the list holds " + std::to_string(count) +
             ".");
        return false;
    }
    if (store.LoadTemplate(m_params, index))
        return true;
    Fail(store.LastError());
    return false;
}

int CAtwTool::New(int index, const std::string& newPage)
{
    return MayWrite(newPage) && LoadTemplate(index) ? SaveAs(newPage) : kFailure;
}

// The page's list (the first the editor offers unless list names another),
// the sitemap or the outline, in the looks of template index, saved as a new
// project. What the source held and the menu leaves out is named on
// standard error.
int CAtwTool::Import(const std::string& source, int index, int list, const std::string& newPage)
{
    if (!MayWrite(newPage))
        return kFailure;
    CImportNode root;
    if (!ReadSource(source, list, newPage, root) || !LoadTemplate(index))
        return kFailure;
    ReturnFreedMemory();  // the page's parse tree
    CImportBuilder::BuildProject(m_params, root);
    // The structure read is done with before the save builds the page.
    root.m_children.clear();
    root.m_children.shrink_to_fit();
    ReturnFreedMemory();
    return SaveAs(newPage);
}

// The menu structure of source into root, its links leading from newPage's
// folder. The parse tree of a page, the largest thing an import holds, is
// gone when this returns.
bool CAtwTool::ReadSource(const std::string& source, int list, const std::string& newPage, CImportNode& root)
{
    CMenuImport import;
    // Both paths from the root, so that the way from the new page's folder
    // to the source's can be written into the links.
    std::error_code error;
    const std::string from = std::filesystem::absolute(source, error).string();
    const std::string to = std::filesystem::absolute(newPage, error).string();
    if (!import.Load(m_fs, from.empty() ? source : from)) {
        Fail(import.Error());
        return false;
    }
    const size_t count = import.Candidates().size();
    if (list > 0 && static_cast<size_t>(list) >= count) {
        Fail(CPath::FileName(source) + ": there is no list " + std::to_string(list) + "; the page offers " +
             std::to_string(count) + " (atw import --list " + source + " prints them).");
        return false;
    }
    if (!import.Import(root, static_cast<size_t>(list))) {
        Fail(import.Error());
        return false;
    }
    for (const std::string& note : import.Notes())
        m_err << note << '\n';
    import.LinkFrom(root, to.empty() ? newPage : to);
    return true;
}

int CAtwTool::ListCandidates(const std::string& source)
{
    CMenuImport import;
    if (!import.Load(m_fs, source))
        return Fail(import.Error());
    if (import.SourceKind() != CMenuImport::Kind::Html)
        return Fail(CPath::FileName(source) +
                    ": a sitemap or an outline holds one menu; there are no lists to choose.");
    const std::vector<std::string> candidates = import.Candidates();
    if (candidates.empty()) {
        CImportNode root;
        import.Import(root);
        return Fail(import.Error());
    }
    for (size_t i = 0; i < candidates.size(); ++i)
        Print(std::to_string(i) + ": " + candidates[i] + "\n");
    return kSuccess;
}

int CAtwTool::CheckLinks(const std::string& page)
{
    if (!OpenPage(page))
        return kFailure;
    // Each line is printed as it is found: a large project's report is never held whole.
    CLinkChecker checker(m_fs, page);
    checker.Run(m_params, [this](const CLinkChecker::CFinding& finding) {
        m_out.write(finding.m_strText.data(), static_cast<std::streamsize>(finding.m_strText.size()));
        m_out.put('\n');
    });
    Print(CLinkChecker::Summary(checker.Broken(), checker.External(), checker.Checked()) + "\n");
    return checker.Broken() > 0 ? kFailure : kSuccess;
}

// Copies that failed are named on standard error and make the exit status 1,
// though the page and its project file were written.
// A page of the user's own, one without a project file beside it, is never
// written over: a slip of the hand (NEWPAGE naming the site's own page, or
// the page an import reads) must not cost that page.
bool CAtwTool::MayWrite(const std::string& newPage)
{
    const std::string project = CPath::ProjectFileFor(newPage);
    if (!m_fs.IsRegularFile(newPage) || m_fs.Exists(project))
        return true;
    Fail(CPath::FileName(newPage) + " exists and was not saved by Applet Tavelina Wizard (there is no " +
         CPath::FileName(project) + " beside it); it was left as it is.");
    return false;
}

int CAtwTool::SaveAs(const std::string& newPage)
{
    if (!MayWrite(newPage))
        return kFailure;
    const CProjectResult result = Service().Save(m_params, newPage);
    const int status = PrintWarnings(result.Warnings());
    if (!result)
        return Fail(result.Error());
    return status;
}
