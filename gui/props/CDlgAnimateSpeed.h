// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class QSlider;

// "Tavelin Animate Speed": how fast the menus open and close, 0 the fastest
// and 50 the slowest. OK reads the two positions into the values.
class CDlgAnimateSpeed : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDialogId = 169;

    CDlgAnimateSpeed(int openSpeed, int closeSpeed, QWidget* parent = nullptr);

    void accept() override;

    int m_nOpenSpeed = 5;
    int m_nCloseSpeed = 5;

private:
    QSlider* AddSpeed(const QString& title, const QString& name, int value);

    QSlider* m_pOpen = nullptr;
    QSlider* m_pClose = nullptr;
};
