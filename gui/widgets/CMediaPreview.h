// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QWidget>

class ISoundPlayer;

class QLabel;
class QPushButton;

// The side panel of a media file dialog: a thumbnail of a picture (any
// format Qt's image readers know, SVG and WebP among them, through their
// plug-ins), or a "Play" button for a sound, with a line that says what the
// file is.
class CMediaPreview : public QWidget {
    Q_OBJECT
public:
    static constexpr int kThumbnailSize = 128;

    explicit CMediaPreview(ISoundPlayer& player, QWidget* parent = nullptr);

    // The picture at path scaled down (never up) into a square of side
    // pixels, a vector picture drawn at that size; null when it cannot be
    // read. original, when given, gets the picture's own size.
    static QPixmap Thumbnail(const QString& path, int side, QSize* original = nullptr);
    ~CMediaPreview() override;

    // Shows path; a folder, an unreadable file or "" shows nothing. Stops a
    // sound that is playing.
    void ShowFile(const QString& path);
    QString File() const { return m_strPath; }

private:
    bool ShowPicture(const QString& path);
    void PlayCurrent();

    ISoundPlayer& m_player;
    QString m_strPath;
    QLabel* m_pThumbnail = nullptr;
    QLabel* m_pCaption = nullptr;
    QPushButton* m_pPlay = nullptr;
};
