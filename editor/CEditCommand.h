#pragma once

#include <QUndoCommand>
#include <functional>

// One step of the edit history: how to apply a change and how to take it
// back. The model editor builds one for each of its operations.
class CEditCommand : public QUndoCommand {
public:
    CEditCommand(const QString& text, std::function<void()> redo, std::function<void()> undo);

    void redo() override;
    void undo() override;

private:
    std::function<void()> m_fnRedo;
    std::function<void()> m_fnUndo;
};
