// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CMenuImportFlow.h"

#include <QDialog>
#include <algorithm>
#include <new>

#include "core/import/CImportBuilder.h"
#include "core/import/CMenuImport.h"
#include "editor/CModelEditor.h"
#include "editor/CText.h"
#include "editor/IUserPrompts.h"
#include "gui/dialogs/CDlgImportSource.h"
#include "gui/props/CPropertyFrame.h"
#include "gui/tree/CAppletTavelinWizardView.h"

CMenuImportFlow::CMenuImportFlow(QWidget* owner, IUserPrompts& prompts, IFileSystem& fs, CModelEditor& editor)
    : QObject(owner), m_pOwner(owner), m_prompts(prompts), m_fs(fs), m_editor(editor)
{
}

bool CMenuImportFlow::ReadSource(CImportNode& root, int maxLevels, const QString& page, const QString& caption)
{
    const QString path =
        m_prompts.OpenFileName(m_pOwner, caption.isEmpty() ? tr("Import Menu") : caption, tr(kFilter), QString());
    return !path.isEmpty() && ReadFile(path, root, maxLevels, page, caption);
}

bool CMenuImportFlow::ReadFile(const QString& path, CImportNode& root, int maxLevels, const QString& page,
                               const QString& caption)
{
    CMenuImport import;
    m_strLastSource = path;
    m_lastNotes.clear();
    if (!import.Load(m_fs, CText::FromQ(path))) {
        m_prompts.Message(m_pOwner, CText::ToQ(import.Error()));
        return false;
    }
    size_t candidate = 0;
    if (import.Candidates().size() > 1) {
        CDlgImportSource dialog(import, maxLevels, m_pOwner);
        if (!caption.isEmpty())
            dialog.setWindowTitle(caption);
        if (m_prompts.Exec(dialog) != QDialog::Accepted)
            return false;
        candidate = static_cast<size_t>(std::max(dialog.m_nSelected, 0));
    }
    if (!import.Import(root, candidate, maxLevels)) {
        m_prompts.Message(m_pOwner, CText::ToQ(import.Error()));
        return false;
    }
    import.LinkFrom(root, CText::FromQ(page));
    // What the source held and the menu leaves out is told, not hidden.
    for (const std::string& note : import.Notes())
        m_lastNotes << CText::ToQ(note);
    return true;
}

bool CMenuImportFlow::ImportItemsUnder(CAppletTavelinWizardView& view, const QString& page)
{
    using View = CAppletTavelinWizardView;
    QTreeWidgetItem* target = view.currentItem() ? view.currentItem() : view.RootNode();
    if (!target)
        return false;
    const int kind = view.GetNodeKind(target);
    const bool isItem = kind == View::KindItem || kind == View::KindLeaf;
    // The menu that takes the items lies at this nesting depth.
    const int depth = isItem ? view.GetNodeDepth(target) - 1 : 0;
    const int maxLevels = std::min(CMenuImport::kMaxLevels, CAppletParameters::kMaxDepth - depth + 1);
    if (CPropertyFrame* frame = view.PropertyFrame(); frame && frame->isVisible())
        frame->CommitActivePage();
    m_lastItems.clear();
    CImportNode root;
    if (maxLevels < 1 || !ReadSource(root, maxLevels, page, tr("Import Items")))
        return false;

    const auto items = CImportBuilder(m_editor.Params()).BuildItems(root, depth);
    m_editor.BeginMacro(tr("Import"));
    CTavelinItem* owner = isItem ? view.ItemOf(target) : nullptr;
    CTavelin* menu = owner ? owner->m_pSubMenu.get() : view.TopMenuOf(target);
    if (kind == View::KindRoot)
        menu = m_editor.AddTopMenu();
    CTavelinItem* first = nullptr;
    try {
        // Each goes to the front, so the last goes first.
        for (auto item = items.rbegin(); item != items.rend(); ++item) {
            first = m_editor.InsertItemCopy(menu, owner, depth, **item);
            m_lastItems.push_back(first);
        }
    } catch (const std::bad_alloc&) {
        // An import that ran out of memory part-way is taken back whole, as
        // one step, before the caller says why.
        m_lastItems.clear();
        m_editor.EndMacro();
        m_editor.History().undo();
        throw;
    }
    m_editor.EndMacro();
    std::reverse(m_lastItems.begin(), m_lastItems.end());  // in the menu's order
    if (QTreeWidgetItem* node = first ? view.NodeOf(first) : nullptr) {
        view.expandItem(node->parent());
        view.setCurrentItem(node);
    }
    return first != nullptr;
}
