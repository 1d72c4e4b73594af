// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CAboutDlg.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

#include "gui/widgets/CHyperLink.h"

CAboutDlg::CAboutDlg(IUserPrompts& prompts, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("About Applet Tavelina Wizard"));
    setProperty("helpContext", kHelpContext);

    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":/app/applettavelinwizard.svg")).pixmap(48, 48));
    auto* version =
        new QLabel(tr("Applet Tavelina Wizard Version %1").arg(QCoreApplication::applicationVersion()), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    auto* purpose = new QLabel(tr("Create neat, efficient Java sliding menu applets for your Internet "
                                  "or Intranet Web pages without coding. "),
                               this);
    purpose->setWordWrap(true);
    auto* notice = new QLabel(tr(kNotice), this);
    notice->setObjectName(QStringLiteral("lblNotice"));
    notice->setWordWrap(true);
    auto* contact = new QLabel(tr("Questions and suggestions: tavelina@quorvex.example"), this);
    m_pLink = new CHyperLink(prompts, tr("Visit the Quorvex web page"), this);
    m_pLink->setObjectName(QStringLiteral("lnkMaker"));
    m_pLink->SetURL(QString::fromLatin1(kMakerUrl));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 5, 1, Qt::AlignTop);
    layout->addWidget(version, 0, 1);
    layout->addWidget(purpose, 1, 1);
    layout->addWidget(notice, 2, 1);
    layout->addWidget(contact, 3, 1);
    layout->addWidget(m_pLink, 4, 1, Qt::AlignLeft);
    layout->addWidget(ok, 0, 2, Qt::AlignTop);
    layout->setColumnStretch(1, 1);
    setMinimumWidth(460);
}
