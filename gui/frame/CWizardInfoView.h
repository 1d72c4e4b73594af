// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QLabel;
class QPlainTextEdit;

// The lower pane of the main window: the title "Warning message list:" and a
// text box that Check Parameters fills and Clear Message empties. The user
// may type into it; nothing reads it back.
class CWizardInfoView : public QWidget {
    Q_OBJECT
public:
    explicit CWizardInfoView(QWidget* parent = nullptr);

    QPlainTextEdit* Messages() const { return m_edtMessages; }
    // Replaces the whole text; the report's CR LF line ends show as lines.
    void SetMessageText(const QString& text);
    QString MessageText() const;

private:
    QLabel* m_stcTitle = nullptr;
    QPlainTextEdit* m_edtMessages = nullptr;
};
