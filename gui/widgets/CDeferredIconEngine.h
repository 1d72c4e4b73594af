// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QIconEngine>
#include <functional>
#include <memory>

// An icon that is made only when it is first drawn or measured. A menu bar and
// every tool bar ask the style for their extension button's picture when they
// are made, though the button shows only when the window is too narrow; Qt
// reads that picture by asking every image format plug-in whether it can, so
// made at once it would load them all, and their libraries, at each start.
class CDeferredIconEngine : public QIconEngine {
public:
    explicit CDeferredIconEngine(std::function<QIcon()> make);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QString key() const override;
    QIconEngine* clone() const override;

private:
    // Shared by the clones, so that the icon is made once.
    struct CMade {
        std::function<QIcon()> m_make;
        QIcon m_icon;
        bool m_bMade = false;
    };
    const QIcon& Icon();

    std::shared_ptr<CMade> m_made;
};
