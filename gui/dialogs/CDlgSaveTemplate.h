// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include "gui/widgets/CHelpSystem.h"

struct CEditorContext;
class CTemplateList;
class IUserPrompts;
class QLineEdit;

// "Save As Template": the new template's name and the position it is
// inserted at (before the selected name).
class CDlgSaveTemplate : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kNameExists =
        QT_TRANSLATE_NOOP("CDlgSaveTemplate", "the template has already existed!Please change a name.");
    static constexpr int kHelpContext = CHelpSystem::kSaveTemplateDialog;

    explicit CDlgSaveTemplate(const CEditorContext& context, QWidget* parent = nullptr);

    CTemplateList* List() const { return m_pList; }
    QLineEdit* NameEdit() const { return m_pName; }

    QString m_strTemplateName;
    int m_nSelected = 0;

public slots:
    void OnOK();

private:
    // The refusal for name, or "" when it may be added.
    QString Refusal(const QString& name) const;

    IUserPrompts& m_prompts;
    CTemplateList* m_pList = nullptr;
    QLineEdit* m_pName = nullptr;
};
