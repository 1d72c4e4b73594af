// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include "gui/widgets/CHelpSystem.h"

struct CEditorContext;
class CTemplateList;
class IUserPrompts;
class QLineEdit;
class QPushButton;

// "Manage Templates": rename, delete and reorder templates. Every change is
// stored at once; OK only closes the dialog.
class CDlgManageTemplates : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kSelectFirst =
        QT_TRANSLATE_NOOP("CDlgManageTemplates", "Please select a template first!");
    static constexpr const char* kGiveNewName =
        QT_TRANSLATE_NOOP("CDlgManageTemplates", "Please give a new name for the template!");
    static constexpr int kHelpContext = CHelpSystem::kManageTemplatesDialog;

    explicit CDlgManageTemplates(const CEditorContext& context, QWidget* parent = nullptr);

    CTemplateList* List() const { return m_pList; }
    QLineEdit* NameEdit() const { return m_pName; }
    QPushButton* MoveUpButton() const { return m_pMoveUp; }
    QPushButton* MoveDownButton() const { return m_pMoveDown; }

    int m_nSelected = 0;
    QString m_strTemplateName;

public slots:
    void OnSelectionChanged();
    void OnDelete();
    void OnRename();
    void OnMoveUp();
    void OnMoveDown();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPushButton* AddButton(const QString& text, const char* name);
    void Refill();
    // Controls to members and back.
    void TakeControls();
    void ShowMembers();
    void ApplyButtonRule();
    // The name at m_nSelected; shows the refusal and gives "" when none.
    QString SelectedName();
    void Move(bool up);
    void ReportFailure(bool done, const std::string& error);

    IUserPrompts& m_prompts;
    CTemplateList* m_pList = nullptr;
    QLineEdit* m_pName = nullptr;
    QPushButton* m_pMoveUp = nullptr;
    QPushButton* m_pMoveDown = nullptr;
};
