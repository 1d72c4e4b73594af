#pragma once

#include <string>

#include "CPropertyPage.h"
#include "model/Color.h"

class CColorButton;
class CIntegerField;
class QButtonGroup;
class QComboBox;
class QLineEdit;

// "Applet Parameters": the applet's name, alignment, size, background colour,
// image and audio. The name is stored at once when its box loses the focus.
class CDlgAppletParam : public CPropertyPage {
    Q_OBJECT
public:
    static constexpr int kDialogId = 103;

    explicit CDlgAppletParam(const CEditorContext& context, QWidget* parent = nullptr);

    void LoadFromModel() override;
    bool StoreToModel() override;
    bool IsStale() const override;

    std::string m_strName;
    int m_nAlign = -1;
    int m_nWidth = 0;
    int m_nHeight = 0;
    COLORREF m_crBackground = 0;
    std::string m_strBackImage;
    int m_nImageMode = -1;
    int m_nImageX = 0;
    int m_nImageY = 0;
    std::string m_strBackAudio;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Build();
    void DataToControls();
    bool ControlsToData();
    void StoreName();
    void Browse(QLineEdit* box, const QString& filter);

    QLineEdit* m_pName = nullptr;
    QComboBox* m_pAlign = nullptr;
    CIntegerField* m_pWidth = nullptr;
    CIntegerField* m_pHeight = nullptr;
    CColorButton* m_pBackground = nullptr;
    QLineEdit* m_pBackImage = nullptr;
    QButtonGroup* m_pImageMode = nullptr;
    CIntegerField* m_pImageX = nullptr;
    CIntegerField* m_pImageY = nullptr;
    QLineEdit* m_pBackAudio = nullptr;
};
