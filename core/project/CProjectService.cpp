// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CProjectService.h"

#include <new>
#include <utility>

#include "core/format/CProjectReader.h"
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

CProjectResult CProjectService::Open(const std::string& page, CAppletParameters& params,
                                     const std::function<void()>& beforeReplace)
{
    const std::string project = CPath::ProjectFileFor(page);
    if (!m_fs.IsRegularFile(project))
        return CProjectResult::Failed(kNotOurFile);
    try {
        CAppletParameters loaded;
        CProjectReader reader(loaded, m_fs, m_strProgramDir);
        if (!reader.LoadProject(project))
            return CProjectResult::Failed(CannotOpen(page));
        if (beforeReplace)
            beforeReplace();
        params.Reset();
        static_cast<CAppletSettings&>(params) = loaded;
        params.m_arrMenus = std::move(loaded.m_arrMenus);
        return CProjectResult::Done(reader.Warnings());
    } catch (const std::bad_alloc&) {
        return CProjectResult::Failed(CannotOpen(page));
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
    return Write(params, [&](CPageWriter& writer) {
        writer.SetHtml5Runtime(m_bHtml5Runtime);
        const std::string text = writer.BuildPage();
        return writer.SaveFiles(page, CPath::Folder(page), text);
    });
}

CProjectResult CProjectService::SaveTemplate(CAppletParameters& params, const std::string& name)
{
    m_fs.MakeDir(CPath::Join(m_strProgramDir, "Sample/Image"));
    m_fs.MakeDir(CPath::Join(m_strProgramDir, "Sample/Audio"));
    return Write(params, [&](CPageWriter& writer) { return writer.SaveTemplate(m_strProgramDir, name); });
}

CProjectResult CProjectService::Write(CAppletParameters& params, const std::function<bool(CPageWriter&)>& save)
{
    try {
        CPageWriter writer(params, m_fs, m_strProgramDir);
        if (save(writer))
            return CProjectResult::Done(writer.Warnings());
        return CProjectResult::Failed(writer.LastError().empty() ? CPageWriter::kSaveFailed : writer.LastError(),
                                      writer.Warnings());
    } catch (const std::bad_alloc&) {
        return CProjectResult::Failed(CPageWriter::kSaveFailed);
    }
}
