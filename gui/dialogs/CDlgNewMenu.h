// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include "gui/widgets/CHelpSystem.h"

struct CEditorContext;
class CTemplateList;
class IUserPrompts;

// "New Tavelina": the template a new project starts from. There is no
// Cancel button; Escape leaves the dialog without OK.
class CDlgNewMenu : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kNoSelection =
        QT_TRANSLATE_NOOP("CDlgNewMenu", "Please select a template to new a Tavelin!");
    static constexpr int kHelpContext = CHelpSystem::kNewDialog;

    explicit CDlgNewMenu(const CEditorContext& context, QWidget* parent = nullptr);

    CTemplateList* List() const { return m_pList; }
    int m_nSelected = 0;

public slots:
    void OnOK();

private:
    IUserPrompts& m_prompts;
    CTemplateList* m_pList = nullptr;
};
