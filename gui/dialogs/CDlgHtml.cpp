// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CDlgHtml.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/widgets/CHelpSystem.h"

CDlgHtml::CDlgHtml(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("HTML"));
    setProperty("helpContext", kHelpContext);
    m_pEdit = new QPlainTextEdit(this);
    m_pEdit->setObjectName(QStringLiteral("edtHtml"));
    m_pEdit->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_pEdit->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_pEdit->setAccessibleName(tr("HTML of the menu"));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("btnOk"));
    ok->setDefault(true);
    m_pCopy = new QPushButton(tr("Copy"), this);
    m_pCopy->setObjectName(QStringLiteral("btnCopy"));
    m_pCopy->setToolTip(tr("Click to copy HTML into clipboard"));
    auto* help = new QPushButton(tr("Help"), this);
    help->setObjectName(QStringLiteral("btnHelp"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_pCopy, &QPushButton::clicked, this, &CDlgHtml::OnCopy);
    connect(help, &QPushButton::clicked, this, &CDlgHtml::OnHelp);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(m_pCopy);
    buttons->addStretch(1);
    buttons->addWidget(help);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pEdit, 1);
    layout->addLayout(buttons);
    resize(640, 440);
    setTabOrder(ok, m_pCopy);
    setTabOrder(m_pCopy, m_pEdit);
    setTabOrder(m_pEdit, help);
}

void CDlgHtml::SetHtml(const QString& html)
{
    m_strHtml = html;
    m_pEdit->setPlainText(html);
}

QPair<qsizetype, qsizetype> CDlgHtml::AppletRange(const QString& text)
{
    const qsizetype start = text.indexOf(QLatin1String("<p align"));
    const qsizetype end = start < 0 ? -1 : text.indexOf(QLatin1String("</p>"), start);
    if (end < 0)
        return {0, text.size()};
    return {start, end + 4 - start};
}

void CDlgHtml::OnCopy()
{
    m_strHtml = m_pEdit->toPlainText();
    const auto [start, length] = AppletRange(m_strHtml);
    QTextCursor cursor = m_pEdit->textCursor();
    cursor.setPosition(int(start));
    cursor.setPosition(int(start + length), QTextCursor::KeepAnchor);
    m_pEdit->setTextCursor(cursor);
    QGuiApplication::clipboard()->setText(m_strHtml.mid(start, length));
}

void CDlgHtml::OnHelp()
{
    CHelpSystem::Request(this, kHelpContext);
}
