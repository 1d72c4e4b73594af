#pragma once

#include <string>

class QWidget;

// Preview, View Sample and the Web Browser choice. The document runs the
// check before Preview; these do the rest.
class CPreview {
public:
    static constexpr const char* kPreviewFolder = "tmp";
    static constexpr const char* kPreviewPage = "~AppMenu.htm";
    static constexpr const char* kSamplePage = "Sample/Samples.htm";
    // Added to the message list by a preview without the menu script.
    static constexpr const char* kAppletOnlyNote =
        "Note:\t\tCurrent browsers no longer run Java applets, so this preview shows no menu. "
        "Turn on Options > HTML5 Menu Runtime to have the page draw it.";

    // Writes "~AppMenu.htm" and its companions into the preview folder "tmp"
    // under the program folder and starts the chosen browser on it.
    static void Preview(QWidget* owner);
    // Shows "Sample/Samples.htm" under the program folder in the chosen browser.
    static void ViewSample(QWidget* owner);
    // The Web Browser dialog; OK stores the choice in the settings.
    static void ChooseWebBrowser(QWidget* owner);

    // The preview folder and page under the program folder.
    static std::string PreviewFolder();
    static std::string PreviewPagePath();

private:
    static void NoteAppletOnly();
};
