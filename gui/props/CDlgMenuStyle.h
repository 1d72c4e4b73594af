// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include "CBoundPage.h"
#include "core/model/CMenuStyle.h"

class CColorButton;
class CIntegerField;
class QComboBox;

// "Menu Style": the indent and item geometry of the menu that holds the
// selected item. The menu's background style and colour sit on hidden
// controls: never shown, they only carry the values through a load and store.
class CDlgMenuStyle : public CBoundPage<CMenuStyle> {
    Q_OBJECT
public:
    static constexpr int kDialogId = 141;

    explicit CDlgMenuStyle(const CEditorContext& context, QWidget* parent = nullptr);

protected:
    const CMenuStyle* Source() const override;
    void Commit(const CMenuStyle& edited, const QString& name, const QString& field) override;

private:
    void Build();
    void BindFields();

    CIntegerField* m_pIndent = nullptr;
    CIntegerField* m_pItemWidth = nullptr;
    CIntegerField* m_pItemHeight = nullptr;
    CIntegerField* m_pBorderThick = nullptr;
    CIntegerField* m_pItemGap = nullptr;
    QComboBox* m_pBackStyle = nullptr;
    CColorButton* m_pBackground = nullptr;
};
