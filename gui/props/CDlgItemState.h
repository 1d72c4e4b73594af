// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include "CBoundPage.h"
#include "core/model/CMenuStyle.h"

class CColorButton;
class CIntegerField;
class QButtonGroup;
class QComboBox;

// A page of one item state (normal, mouse over, clicked) of the menu that holds
// the selected item: background, alignment and offsets, border; its Font...
// button edits the state's font at once.
class CDlgItemState : public CBoundPage<CMenuStyle> {
    Q_OBJECT
public:
    // state: 0 normal, 1 mouse over, 2 clicked (CMenuStyle::Style).
    CDlgItemState(const CEditorContext& context, const QString& title, int dialogId, int state,
                  QWidget* parent = nullptr);

    int State() const { return m_nState; }

protected:
    const CMenuStyle* Source() const override;
    void Commit(const CMenuStyle& edited, const QString& name, const QString& field) override;

private:
    void Build();
    QWidget* BuildAlignGroup();
    void BindFields();
    void OnFont();

    int m_nState = 0;
    CColorButton* m_pBack = nullptr;
    QComboBox* m_pTextAlign = nullptr;
    CIntegerField* m_pTextOffset = nullptr;
    QComboBox* m_pImageAlign = nullptr;
    CIntegerField* m_pImageOffset = nullptr;
    QComboBox* m_pBackStyle = nullptr;
    QButtonGroup* m_pGradientDir = nullptr;
    QButtonGroup* m_pBorder = nullptr;
};
