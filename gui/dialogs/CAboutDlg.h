// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include "gui/widgets/CHelpSystem.h"

class CHyperLink;
class IUserPrompts;

// "About Applet Tavelina Wizard": icon, version, what the program does, the
// copyright and licence notice, the contact line and a link to the maker's page.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kMakerUrl = "https://quorvex.example/tavelina";
    // The editor, atw and the runtime script that pages publish share it.
    static constexpr const char* kNotice = QT_TRANSLATE_NOOP(
        "CAboutDlg", "Copyright (C) 2026 Quorvex. Free software under the MIT (Expat) licence: you may use, copy, "
                     "change and pass on the program and the menu script that your pages publish, provided the "
                     "copyright and licence notice goes with them. It comes without any warranty.");
    static constexpr int kHelpContext = CHelpSystem::kAboutDialog;

    explicit CAboutDlg(IUserPrompts& prompts, QWidget* parent = nullptr);

    CHyperLink* Link() const { return m_pLink; }

private:
    CHyperLink* m_pLink = nullptr;
};
