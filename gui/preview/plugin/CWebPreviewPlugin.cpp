#include "CWebPreviewPlugin.h"

#include <utility>

#include "CWebPreviewBrowser.h"

IPreviewBrowser* CWebPreviewPlugin::CreateBrowser(IPreviewBrowser::CHandlers handlers, QWidget* parent)
{
    return new CWebPreviewBrowser(std::move(handlers), parent);
}
