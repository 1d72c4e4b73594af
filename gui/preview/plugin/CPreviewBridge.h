// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

// The object the preview page talks to over the web channel: the page
// names the item that was clicked (by its key, the item's serial number) and the link it did not follow.
class CPreviewBridge : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

public slots:
    void itemClicked(const QString& key) { emit ItemClicked(key); }
    void linkClicked(const QString& url) { emit LinkClicked(url); }

signals:
    void ItemClicked(const QString& key);
    void LinkClicked(const QString& url);
};
