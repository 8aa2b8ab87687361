#include "RtfWriter.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <cmath>
#include <cstdint>

namespace {

void appendEscaped(QByteArray& out, const QString& text)
{
    bool inUnicodeGroup = false;
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        const bool unicode = (u < 0x20 || u >= 0x7f) && u != '\t' && u != QChar::LineSeparator &&
                             u != QChar::ParagraphSeparator;
        // A run of \u escapes goes in a group of its own: some readers (unrtf among them)
        // take letters that follow "\uN?" for part of the control word and drop them.
        if (unicode != inUnicodeGroup) {
            out += unicode ? '{' : '}';
            inUnicodeGroup = unicode;
        }
        if (u == '\\' || u == '{' || u == '}') {
            out += '\\';
            out += char(u);
        } else if (u == '\t') {
            out += "\\tab ";
        } else if (u == QChar::LineSeparator || u == QChar::ParagraphSeparator) {
            out += "\\line ";
        } else if (u >= 0x20 && u < 0x7f) {
            out += char(u);
        } else {
            // \u takes a signed 16-bit number; characters beyond U+FFFF arrive here as
            // their two surrogates, which is how RTF spells them too. "?" is the fallback
            // for readers without Unicode.
            out += "\\u";
            out += QByteArray::number(int(static_cast<std::int16_t>(u)));
            out += '?';
        }
    }
    if (inUnicodeGroup)
        out += '}';
}

int colourIndex(QList<QColor>& table, const QColor& colour)
{
    const qsizetype found = table.indexOf(colour);
    if (found >= 0)
        return int(found) + 1;
    table.append(colour);
    return int(table.size());
}

} // namespace

QByteArray documentToRtf(const QTextDocument& document)
{
    const QFont font = document.defaultFont();
    QList<QColor> colours;
    QByteArray body;

    int currentColour = 0;
    bool currentBold = false;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            const QTextCharFormat format = fragment.charFormat();
            const int colour = format.hasProperty(QTextFormat::ForegroundBrush)
                                   ? colourIndex(colours, format.foreground().color())
                                   : 0;
            const bool bold = format.fontWeight() >= QFont::DemiBold;
            if (colour != currentColour) {
                body += "\\cf" + QByteArray::number(colour) + ' ';
                currentColour = colour;
            }
            if (bold != currentBold) {
                body += bold ? "\\b " : "\\b0 ";
                currentBold = bold;
            }
            appendEscaped(body, fragment.text());
        }
        if (block.next().isValid())
            body += "\\par\n";
    }

    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl{\\f0\\fswiss\\fcharset0 ";
    appendEscaped(out, font.family());
    out += ";}}\n{\\colortbl;";
    for (const QColor& c : colours) {
        out += "\\red" + QByteArray::number(c.red()) + "\\green" + QByteArray::number(c.green()) +
               "\\blue" + QByteArray::number(c.blue()) + ';';
    }
    out += "}\n";
    const qreal points = font.pointSizeF() > 0 ? font.pointSizeF() : 9.0;
    out += "\\viewkind4\\pard\\plain\\f0\\fs" + QByteArray::number(std::lround(points * 2)) + ' ';
    out += body;
    // No line break before the closing brace: a reader that takes it for text would turn a
    // final escaped backslash and the break into a paragraph mark.
    out += "}\n";
    return out;
}
