// The read-only rich-text view that shows the report and the answer listing.
//
// Its text can be selected and copied with the keyboard, but the copy guard empties the
// clipboard whenever the content changes or the pointer does anything over the view, so a
// copy does not outlive the next pointer event.
#pragma once

#include "ResultReport.h"

#include <QTextEdit>

class RichTextView : public QTextEdit
{
    Q_OBJECT

public:
    explicit RichTextView(QWidget* parent = nullptr);

    // Empties the view; the caret then stands at the start.
    void clearText();
    // Inserts text at the caret with the given colour and weight, in the view's font.
    void insertStyled(const QString& text, const QColor& colour, bool bold);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// Replaces the view's content with the report, block by block.
void RenderReport(RichTextView& view, const ResultReport& report);
