// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include "gui/widgets/CHelpSystem.h"

class QPlainTextEdit;
class QPushButton;

// "HTML": the page that Save would write, editable, with "Copy" putting the
// applet paragraph (from the first "<p align" to the first "</p>" after it)
// on the clipboard. Edits are dropped when the dialog closes.
class CDlgHtml : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpContext = CHelpSystem::kHtmlDialog;

    explicit CDlgHtml(QWidget* parent = nullptr);

    // Start and length of the applet paragraph in text; the whole text when
    // it has no "<p align" or no "</p>" after it.
    static QPair<qsizetype, qsizetype> AppletRange(const QString& text);

    // Sets the page text shown.
    void SetHtml(const QString& html);

    QString m_strHtml;
    QPlainTextEdit* Editor() const { return m_pEdit; }
    QPushButton* CopyButton() const { return m_pCopy; }

public slots:
    void OnCopy();
    void OnHelp();

private:
    QPlainTextEdit* m_pEdit = nullptr;
    QPushButton* m_pCopy = nullptr;
};
