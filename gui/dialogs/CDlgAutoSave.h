// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class QSpinBox;

// Options > AutoSave: how many seconds a recovery copy of unsaved changes
// may lag behind while editing goes on; 0 writes none.
class CDlgAutoSave : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMaxSeconds = 3600;

    explicit CDlgAutoSave(QWidget* parent = nullptr);

    void SetSeconds(int seconds);
    int Seconds() const;

private:
    QSpinBox* m_pSeconds = nullptr;
};
