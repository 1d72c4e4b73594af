#pragma once

class QWidget;

// Preview, View Sample and the Web Browser choice. The document runs the
// check before Preview; these do the rest.
class CPreview {
public:
    // Writes "~AppMenu.htm" and its companions into the preview folder "tmp"
    // under the program folder and starts the chosen browser on it.
    static void Preview(QWidget* owner);
    // Shows "Sample/Samples.htm" under the program folder in the chosen browser.
    static void ViewSample(QWidget* owner);
    // The Web Browser dialog; OK stores the choice in the settings.
    static void ChooseWebBrowser(QWidget* owner);
};
