// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <optional>

class QLabel;
class QStatusBar;

// The "CAP", "NUM" and "SCRL" panes of the status bar. Each shows its text
// while its key state is on; where the platform does not tell the state
// (anything but X11), the three show greyed. The state is read again after
// every key event and whenever the application becomes active.
class CKeyIndicators : public QObject {
    Q_OBJECT
public:
    explicit CKeyIndicators(QStatusBar* bar);

    struct LockState {
        bool caps = false;
        bool num = false;
        bool scroll = false;
    };
    // Nothing when the platform cannot tell.
    static std::optional<LockState> ReadLockState();

    void Refresh();
    QLabel* Pane(int index) const { return m_panes[index]; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_panes[3] = {};
};
