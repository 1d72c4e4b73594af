// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CPreview.h"

#include <QUrl>
#include <algorithm>
#include <iterator>

#include "CBrowserLauncher.h"
#include "CText.h"
#include "IUserPrompts.h"
#include "core/io/CPath.h"
#include "core/project/CProjectService.h"
#include "core/settings/CAppSettings.h"

std::string CPreview::PreviewFolder(const std::string& programDir)
{
    return CPath::Join(programDir, kPreviewFolder);
}

std::string CPreview::PreviewPagePath(const std::string& programDir)
{
    return CPath::Join(PreviewFolder(programDir), kPreviewPage);
}

std::string CPreview::PreviewFolder(const CEditorContext& context)
{
    return context.previewDir.empty() ? PreviewFolder(context.programDir) : context.previewDir;
}

std::string CPreview::PreviewPagePath(const CEditorContext& context)
{
    return CPath::Join(PreviewFolder(context), kPreviewPage);
}

CProjectResult CPreview::Preview(QWidget* owner, std::set<std::string>* created) const
{
    const std::string folder = PreviewFolder(m_ctx);
    const std::string page = PreviewPagePath(m_ctx);
    // A folder that cannot be made shows up as the writer's failure below.
    m_ctx.fileSystem.MakeDir(folder);
    const std::vector<std::string> before = m_ctx.fileSystem.ListFiles(folder);
    CProjectService service(m_ctx.fileSystem, m_ctx.programDir);
    service.SetHtml5Runtime(CAppSettings(m_ctx.settings).Html5Runtime());
    const CProjectResult result = service.Save(m_ctx.Params(), page);
    if (!result)
        m_ctx.prompts.Message(owner, CText::ToQ(result.Error()));
    if (created) {
        // Both lists are sorted.
        const std::vector<std::string> after = m_ctx.fileSystem.ListFiles(folder);
        std::set_difference(after.begin(), after.end(), before.begin(), before.end(),
                            std::inserter(*created, created->end()));
    }
    // Whatever the earlier preview left there is still worth showing.
    m_ctx.browser.ShowPreview(CText::ToQ(page), owner);
    return result;
}

void CPreview::ViewSample(QWidget* owner) const
{
    const std::string page = CPath::Join(m_ctx.DataDir(), kSamplePage);
    m_ctx.browser.ShowPage(QUrl::fromLocalFile(CText::ToQ(page)), owner);
}
