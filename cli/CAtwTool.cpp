#include "CAtwTool.h"

#include <utility>

#include "CTemplateCommands.h"
#include "CToolArgs.h"
#include "codec/CHtml5Exporter.h"
#include "codec/CImportBuilder.h"
#include "codec/CLinkChecker.h"
#include "codec/CMenuImport.h"
#include "codec/CPageWriter.h"
#include "codec/CParameterCheck.h"
#include "codec/CPath.h"
#include "codec/CProjectReader.h"
#include "templates/CAppSettings.h"
#include "templates/CTemplateStore.h"

namespace {
constexpr const char* kNotOurFile =
    "This File is not saved by Applet Tavelin Wizard!\nSystem can't open it.";
}

CAtwTool::CAtwTool(IFileSystem& fs, CIniSettings& settings, std::string programDir,
                   std::ostream& out, std::ostream& err)
    : m_fs(fs), m_settings(settings), m_strProgramDir(std::move(programDir)), m_out(out), m_err(err)
{
}

int CAtwTool::Run(const CToolArgs& args)
{
    const std::string& command = args.m_strCommand;
    const auto& operands = args.m_arrOperands;
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
    if (command == "import")
        return Import(operands[0], args.m_nTemplate, operands[1]);
    if (command == "check-links")
        return CheckLinks(operands[0]);
    return CTemplateCommands(*this, m_out).Run(args);
}

int CAtwTool::Fail(const std::string& message)
{
    m_err << message << '\n';
    return kFailure;
}

void CAtwTool::Print(const std::string& text)
{
    m_out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

bool CAtwTool::OpenPage(const std::string& page)
{
    const std::string project = CPath::ProjectFileFor(page);
    if (!m_fs.IsRegularFile(project)) {
        Fail(kNotOurFile);
        return false;
    }
    CProjectReader reader(m_params, m_fs, m_strProgramDir);
    if (!reader.LoadProject(project)) {
        Fail("Can't open file " + page + ".!Please check it.");
        return false;
    }
    for (const std::string& warning : reader.Warnings())
        m_err << warning << '\n';
    return true;
}

int CAtwTool::Html(const std::string& page)
{
    if (!OpenPage(page))
        return kFailure;
    CPageWriter writer(m_params, m_fs, m_strProgramDir);
    writer.SetHtml5Runtime(CAppSettings(m_settings).Html5Runtime());
    Print(writer.BuildPage());
    return kSuccess;
}

int CAtwTool::Check(const std::string& page, bool autoSize)
{
    if (!OpenPage(page))
        return kFailure;
    Print(CParameterCheck(m_params, m_fs).Run(autoSize));
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
    if (CHtml5Exporter(m_fs, m_strProgramDir).Export(m_params, newPage, &error))
        return kSuccess;
    return Fail(error.empty() ? CHtml5Exporter::kSaveFailed : error);
}

bool CAtwTool::LoadTemplate(int index)
{
    CTemplateStore store(m_settings, m_fs, m_strProgramDir);
    const int count = static_cast<int>(store.ListNames().size());
    if (index >= count) {
        Fail("There is no template at position " + std::to_string(index) + "; the list holds " +
             std::to_string(count) + ".");
        return false;
    }
    store.LoadTemplate(m_params, index);
    return true;
}

int CAtwTool::New(int index, const std::string& newPage)
{
    return LoadTemplate(index) ? SaveAs(newPage) : kFailure;
}

// The page's first <nav> list (or its first list), the sitemap or the
// outline, in the looks of template index, saved as a new project.
int CAtwTool::Import(const std::string& source, int index, const std::string& newPage)
{
    CMenuImport import;
    CImportNode root;
    if (!import.Load(m_fs, source) || !import.Import(root))
        return Fail(import.Error());
    if (!LoadTemplate(index))
        return kFailure;
    CImportBuilder::BuildProject(m_params, root);
    return SaveAs(newPage);
}

int CAtwTool::CheckLinks(const std::string& page)
{
    if (!OpenPage(page))
        return kFailure;
    CLinkChecker checker(m_fs, page);
    const auto findings = checker.Run(m_params);
    bool broken = false;
    for (const std::string& line : CLinkChecker::Lines(findings, checker.Checked()))
        Print(line + "\n");
    for (const auto& finding : findings)
        broken = broken || finding.m_bBroken;
    return broken ? kFailure : kSuccess;
}

int CAtwTool::SaveAs(const std::string& newPage)
{
    CPageWriter writer(m_params, m_fs, m_strProgramDir);
    writer.SetHtml5Runtime(CAppSettings(m_settings).Html5Runtime());
    const std::string text = writer.BuildPage();
    if (writer.SaveFiles(newPage, CPath::Folder(newPage), text, false, std::string()))
        return kSuccess;
    return Fail(writer.LastError().empty() ? CPageWriter::kSaveFailed : writer.LastError());
}
