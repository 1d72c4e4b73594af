// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "ISettingsStore.h"

// Every persistent setting of the editor with its section, key, type and
// default, read and written through an ISettingsStore (QSettings in the
// editor, an INI file in the command-line tool, memory in tests).
class CAppSettings {
public:
    // One row of the settings table; text rows have a non-null textDefault.
    struct Row {
        const char* section;
        const char* key;
        int intDefault;
        const char* textDefault;
    };

    static constexpr Row kUseDefault{"Web Browser", "Use Default", 1, nullptr};
    static constexpr Row kSpecifyBrowser{"Web Browser", "Specify Browser", 0, ""};
    static constexpr Row kKnownBrowser{"Web Browser", "Known Browser", 0, nullptr};
    // "" at start-up (the built-in list is then written), "Normal" elsewhere.
    static constexpr Row kTemplateKey{"TEMPLATE", "TemplateKey", 0, "Normal"};
    static constexpr Row kAutoChangeSize{"Settings", "Auto Change Size", 0, nullptr};
    static constexpr Row kWindowPos{"Settings", "WindowPos", 0, ""};
    static constexpr Row kTreeWidth{"Settings", "Tree Width", 150, nullptr};
    static constexpr Row kTreeHeight{"Settings", "Tree Height", 150, nullptr};
    // Pages carry the script that draws the menu in today's browsers; on
    // unless the user turned it off.
    static constexpr Row kHtml5Runtime{"Settings", "HTML5 Runtime", 1, nullptr};
    // The Live Preview pane is shown, and at a phone's width.
    static constexpr Row kLivePreview{"Settings", "Live Preview", 0, nullptr};
    static constexpr Row kLivePreviewPhone{"Settings", "Live Preview Phone", 0, nullptr};
    // Where the pane was docked or floated and its size: the frame's own
    // layout record, as text.
    static constexpr Row kLivePreviewDock{"Settings", "Live Preview Dock", 0, ""};
    // Seconds a recovery copy of unsaved work may lag behind while editing
    // goes on; 0 writes none.
    static constexpr Row kAutoSaveInterval{"Settings", "AutoSave Interval", 30, nullptr};
    static constexpr const char* kRecentSection = "Recent File List";
    static constexpr int kRecentCount = 4;

    explicit CAppSettings(ISettingsStore& store) : m_store(store) {}

    // "Web Browser": 1 default browser, 2 a detected browser, 0 user-specified.
    int BrowserMode() const { return GetInt(kUseDefault); }
    void SetBrowserMode(int mode) { SetInt(kUseDefault, mode); }
    std::string BrowserPath() const { return GetText(kSpecifyBrowser); }
    void SetBrowserPath(const std::string& path) { SetText(kSpecifyBrowser, path); }
    int KnownBrowser() const { return GetInt(kKnownBrowser); }
    void SetKnownBrowser(int index) { SetInt(kKnownBrowser, index); }

    std::string TemplateList(const std::string& defaultValue = kTemplateKey.textDefault) const;
    void SetTemplateList(const std::string& list) { SetText(kTemplateKey, list); }

    bool AutoChangeSize() const { return GetInt(kAutoChangeSize) != 0; }
    void SetAutoChangeSize(bool on) { SetInt(kAutoChangeSize, on ? 1 : 0); }
    bool HasWindowPos() const;
    std::string WindowPos() const { return GetText(kWindowPos); }
    void SetWindowPos(const std::string& placement) { SetText(kWindowPos, placement); }
    int TreeWidth() const { return GetInt(kTreeWidth); }
    void SetTreeWidth(int width) { SetInt(kTreeWidth, width); }
    bool Html5Runtime() const { return GetInt(kHtml5Runtime) != 0; }
    void SetHtml5Runtime(bool on) { SetInt(kHtml5Runtime, on ? 1 : 0); }
    int AutoSaveInterval() const { return GetInt(kAutoSaveInterval); }
    void SetAutoSaveInterval(int seconds) { SetInt(kAutoSaveInterval, seconds); }
    int TreeHeight() const { return GetInt(kTreeHeight); }
    void SetTreeHeight(int height) { SetInt(kTreeHeight, height); }

    // Recent pages, "File1" to "File4" (number from 1); "" when not stored.
    static std::string RecentKey(int number);
    std::string RecentFile(int number) const;
    void SetRecentFile(int number, const std::string& path);
    // The stored entries in order, empty ones left out.
    std::vector<std::string> RecentFiles() const;
    // Stores up to four paths as File1.., clearing the rest.
    void SetRecentFiles(const std::vector<std::string>& paths);

    int GetInt(const Row& row) const;
    std::string GetText(const Row& row) const;
    void SetInt(const Row& row, int value);
    void SetText(const Row& row, const std::string& value);

private:
    ISettingsStore& m_store;
};
