#include "modRegistry.h"

#include "Platform.h"

#include <QUrl>

QString siteAddress()
{
    return QStringLiteral(QUARVEL_SITE_ADDRESS);
}

QString pageAddress(WebPage page)
{
    switch (page) {
    case WebPage::Help:
        return siteAddress() + "/enneagram-help/";
    case WebPage::Home:
        return siteAddress();
    case WebPage::Update:
        return siteAddress() + "/try-it-quarvel.html";
    case WebPage::ThankYou:
        return siteAddress() + "/thankyou-for-using-quarvel.php";
    }
    return siteAddress();
}

void OpenWebPage(const QString& address)
{
    platform().openUrl(QUrl(address));
}
