// Rich Text Format output for a text document: its text runs with their colour and weight,
// one paragraph mark per line break, in the document's default font. Qt reads RTF nowhere
// and writes it nowhere, so the program carries its own small writer.
#pragma once

#include <QByteArray>

class QTextDocument;

// A complete RTF 1.x document. Every character outside printable ASCII is written as a
// \uN escape, so the output is plain ASCII whatever the text holds.
QByteArray documentToRtf(const QTextDocument& document);
