#include "CPreview.h"

// Placeholder until preview and browser choice land.
void CPreview::Preview(QWidget*) {}
void CPreview::ViewSample(QWidget*) {}
void CPreview::ChooseWebBrowser(QWidget*) {}
