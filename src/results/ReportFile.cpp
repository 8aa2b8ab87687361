#include "ReportFile.h"

#include "Platform.h"
#include "RichTextView.h"
#include "RtfWriter.h"
#include "SaveDialog.h"

#include <QDir>
#include <QSaveFile>
#include <QTextCursor>
#include <QTextDocument>

bool writeRtfFile(const QTextDocument& document, const QString& path, QString* error)
{
    const auto fail = [error](const QString& reason) {
        if (error)
            *error = reason;
        return false;
    };
    if (isReadOnlyFile(path))
        return fail(QObject::tr("The file is read-only."));

    const QByteArray rtf = documentToRtf(document);
    QSaveFile file(path);
    // Unbuffered, so that a full disk shows up in write() and not as a commit() that
    // reports success over an empty file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(file.errorString());
    if (file.write(rtf) != rtf.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(reason);
    }
    if (!file.commit())
        return fail(file.errorString());
    return true;
}

SaveResult saveReport(RichTextView& view, QWidget* parent)
{
    const QString path = platform().askSaveFileName(parent);
    if (path.isEmpty())
        return SaveResult::Cancelled;
    QString error;
    if (writeRtfFile(*view.document(), path, &error))
        return SaveResult::Saved;
    platform().message(parent, QMessageBox::Critical,
                       QObject::tr("The report could not be saved to %1.\n%2")
                           .arg(QDir::toNativeSeparators(path), error),
                       QMessageBox::Ok);
    return SaveResult::Failed;
}

void printReport(RichTextView& view, QWidget* parent)
{
    QTextCursor cursor = view.textCursor();
    cursor.clearSelection();
    view.setTextCursor(cursor);

    switch (platform().print(*view.document())) {
    case PrintResult::Printed:
        return;
    case PrintResult::NoPrinter:
        platform().message(parent, QMessageBox::Critical,
                           QObject::tr("The report could not be printed: no printer is set up "
                                       "as the default printer."),
                           QMessageBox::Ok);
        return;
    case PrintResult::Failed:
        platform().message(parent, QMessageBox::Critical,
                           QObject::tr("Printing the report failed."), QMessageBox::Ok);
        return;
    }
}
