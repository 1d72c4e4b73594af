// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QUndoCommand>
#include <functional>

// One step of the edit history: how to apply a change and how to take it
// back. The model editor builds one for each of its operations. A step with
// a merge key takes in the step pushed right after it with the same key (the
// same field of the same object edited again): the two become one step that
// undoes to the first one's start and redoes to the second one's end.
class CEditCommand : public QUndoCommand {
public:
    CEditCommand(const QString& text, std::function<void()> redo, std::function<void()> undo,
                 QString mergeKey = QString());

    void redo() override;
    void undo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

private:
    std::function<void()> m_fnRedo;
    std::function<void()> m_fnUndo;
    QString m_strMergeKey;
};
