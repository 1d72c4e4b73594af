// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CDlgWebBrowser.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "editor/CBrowserLauncher.h"
#include "editor/CKnownBrowsers.h"
#include "editor/CText.h"
#include "editor/IUserPrompts.h"
#include "gui/widgets/CHelpSystem.h"

namespace {

// The buttons' ids are the modes' values.
QRadioButton* AddChoice(QButtonGroup* group, QGridLayout* grid, const QString& text, const char* name,
                        CBrowserLauncher::Mode mode)
{
    auto* radio = new QRadioButton(text);
    radio->setObjectName(QLatin1String(name));
    group->addButton(radio, static_cast<int>(mode));
    grid->addWidget(radio, grid->rowCount(), 0, 1, 3);
    return radio;
}

QPushButton* MakeButton(const QString& text, const char* name)
{
    auto* button = new QPushButton(text);
    button->setObjectName(QLatin1String(name));
    return button;
}

}  // namespace

CDlgWebBrowser::CDlgWebBrowser(IUserPrompts& prompts, const QStringList& knownNames, QWidget* parent)
    : QDialog(parent), m_prompts(prompts)
{
    setWindowTitle(tr("Web Browser"));
    setProperty("helpContext", CHelpSystem::kWebBrowserDialog);

    auto* box = new QGroupBox(tr("Web Browser"));
    auto* grid = new QGridLayout(box);
    m_pChoices = new QButtonGroup(this);
    AddChoice(m_pChoices, grid, tr("Use default browser"), "useDefault", CBrowserLauncher::Mode::Default);
    AddChoice(m_pChoices, grid, tr("Choose from known browsers"), "useKnown", CBrowserLauncher::Mode::Known);
    m_pKnown = new QComboBox;
    m_pKnown->setObjectName(QStringLiteral("knownBrowsers"));
    m_pKnown->addItems(knownNames);
    grid->addWidget(m_pKnown, grid->rowCount(), 1, 1, 2);
    AddChoice(m_pChoices, grid, tr("User specified browser"), "useSpecified", CBrowserLauncher::Mode::Specified);
    const int row = grid->rowCount();
    auto* exeLabel = new QLabel(tr("Execute File:"));
    grid->addWidget(exeLabel, row, 0);
    m_pExePath = new QLineEdit;
    exeLabel->setBuddy(m_pExePath);
    m_pKnown->setAccessibleName(tr("Known browsers"));
    m_pExePath->setObjectName(QStringLiteral("exePath"));
    m_pExePath->setMinimumWidth(260);
    grid->addWidget(m_pExePath, row, 1);
    QPushButton* browse = MakeButton(QStringLiteral("..."), "browse");
    browse->setAutoDefault(false);
    browse->setAccessibleName(tr("Browse for the browser's program"));
    browse->setMaximumWidth(browse->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 24);
    grid->addWidget(browse, row, 2);
    grid->setColumnMinimumWidth(0, 24);

    QPushButton* ok = MakeButton(QStringLiteral("OK"), "ok");
    ok->setDefault(true);
    QPushButton* cancel = MakeButton(tr("Cancel"), "cancel");
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(box, 1);
    layout->addLayout(buttons);

    connect(browse, &QPushButton::clicked, this, &CDlgWebBrowser::OnBrowse);
    connect(ok, &QPushButton::clicked, this, &CDlgWebBrowser::accept);
    connect(cancel, &QPushButton::clicked, this, &CDlgWebBrowser::reject);
    ShowValues();
}

void CDlgWebBrowser::ShowValues()
{
    if (QAbstractButton* radio = m_pChoices->button(static_cast<int>(m_choice)))
        radio->setChecked(true);
    m_pKnown->setCurrentIndex(m_nKnownIndex >= 0 && m_nKnownIndex < m_pKnown->count() ? m_nKnownIndex : -1);
    m_pExePath->setText(m_strExePath);
}

void CDlgWebBrowser::TakeValues()
{
    if (m_pChoices->checkedId() >= 0)
        m_choice = CBrowserLauncher::ModeOf(m_pChoices->checkedId());
    m_nKnownIndex = m_pKnown->currentIndex();
    m_strExePath = m_pExePath->text().trimmed();
}

void CDlgWebBrowser::accept()
{
    TakeValues();
    if (m_choice == CBrowserLauncher::Mode::Specified && m_strExePath.isEmpty()) {
        m_prompts.Message(this, tr("You must specify the web browser's execute file!"));
        m_pExePath->setFocus();
        return;
    }
    QDialog::accept();
}

void CDlgWebBrowser::OnBrowse()
{
    TakeValues();
    // Programs here carry no extension: any file may be the browser.
    const QString path = m_prompts.OpenFileName(this, QString(), tr("Web Browser (*)"), QString());
    if (path.isEmpty())
        return;
    m_strExePath = path;
    ShowValues();
}

// All three values are written, also those this choice left as they were.
bool CDlgWebBrowser::Choose(IUserPrompts& prompts, CBrowserLauncher& browser, QWidget* owner)
{
    const CKnownBrowsers browsers;
    CDlgWebBrowser dialog(prompts, browsers.Names(), owner);
    dialog.m_choice = browser.BrowserMode();
    dialog.m_nKnownIndex = browser.KnownBrowser();
    dialog.m_strExePath = CText::ToQ(browser.BrowserPath());
    dialog.ShowValues();
    if (prompts.Exec(dialog) != QDialog::Accepted)
        return false;
    int known = browser.KnownBrowser();
    std::string path = browser.BrowserPath();
    if (dialog.m_choice == CBrowserLauncher::Mode::Known)
        known = dialog.m_nKnownIndex;
    else if (dialog.m_choice == CBrowserLauncher::Mode::Specified)
        path = CText::FromQ(dialog.m_strExePath);
    browser.SetChoice(dialog.m_choice, path, known);
    return true;
}
