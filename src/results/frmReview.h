// The answer review window: a bar chart of the nine type scores and every question of the
// test with the answer given. Its content is built from the test state; the main window
// rebuilds it whenever a test is finished.
#pragma once

#include <QDialog>
#include <array>

class QLabel;
class QFrame;
class PictureBox;
class RichTextView;

class frmReview : public QDialog
{
    Q_OBJECT

public:
    explicit frmReview(QWidget* parent = nullptr);

    // Names, bars and listing from modEnneagram::testState as it stands.
    void buildContent();

    // Width of bar k in twips, as stored (single precision), before it becomes pixels.
    float barWidthTwips(int k) const { return m_barTwips[std::size_t(k)]; }

    QLabel* Label2;
    std::array<QLabel*, 9> Label1{};
    std::array<QLabel*, 9> lblColorBar{};
    QFrame* Line1;
    PictureBox* picLogo;
    RichTextView* RTB;

private:
    std::array<float, 9> m_barTwips{};
};

// The nine bar colours, by type - 1.
QColor reviewPaletteColour(int k);
