#pragma once

#include "CPropertyPage.h"
#include "model/Color.h"

class CColorButton;
class CIntegerField;
class QCheckBox;

// "More Styles": the tree behaviour, the tree lines and where the menus start;
// two buttons open the animation speed and background style dialogs, which
// store at once on OK.
class CDlgAppletStyle : public CPropertyPage {
    Q_OBJECT
public:
    static constexpr int kDialogId = 167;

    explicit CDlgAppletStyle(const CEditorContext& context, QWidget* parent = nullptr);

    void LoadFromModel() override;
    bool StoreToModel() override;
    bool IsStale() const override;

    int m_bShowSelection = 0;
    int m_bShowAllBranches = 0;
    int m_bHasLines = 0;
    int m_nDisplayFromY = 0;
    COLORREF m_crLine = 0;
    int m_nLineThick = 0;
    int m_nLineIndent = 0;

private:
    void Build();
    void DataToControls();
    bool ControlsToData();
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
