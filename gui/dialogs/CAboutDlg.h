// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include "gui/widgets/CHelpSystem.h"

class CHyperLink;
class IUserPrompts;

// "About Applet Tavelina Wizard": icon, version, what the program does, the
// maker's notice and contact lines and a link to the maker's page.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kMakerUrl = "https://quorvex.example/tavelina";
    static constexpr int kHelpContext = CHelpSystem::kAboutDialog;

    explicit CAboutDlg(IUserPrompts& prompts, QWidget* parent = nullptr);

    CHyperLink* Link() const { return m_pLink; }

private:
    CHyperLink* m_pLink = nullptr;
};
