// Saving the report as an RTF file and printing it.
#pragma once

#include <QString>

class QTextDocument;
class QWidget;
class RichTextView;

enum class SaveResult
{
    Saved,
    Cancelled,
    Failed
};

// Writes the document as RTF to path, replacing any file there whole or not at all.
// On failure returns false and sets error to a reason a user can read.
bool writeRtfFile(const QTextDocument& document, const QString& path, QString* error);

// Asks for a file name and saves the view's whole content; a failure is reported to the user.
SaveResult saveReport(RichTextView& view, QWidget* parent);

// Empties the view's selection and prints its whole content on the default printer;
// a missing printer or a failed print is reported to the user.
void printReport(RichTextView& view, QWidget* parent);
