#include "ImageList.h"
#include "Platform.h"
#include "Startup.h"
#include "frmMain.h"
#include "modRegistry.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Quarvel");
    QApplication::setApplicationName("Quarvel");
    QApplication::setDesktopFileName("org.quarvel.Quarvel");
    QApplication::setWindowIcon(applicationIcon());

    SingleInstance instance;
    if (!instance.acquire()) {
        platform().message(nullptr, QMessageBox::Critical, "Quarvel Is Already Running",
                           QMessageBox::Ok);
        // The refused instance ends as the main window always does, with the thank-you page.
        OpenWebPage(pageAddress(WebPage::ThankYou));
        return 0;
    }

    frmMain window;
    window.Registry();
    window.centreOnScreen();
    window.show();
    return app.exec();
}
