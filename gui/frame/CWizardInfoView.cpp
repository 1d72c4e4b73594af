// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CWizardInfoView.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

CWizardInfoView::CWizardInfoView(QWidget* parent) : QWidget(parent)
{
    m_stcTitle = new QLabel(tr("Warning message list:"), this);
    m_stcTitle->setObjectName(QStringLiteral("stcTitle"));
    m_edtMessages = new QPlainTextEdit(this);
    m_edtMessages->setObjectName(QStringLiteral("edtMessages"));
    m_edtMessages->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_edtMessages->setMinimumHeight(0);
    m_stcTitle->setBuddy(m_edtMessages);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->setSpacing(2);
    layout->addWidget(m_stcTitle);
    layout->addWidget(m_edtMessages, 1);
    setMinimumHeight(0);
}

void CWizardInfoView::SetMessageText(const QString& text)
{
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    m_edtMessages->setPlainText(shown);
}

QString CWizardInfoView::MessageText() const
{
    return m_edtMessages->toPlainText();
}
