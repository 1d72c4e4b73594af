// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <QDockWidget>
#include <QHash>
#include <QSize>
#include <QTimer>
#include <string>
#include <vector>

#include "core/model/CTavelinItem.h"

class CModelEditor;
class IFileSystem;
class IPreviewBrowser;
class ISettingsStore;
class QAction;
class QScrollArea;

// The Live Preview pane: the page that Save would write, with the menu
// runtime, shown in a browser engine beside the tree and kept up to date as
// the model changes. The engine comes from a plug-in (CPreviewEngine) that
// is loaded when the pane is first shown; without it the pane says so. The page lives in a folder of its own under the
// preview folder, together with the runtime and the media it uses.
//
// Every change of the model asks for a refresh; refreshes are debounced, and
// while one is being drawn further changes only mark the pane stale, so an
// overtaken state is never drawn. A refresh writes the page and lets the
// runtime draw the menu again from its new parameters in the loaded page,
// keeping the open branches, the scroll position and the selection; only a
// new or opened model, or a page that cannot redraw, loads the page again.
//
// A click on an item names the item (ItemClicked); MarkItem outlines an item
// and opens the branches down to it. Links are never followed: their
// addresses are reported through StatusMessage.
class CLivePreviewPane : public QDockWidget {
    Q_OBJECT
public:
    static constexpr int kPhoneWidth = 360;
    // The narrowest page that the runtime draws as a desktop browser shows
    // it (its breakpoint): it fills the width of narrower ones.
    static constexpr int kDesktopWidth = 640;
    // The room around the applet in the page (the body's and paragraph's
    // margins, the line's descent), so that the page does not scroll.
    static constexpr int kPageRoom = 64;
    static constexpr int kDebounceMs = 40;
    static constexpr const char* kLiveFolder = "live";

    CLivePreviewPane(CModelEditor& editor, IFileSystem& fs, ISettingsStore& settings, std::string programDir,
                     std::string previewFolder, QWidget* parent = nullptr);
    ~CLivePreviewPane() override;

    // Whether the pane was open when the user last chose; for the frame to
    // show it again at start-up.
    static bool Remembered(ISettingsStore& settings);

    std::string PageFolder() const;
    std::string PagePath() const;
    // The browser view; null until the pane is first shown, and when the
    // browser engine is missing.
    IPreviewBrowser* Browser() const { return m_pBrowser; }
    bool IsPhoneWidth() const { return m_bPhone; }
    // The size the page is laid out at. Desktop: at least a desktop
    // browser's width and the applet's size with the page around it, the
    // pane scrolling when it is smaller; phone: the phone's width and the
    // pane's height.
    QSize ViewSize() const;
    void SetPhoneWidth(bool phone);
    // The page has drawn the model as it is now and nothing is pending.
    bool IsCurrent() const;
    int Reloads() const { return m_nReloads; }
    int Redraws() const { return m_nRedraws; }

public slots:
    // Outlines item in the page and opens its branch; null clears the mark.
    void MarkItem(const CTavelinItem* item);
    void RequestRefresh();

signals:
    void ItemClicked(CTavelinItem* item);
    void StatusMessage(const QString& text);
    // A refresh has been drawn (or loaded).
    void Refreshed();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateContents();
    void CreateView();
    void FitView();
    void ConnectEditor();
    void Refresh();
    void Reload();
    void Redraw(const std::string& pageText, const std::string& key);
    void Drawn(bool ok);
    void OnLoadFinished(bool ok);
    void OnItemClicked(const QString& key);
    bool WritePage(std::string& pageText);
    void CollectDrawnItems();

    CModelEditor& m_editor;
    IFileSystem& m_fs;
    ISettingsStore& m_settings;
    std::string m_strProgramDir;
    std::string m_strPreviewFolder;

    QWidget* m_pHolder = nullptr;
    QScrollArea* m_pScroll = nullptr;       // holds the view at its page size
    IPreviewBrowser* m_pBrowser = nullptr;  // a child of m_pHolder
    QAction* m_pPhone = nullptr;
    QAction* m_pDesktop = nullptr;
    QTimer m_debounce;

    bool m_bPhone = false;
    bool m_bViewTried = false;  // the engine was asked for a view
    bool m_bStale = true;       // the model changed since the last drawing
    bool m_bNeedReload = true;  // the next refresh loads the page
    bool m_bBusy = false;       // a load or redraw is under way
    bool m_bLoaded = false;
    int m_nReloads = 0;
    int m_nRedraws = 0;
    // Items are named in the page by their serial numbers: an item keeps
    // its number through undo and redo, so it keeps its open branch, and a
    // new item never gets the number of a deleted one.
    quint64 m_nMark = 0;                 // 0: none
    std::string m_strDrawn;              // the page text and item numbers the page shows
    std::vector<CTavelinItem*> m_drawn;  // page order
    QHash<quint64, CTavelinItem*> m_drawnBySerial;
};
