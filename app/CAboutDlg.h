#pragma once

#include <QDialog>

#include "app/CHelpSystem.h"

class CHyperLink;

// "About Applet Tavelina Wizard": icon, version, what the program does, the
// maker's notice and contact lines and a link to the maker's page.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kMakerUrl = "https://quorvex.example/tavelina";
    static constexpr int kHelpContext = CHelpSystem::kAboutDialog;

    explicit CAboutDlg(QWidget* parent = nullptr);

    CHyperLink* Link() const { return m_pLink; }

private:
    CHyperLink* m_pLink = nullptr;
};
