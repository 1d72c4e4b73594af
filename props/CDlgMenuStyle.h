#pragma once

#include "CPropertyPage.h"
#include "model/Color.h"

class CColorButton;
class CIntegerField;
class QComboBox;

// "Menu Style": the indent and item geometry of the menu that holds the
// selected item. The menu's background style and colour sit on hidden
// controls: never shown, they only carry the values through a load and store.
class CDlgMenuStyle : public CPropertyPage {
    Q_OBJECT
public:
    static constexpr int kDialogId = 141;

    explicit CDlgMenuStyle(const CEditorContext& context, QWidget* parent = nullptr);

    void LoadFromModel() override;
    bool StoreToModel() override;
    bool IsStale() const override;

    int m_nIndent = 0;
    int m_nItemWidth = 0;
    int m_nItemHeight = 0;
    int m_nBorderThick = 0;
    int m_nItemGap = 0;
    int m_nBackStyle = -1;
    COLORREF m_crBackground = 0;

private:
    void Build();
    void DataToControls();
    bool ControlsToData();

    CIntegerField* m_pIndent = nullptr;
    CIntegerField* m_pItemWidth = nullptr;
    CIntegerField* m_pItemHeight = nullptr;
    CIntegerField* m_pBorderThick = nullptr;
    CIntegerField* m_pItemGap = nullptr;
    QComboBox* m_pBackStyle = nullptr;
    CColorButton* m_pBackground = nullptr;
};
