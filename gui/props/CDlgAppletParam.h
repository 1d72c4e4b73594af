// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include "CBoundPage.h"
#include "core/model/CAppletSettings.h"

class CColorButton;
class CIntegerField;
class QButtonGroup;
class QComboBox;
class QLineEdit;

// "Applet Parameters": the applet's name, alignment, size, background colour,
// image and audio. The name is stored at once when its box loses the focus.
class CDlgAppletParam : public CBoundPage<CAppletSettings> {
    Q_OBJECT
public:
    static constexpr int kDialogId = 103;

    explicit CDlgAppletParam(const CEditorContext& context, QWidget* parent = nullptr);

    // The position boxes follow the mode loaded here, not later clicks.
    void LoadFromModel() override;

protected:
    const CAppletSettings* Source() const override;
    void Commit(const CAppletSettings& edited, const QString& name, const QString& field) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Build();
    void BindFields();
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
