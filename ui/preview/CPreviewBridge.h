#pragma once

#include <QObject>
#include <QString>

// The object the preview page talks to over the web channel: the page
// names the item that was clicked and the link it did not follow.
class CPreviewBridge : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

public slots:
    void itemClicked(int id) { emit ItemClicked(id); }
    void linkClicked(const QString& url) { emit LinkClicked(url); }

signals:
    void ItemClicked(int id);
    void LinkClicked(const QString& url);
};
