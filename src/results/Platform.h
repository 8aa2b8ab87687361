// The few places where Quarvel touches the desktop: message boxes, the save dialog, the
// printer, web pages, the clipboard, modal windows, today's date and the end of the
// application. The program uses the real facilities; tests install a stand-in so they never
// open a real dialog, a browser or a printer by accident.
#pragma once

#include <QDate>
#include <QMessageBox>
#include <QString>

class QDialog;
class QTextDocument;
class QUrl;
class QWidget;

enum class PrintResult
{
    Printed,
    NoPrinter,
    Failed
};

class Platform
{
public:
    virtual ~Platform();

    // A modal message box captioned with the application title; returns the button pressed.
    virtual QMessageBox::StandardButton message(QWidget* parent, QMessageBox::Icon icon,
                                                const QString& text,
                                                QMessageBox::StandardButtons buttons);
    // The save dialog for the report; an empty result means the user cancelled.
    virtual QString askSaveFileName(QWidget* parent);
    // Prints the whole document on the default printer, without a dialog.
    virtual PrintResult print(const QTextDocument& document);
    // Hands an address to the desktop's browser without waiting; the result is not used.
    virtual void openUrl(const QUrl& url);
    virtual void clearClipboard();
    // Shows a window modally and returns once it has been closed.
    virtual void runModal(QDialog& dialog);
    virtual QDate today();
    // Ends the event loop, and with it the application.
    virtual void quit();
};

// The platform in use: the real one unless a test has installed another.
Platform& platform();
// Installs a stand-in (nullptr restores the real one); the caller keeps ownership.
void setPlatform(Platform* stand_in);

inline const QString applicationTitle = QStringLiteral("Quarvel");
