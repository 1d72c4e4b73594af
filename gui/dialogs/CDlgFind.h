// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class QLineEdit;

// "Find": the text to look for in the items' labels, descriptions and links.
class CDlgFind : public QDialog {
    Q_OBJECT
public:
    explicit CDlgFind(const QString& text, QWidget* parent = nullptr);

    QLineEdit* Edit() const { return m_pEdit; }
    QString Text() const;

private:
    QLineEdit* m_pEdit = nullptr;
};
