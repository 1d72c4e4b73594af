// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CLivePreviewPage.h"

bool CLivePreviewPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame)
{
    if (!isMainFrame)
        return true;
    const bool home = url.adjusted(QUrl::RemoveFragment) == m_home;
    if (home && type != NavigationTypeLinkClicked && type != NavigationTypeFormSubmitted)
        return true;
    emit NavigationRefused(url);
    return false;
}
