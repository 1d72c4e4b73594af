// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include "CBoundPage.h"
#include "core/model/CAppletSettings.h"

class CColorButton;
class CIntegerField;
class QCheckBox;

// "More Styles": the tree behaviour, the tree lines and where the menus start;
// two buttons open the animation speed and background style dialogs, which
// store at once on OK.
class CDlgAppletStyle : public CBoundPage<CAppletSettings> {
    Q_OBJECT
public:
    static constexpr int kDialogId = 167;

    explicit CDlgAppletStyle(const CEditorContext& context, QWidget* parent = nullptr);

protected:
    const CAppletSettings* Source() const override;
    void Commit(const CAppletSettings& edited, const QString& name, const QString& field) override;

private:
    void Build();
    void BindFields();
    void OnAnimateSpeed();
    void OnBackgroundStyle();

    QCheckBox* m_pShowSelection = nullptr;
    QCheckBox* m_pShowAllBranches = nullptr;
    QCheckBox* m_pHasLines = nullptr;
    CIntegerField* m_pDisplayFromY = nullptr;
    CColorButton* m_pLineColor = nullptr;
    CIntegerField* m_pLineThick = nullptr;
    CIntegerField* m_pLineIndent = nullptr;
};
