// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CTreeIcons.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include "CDeferredIconEngine.h"

// The resources live in the editor's static library, whose registration the
// linker may drop; registering them again is harmless.
static void RegisterResources()
{
    Q_INIT_RESOURCE(res);
}

QString CTreeIcons::ResourcePath(int index)
{
    static const char* const kNames[kCount] = {"root",        "menu", "menu_hidden", "item",
                                               "item_hidden", "leaf", "leaf_hidden"};
    if (index < 0 || index >= kCount)
        return {};
    return QStringLiteral(":/tree/%1.svg").arg(QLatin1String(kNames[index]));
}

const QList<QIcon>& CTreeIcons::List()
{
    static const QList<QIcon> list = [] {
        RegisterResources();
        QList<QIcon> icons;
        // Each is drawn when first shown: a tree may never show some of them.
        for (int i = 0; i < kCount; ++i)
            icons << QIcon(new CDeferredIconEngine([path = ResourcePath(i)] { return Load(path); }));
        return icons;
    }();
    return list;
}

// Rendered once at the shown size and at twice that for high-density screens.
QIcon CTreeIcons::Load(const QString& path)
{
    QSvgRenderer renderer(path);
    QIcon icon;
    for (int size : {kSize, 2 * kSize}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
