// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CEditorStyle.h"

#include <QPointer>
#include <QStyleOption>

#include "CDeferredIconEngine.h"

CEditorStyle::CEditorStyle(QStyle* base) : QProxyStyle(base)
{
}

QIcon CEditorStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const
{
    if (icon != SP_ToolBarHorizontalExtensionButton && icon != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(icon, option, widget);
    // The option and the widget may be gone by the time the picture is drawn:
    // the direction is what the picture depends on, and a widget is kept only
    // while it lives.
    const bool hasOption = option != nullptr;
    const Qt::LayoutDirection direction = hasOption ? option->direction : Qt::LeftToRight;
    const QPointer<const QWidget> owner(widget);
    const QPointer<const CEditorStyle> self(this);
    return QIcon(new CDeferredIconEngine([self, owner, icon, hasOption, direction] {
        if (!self)
            return QIcon();
        QStyleOption made;
        made.direction = direction;
        return self->baseStyle()->standardIcon(icon, hasOption ? &made : nullptr, owner.data());
    }));
}
