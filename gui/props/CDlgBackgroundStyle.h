// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class QButtonGroup;
class QComboBox;

// "Appelt Background Style": the applet's background, gradient direction and
// border. A value outside its list or group shows no choice; no choice reads
// back as -1.
class CDlgBackgroundStyle : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDialogId = 170;

    CDlgBackgroundStyle(int border, int backStyle, int gradientDir, QWidget* parent = nullptr);

    void accept() override;

    int m_nBorder = -1;
    int m_nBackStyle = -1;
    int m_nGradientDir = -1;

private:
    QComboBox* m_pBackStyle = nullptr;
    QButtonGroup* m_pGradientDir = nullptr;
    QButtonGroup* m_pBorder = nullptr;
};
