// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QList>

// The seven node pictures of the menu tree, in image-list order: 0 root,
// 1/2 top-level menu shown/hidden, 3/4 item with sub-items shown/hidden,
// 5/6 leaf item shown/hidden. They are drawn at 32 x 32 and shown at 16 x 16.
class CTreeIcons {
public:
    static constexpr int kCount = 7;
    static constexpr int kSize = 16;

    // The image list, built on first use (a QGuiApplication must exist).
    static const QList<QIcon>& List();
    // The resource path of picture index (empty when out of range).
    static QString ResourcePath(int index);

private:
    static QIcon Load(const QString& path);
};
