#include "RichTextView.h"

#include "Platform.h"

#include <QTextCharFormat>
#include <QTextCursor>

RichTextView::RichTextView(QWidget* parent) : QTextEdit(parent)
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setAcceptRichText(false);
    setUndoRedoEnabled(false);
    // Moves with no button held must reach the guard too.
    viewport()->setMouseTracking(true);
    connect(this, &QTextEdit::textChanged, this, [] { platform().clearClipboard(); });
}

void RichTextView::clearText()
{
    clear();
    setCurrentCharFormat(QTextCharFormat());
}

void RichTextView::insertStyled(const QString& text, const QColor& colour, bool bold)
{
    QTextCharFormat format;
    format.setForeground(colour);
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    QTextCursor cursor = textCursor();
    cursor.insertText(text, format);
    setTextCursor(cursor);
}

void RichTextView::mousePressEvent(QMouseEvent* event)
{
    platform().clearClipboard();
    QTextEdit::mousePressEvent(event);
}

void RichTextView::mouseMoveEvent(QMouseEvent* event)
{
    platform().clearClipboard();
    QTextEdit::mouseMoveEvent(event);
}

void RichTextView::mouseReleaseEvent(QMouseEvent* event)
{
    platform().clearClipboard();
    QTextEdit::mouseReleaseEvent(event);
    // A release that ends a mouse selection may have put it on the selection clipboard.
    platform().clearClipboard();
}

void RichTextView::mouseDoubleClickEvent(QMouseEvent* event)
{
    platform().clearClipboard();
    QTextEdit::mouseDoubleClickEvent(event);
}

void RenderReport(RichTextView& view, const ResultReport& report)
{
    view.clearText();
    for (const StyledBlock& block : report) {
        view.insertStyled(QString::fromStdString(block.text),
                          QColor(block.colour.red, block.colour.green, block.colour.blue),
                          block.bold);
    }
}
