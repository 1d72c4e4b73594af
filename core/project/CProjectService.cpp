// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CProjectService.h"

#include <new>
#include <utility>

#include "core/format/CProjectReader.h"
#include "core/io/CLockHold.h"
#include "core/io/CPath.h"
#include "core/publish/CPageWriter.h"

CProjectService::CProjectService(IFileSystem& fs, std::string programDir)
    : m_fs(fs), m_strProgramDir(std::move(programDir))
{
}

std::string CProjectService::CannotOpen(const std::string& page)
{
    return "Can't open file " + page + ".!Please check it.";
}

std::string CProjectService::NoMemoryToOpen(const std::string& page)
{
    return "There is not enough memory to open " + page + ".";
}

std::string CProjectService::NoMemoryToSave(const std::string& page)
{
    return "There is not enough memory to save " + page + "; the files were left as they were.";
}

std::string CProjectService::Damaged(const std::string& project)
{
    return "The project file " + project + " is damaged: it holds no [" + CProjectReader::kProjectSection +
           "] section. It was left as it is.";
}

CProjectResult CProjectService::Open(const std::string& page, CAppletParameters& params,
                                     const std::function<void()>& beforeReplace)
{
    const std::string project = CPath::ProjectFileFor(page);
    std::vector<std::string> notices;
    if (m_fs.HasInterruptedWrite(project)) {
        const CLockHold lock(m_fs, project);
        if (lock.Held() && m_fs.FinishInterruptedWrite(project) > 0)
            notices.push_back("The last save of " + CPath::FileName(page) +
                              " was cut off between its files; it has now been completed.");
    }
    if (!m_fs.IsRegularFile(project))
        return CProjectResult::Failed(kNotOurFile);
    const auto read = [&](CProjectReader& reader) {
        if (reader.LoadProject(project))
            return std::string();
        if (reader.OutOfMemory())
            return NoMemoryToOpen(page);
        return reader.MissingSection() ? Damaged(project) : CannotOpen(page);
    };
    return Replace(read, page, params, beforeReplace, std::move(notices));
}

CProjectResult CProjectService::OpenText(const std::string& text, const std::string& page, CAppletParameters& params,
                                         const std::function<void()>& beforeReplace)
{
    const auto read = [&](CProjectReader& reader) {
        reader.LoadProjectText(text);
        return std::string();
    };
    return Replace(read, page, params, beforeReplace, {});
}

// The project is read into a model of its own; params changes only once it
// has been read whole.
CProjectResult CProjectService::Replace(const std::function<std::string(CProjectReader&)>& read,
                                        const std::string& page, CAppletParameters& params,
                                        const std::function<void()>& beforeReplace, std::vector<std::string> notices)
{
    try {
        CAppletParameters loaded;
        CProjectReader reader(loaded, m_fs, m_strProgramDir);
        if (std::string error = read(reader); !error.empty())
            return CProjectResult::Failed(std::move(error), notices);
        if (beforeReplace)
            beforeReplace();
        params.Reset();
        static_cast<CAppletSettings&>(params) = loaded;
        params.m_arrMenus = std::move(loaded.m_arrMenus);
        notices.insert(notices.end(), reader.Warnings().begin(), reader.Warnings().end());
        return CProjectResult::Done(notices);
    } catch (const std::bad_alloc&) {
        return CProjectResult::Failed(NoMemoryToOpen(page), notices);
    }
}

std::string CProjectService::PageText(CAppletParameters& params)
{
    CPageWriter writer(params, m_fs, m_strProgramDir);
    writer.SetHtml5Runtime(m_bHtml5Runtime);
    return writer.BuildPage();
}

CProjectResult CProjectService::Save(CAppletParameters& params, const std::string& page)
{
    // Checked before any copy is written beside the page.
    if (const std::string folder = CPath::Folder(page); !folder.empty() && !m_fs.IsDirectory(folder))
        return CProjectResult::Failed((m_fs.Exists(folder) ? folder + " is a file, not a folder; "
                                                           : "The folder " + folder + " does not exist; ") +
                                      CPath::FileName(page) + " was not saved.");
    return Write(params, page, [&](CPageWriter& writer) {
        writer.SetHtml5Runtime(m_bHtml5Runtime);
        const std::string text = writer.BuildPage();
        return writer.SaveFiles(page, CPath::Folder(page), text);
    });
}

CProjectResult CProjectService::SaveTemplate(CAppletParameters& params, const std::string& name)
{
    m_fs.MakeDir(CPath::Join(m_strProgramDir, "Sample/Image"));
    m_fs.MakeDir(CPath::Join(m_strProgramDir, "Sample/Audio"));
    return Write(params, CPageWriter::kTemplateFile,
                 [&](CPageWriter& writer) { return writer.SaveTemplate(m_strProgramDir, name); });
}

CProjectResult CProjectService::Write(CAppletParameters& params, const std::string& file,
                                      const std::function<bool(CPageWriter&)>& save)
{
    try {
        CPageWriter writer(params, m_fs, m_strProgramDir);
        if (save(writer))
            return CProjectResult::Done(writer.Warnings());
        return CProjectResult::Failed(writer.LastError().empty() ? CPageWriter::kSaveFailed : writer.LastError(),
                                      writer.Warnings());
    } catch (const std::bad_alloc&) {
        return CProjectResult::Failed(NoMemoryToSave(file));
    }
}
