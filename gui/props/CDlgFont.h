// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include "core/model/Color.h"

class CColorButton;
class CIntegerField;
class IUserPrompts;
class QButtonGroup;
class QComboBox;
struct CItemStyle;

// "Font": the font of one item state. OK requires an integer size (the
// dialog stays open otherwise) and reads the controls into the values.
class CDlgFont : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDialogId = 139;

    CDlgFont(IUserPrompts& prompts, const CItemStyle& style, QWidget* parent = nullptr);

    void accept() override;
    // Puts the five font values into style.
    void CopyTo(CItemStyle& style) const;

    int m_nFontName = -1;
    COLORREF m_crFont = 0;
    int m_nFontSize = 0;
    int m_nFontEffect = -1;
    int m_nFontStyle = -1;

private:
    void Build(IUserPrompts& prompts);

    QComboBox* m_pFontName = nullptr;
    CColorButton* m_pFontColor = nullptr;
    CIntegerField* m_pFontSize = nullptr;
    QComboBox* m_pFontEffect = nullptr;
    QButtonGroup* m_pFontStyle = nullptr;
};
