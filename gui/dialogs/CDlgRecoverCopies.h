// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include "editor/IUserPrompts.h"

class QListWidget;
class QPushButton;

// The recovery copies left by runs that ended abruptly, in one list: the
// user recovers the chosen one ("Recover", or a double click), discards them
// all ("Discard All") or keeps them all for the next start ("Later", or
// closing the window).
class CDlgRecoverCopies : public QDialog {
    Q_OBJECT
public:
    CDlgRecoverCopies(const QString& text, const QStringList& rows, QWidget* parent = nullptr);

    // What was chosen; Later until a button says otherwise.
    IUserPrompts::RecoverListAnswer Answer() const { return m_answer; }
    QListWidget* List() const { return m_pList; }
    QPushButton* RecoverButton() const { return m_pRecover; }
    QPushButton* DiscardAllButton() const { return m_pDiscardAll; }

private:
    void Finish(IUserPrompts::RecoverAnswer answer);

    QListWidget* m_pList = nullptr;
    QPushButton* m_pRecover = nullptr;
    QPushButton* m_pDiscardAll = nullptr;
    IUserPrompts::RecoverListAnswer m_answer;
};
