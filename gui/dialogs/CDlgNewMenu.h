// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include "gui/widgets/CHelpSystem.h"

struct CEditorContext;
class CTemplateList;
class CTemplatePictures;
class IUserPrompts;

// "New Tavelina": the template a new project starts from, each shown with
// its picture as the runtime draws it (CTemplatePictures; a plain list
// without the browser engine). Cancel and Escape leave it without OK.
class CDlgNewMenu : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kNoSelection =
        QT_TRANSLATE_NOOP("CDlgNewMenu", "Please select a template to new a Tavelin!");
    static constexpr int kHelpContext = CHelpSystem::kNewDialog;

    explicit CDlgNewMenu(const CEditorContext& context, QWidget* parent = nullptr);

    CTemplateList* List() const { return m_pList; }
    CTemplatePictures* Pictures() const { return m_pPictures; }
    int m_nSelected = 0;

public slots:
    void OnOK();

private:
    IUserPrompts& m_prompts;
    CTemplateList* m_pList = nullptr;
    CTemplatePictures* m_pPictures = nullptr;
};
