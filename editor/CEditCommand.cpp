#include "CEditCommand.h"

#include <utility>

CEditCommand::CEditCommand(const QString& text, std::function<void()> redo, std::function<void()> undo)
    : QUndoCommand(text), m_fnRedo(std::move(redo)), m_fnUndo(std::move(undo))
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
