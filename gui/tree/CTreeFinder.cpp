// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CTreeFinder.h"

#include "CAppletTavelinWizardView.h"
#include "core/check/CItemSearch.h"
#include "editor/CModelEditor.h"
#include "editor/CText.h"
#include "editor/IUserPrompts.h"
#include "gui/dialogs/CDlgFind.h"

CTreeFinder::CTreeFinder(CAppletTavelinWizardView& view, CModelEditor& editor, IUserPrompts& prompts)
    : QObject(&view), m_view(view), m_editor(editor), m_prompts(prompts)
{
    connect(&editor, &CModelEditor::Changed, this, [this] { m_pIndex.reset(); });
    connect(&editor, &CModelEditor::ModelReset, this, [this] { m_pIndex.reset(); });
}

CTreeFinder::~CTreeFinder() = default;

void CTreeFinder::Find()
{
    CDlgFind dialog(m_strText, m_view.window());
    if (m_prompts.Exec(dialog) != QDialog::Accepted || dialog.Text().isEmpty())
        return;
    FindText(dialog.Text());
}

void CTreeFinder::FindNext()
{
    if (m_strText.isEmpty())
        Find();
    else
        FindText(m_strText);
}

const CTavelinItem* CTreeFinder::FindText(const QString& text)
{
    m_strText = text;
    const CTavelinItem* current = m_view.ItemOf(m_view.currentItem());
    if (!m_pIndex)
        m_pIndex = std::make_unique<CItemSearch>(m_editor.Params());
    const CTavelinItem* found = m_pIndex->FindNext(current, CText::FromQ(text));
    QTreeWidgetItem* node = found ? m_view.NodeOf(found) : nullptr;
    if (!node) {
        m_prompts.Message(m_view.window(), tr("Cannot find \"%1\".").arg(text), IUserPrompts::Icon::Information);
        return nullptr;
    }
    m_view.setCurrentItem(node);
    m_view.scrollToItem(node);
    return found;
}
