// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QProxyStyle>

// The application's style: the platform's own, with the tool and menu bars'
// extension pictures made when first drawn instead of when the bars are made
// (see CDeferredIconEngine).
class CEditorStyle : public QProxyStyle {
public:
    // Takes base over, as QProxyStyle does.
    explicit CEditorStyle(QStyle* base);

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override;
};
