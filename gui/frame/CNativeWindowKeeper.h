// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QWidget>

class QWindow;

// Keeps a top-level window where it is, at its size, when its native window
// is made anew. Qt does so when a child that draws through the GPU (the
// browser view of the Live Preview) first joins the window; the window
// manager then places the new window as a new one (openbox at 0,0). The
// place is taken as the old native window goes and given to the new one
// once it is shown.
class CNativeWindowKeeper : public QObject {
    Q_OBJECT
public:
    explicit CNativeWindowKeeper(QWidget& window);

    // Native windows made anew while the window was shown.
    int Remade() const { return m_nRemade; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Watch();
    void Restore();

    QWidget& m_window;
    QPointer<QWindow> m_pWatched;
    QByteArray m_last;      // the place while shown
    QByteArray m_geometry;  // the place to give the new native window
    int m_nRemade = 0;
};
