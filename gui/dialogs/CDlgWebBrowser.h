// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

#include "editor/CBrowserLauncher.h"

class IUserPrompts;
class QButtonGroup;
class QComboBox;
class QLineEdit;

// Options > Web Browser: the default browser, one of the detected browsers,
// or an executable the user names. The caller fills the three values, runs
// the dialog and reads them back after OK.
class CDlgWebBrowser : public QDialog {
    Q_OBJECT
public:
    // knownNames: the detected browsers in detection order.
    CDlgWebBrowser(IUserPrompts& prompts, const QStringList& knownNames, QWidget* parent = nullptr);

    // Options > Web Browser: runs the dialog over browser's choice; OK
    // stores the new choice in the settings. True on OK.
    static bool Choose(IUserPrompts& prompts, CBrowserLauncher& browser, QWidget* owner);

    // Puts the values into the controls / takes them back.
    void ShowValues();
    void TakeValues();

    CBrowserLauncher::Mode m_choice = CBrowserLauncher::Mode::Default;
    int m_nKnownIndex = -1;  // position in the detected list, -1 for none
    QString m_strExePath;

public slots:
    void accept() override;

private slots:
    void OnBrowse();

private:
    IUserPrompts& m_prompts;
    QButtonGroup* m_pChoices = nullptr;
    QComboBox* m_pKnown = nullptr;
    QLineEdit* m_pExePath = nullptr;
};
