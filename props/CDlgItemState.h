#pragma once

#include "CPropertyPage.h"
#include "model/Color.h"

class CColorButton;
class CIntegerField;
class QButtonGroup;
class QComboBox;
struct CItemStyle;

// A page of one item state (normal, mouse over, clicked) of the menu that holds
// the selected item: background, alignment and offsets, border; its Font...
// button edits the state's font at once.
class CDlgItemState : public CPropertyPage {
    Q_OBJECT
public:
    // state: 0 normal, 1 mouse over, 2 clicked (CMenuStyle::Style).
    CDlgItemState(const CEditorContext& context, const QString& title, int dialogId, int state,
                  QWidget* parent = nullptr);

    void LoadFromModel() override;
    bool StoreToModel() override;
    bool IsStale() const override;
    int State() const { return m_nState; }

    COLORREF m_crBack = 0;
    int m_nTextAlign = -1;
    int m_nTextOffset = 0;
    int m_nImageAlign = -1;
    int m_nImageOffset = 0;
    int m_nBackStyle = -1;
    int m_nGradientDir = -1;
    int m_nBorder = -1;

private:
    void Build();
    QWidget* BuildAlignGroup();
    void DataToControls();
    bool ControlsToData();
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
