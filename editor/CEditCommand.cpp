// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CEditCommand.h"

#include <utility>

namespace {
// The one id of the steps that may merge; the key tells which of them do.
constexpr int kMergeableId = 1;
}  // namespace

CEditCommand::CEditCommand(const QString& text, std::function<void()> redo, std::function<void()> undo,
                           QString mergeKey)
    : QUndoCommand(text), m_fnRedo(std::move(redo)), m_fnUndo(std::move(undo)), m_strMergeKey(std::move(mergeKey))
{
}

void CEditCommand::redo()
{
    m_fnRedo();
}

void CEditCommand::undo()
{
    m_fnUndo();
}

int CEditCommand::id() const
{
    return m_strMergeKey.isEmpty() ? -1 : kMergeableId;
}

bool CEditCommand::mergeWith(const QUndoCommand* other)
{
    const auto* next = dynamic_cast<const CEditCommand*>(other);
    if (!next || next->m_strMergeKey != m_strMergeKey)
        return false;
    m_fnRedo = next->m_fnRedo;
    return true;
}
