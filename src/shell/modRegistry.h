// The vendor's web pages, opened in the user's browser.
#pragma once

#include <QString>

enum class WebPage
{
    Help,
    Home,
    Update,
    ThankYou
};

// The site address (scheme and host) the pages live under.
QString siteAddress();
QString pageAddress(WebPage page);

// Hands the address to the desktop without waiting; whether a browser opened is not looked at.
void OpenWebPage(const QString& address);
