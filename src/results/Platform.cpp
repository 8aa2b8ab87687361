#include "Platform.h"

#include "SaveDialog.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QGuiApplication>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>
#include <QUrl>

Platform::~Platform() = default;

QMessageBox::StandardButton Platform::message(QWidget* parent, QMessageBox::Icon icon,
                                              const QString& text,
                                              QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, applicationTitle, text, buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QString Platform::askSaveFileName(QWidget* parent)
{
    SaveDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

PrintResult Platform::print(const QTextDocument& document)
{
    // Without a default printer QPrinter quietly falls back to PDF output with no file name
    // and prints nothing, so that case has to be caught here.
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return PrintResult::NoPrinter;
    QPrinter printer(info, QPrinter::HighResolution);
    if (!printer.isValid() || printer.outputFormat() != QPrinter::NativeFormat)
        return PrintResult::NoPrinter;
    printer.setDocName(applicationTitle);
    document.print(&printer);
    return printer.printerState() == QPrinter::Error ? PrintResult::Failed : PrintResult::Printed;
}

void Platform::openUrl(const QUrl& url)
{
    QDesktopServices::openUrl(url);
}

void Platform::clearClipboard()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return;
    clipboard->clear(QClipboard::Clipboard);
    // On X11 a mouse selection is offered to other programs as well.
    if (clipboard->supportsSelection())
        clipboard->clear(QClipboard::Selection);
}

void Platform::runModal(QDialog& dialog)
{
    dialog.exec();
}

QDate Platform::today()
{
    return QDate::currentDate();
}

void Platform::quit()
{
    QCoreApplication::quit();
}

namespace {
Platform g_real;
Platform* g_current = &g_real;
} // namespace

Platform& platform()
{
    return *g_current;
}

void setPlatform(Platform* stand_in)
{
    g_current = stand_in ? stand_in : &g_real;
}
