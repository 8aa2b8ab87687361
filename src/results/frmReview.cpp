#include "frmReview.h"

#include "ImageList.h"
#include "PictureBox.h"
#include "RichTextView.h"
#include "Twips.h"
#include "modEnneagram.h"

#include <QFrame>
#include <QLabel>

namespace {

// The first nine colours of the classic 16-colour palette.
constexpr std::array<QRgb, 9> paletteColours{
    qRgb(0, 0, 0),     qRgb(0, 0, 128),   qRgb(0, 128, 0),     qRgb(0, 128, 128),   qRgb(128, 0, 0),
    qRgb(128, 0, 128), qRgb(128, 128, 0), qRgb(192, 192, 192), qRgb(128, 128, 128),
};

// A bar is 4000 twips wide at 20 points.
constexpr double fullBarTwips = 4000.0;
constexpr double maxScore = 20.0;

} // namespace

QColor reviewPaletteColour(int k)
{
    return QColor(paletteColours[std::size_t(k)]);
}

frmReview::frmReview(QWidget* parent) : QDialog(parent)
{
    setObjectName("frmReview");
    setWindowTitle("Quarvel v1.0");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(twipsSize(8655, 6675));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(94, 159, 253));
    setPalette(pal);
    setAutoFillBackground(true);
    setFont(quarvelFont());

    Label2 = new QLabel("Review Enneagram Result", this);
    Label2->setObjectName("Label2");
    Label2->setGeometry(twipsRect(120, 120, 2820, 240));
    Label2->setFont(quarvelFont(9.75, true));
    // The labels size themselves to their text, whatever font stands in for Verdana.
    Label2->adjustSize();

    for (int k = 0; k < 9; ++k) {
        auto* name = new QLabel("Personality Type", this);
        name->setObjectName(QString("Label1_%1").arg(k));
        name->setGeometry(twipsRect(120, 600 + 360 * k, 1425, 195));
        Label1[std::size_t(k)] = name;

        auto* bar = new QLabel(this);
        bar->setObjectName(QString("lblColorBar_%1").arg(k));
        bar->setAutoFillBackground(true);
        bar->setGeometry(twipsRect(1830, 600 + 360 * k, 4000, 195));
        lblColorBar[std::size_t(k)] = bar;
        m_barTwips[std::size_t(k)] = float(fullBarTwips);
    }

    Line1 = new QFrame(this);
    Line1->setObjectName("Line1");
    Line1->setFrameShape(QFrame::VLine);
    Line1->setFrameShadow(QFrame::Plain);
    Line1->setGeometry(QRect(twips(1815), twips(600), 1, twips(3680 - 600)));

    picLogo = new PictureBox(this);
    picLogo->setObjectName("picLogo");
    picLogo->setGeometry(twipsRect(5955, 960, 2610, 2670));
    picLogo->setAutoFillBackground(true);
    QPalette white = picLogo->palette();
    white.setColor(QPalette::Window, Qt::white);
    picLogo->setPalette(white);
    picLogo->setPicture(ImageList::IMG(), ImageList::IMG().indexOfKey("The Enthusiast"));

    RTB = new RichTextView(this);
    RTB->setObjectName("RTB");
    RTB->setGeometry(twipsRect(120, 3840, 8415, 2775));

    buildContent();
}

void frmReview::buildContent()
{
    using namespace modEnneagram;
    // The names are shown even before the first test has loaded the content.
    if (typeNames.empty())
        LoadContent();
    const TestState& s = testState;

    for (int k = 0; k < 9; ++k) {
        QLabel* name = Label1[std::size_t(k)];
        QFont bold = name->font();
        bold.setBold(true);
        name->setFont(bold);
        QPalette pal = name->palette();
        pal.setColor(QPalette::WindowText, reviewPaletteColour(k));
        name->setPalette(pal);
        name->setText(QString::fromStdString(typeNames[std::size_t(k)]));
        name->adjustSize();

        QLabel* bar = lblColorBar[std::size_t(k)];
        QPalette fill = bar->palette();
        fill.setColor(QPalette::Window, reviewPaletteColour(k));
        bar->setPalette(fill);

        // From the designed width every time, so a rebuilt chart never scales an old one.
        const double score = s.typeScores[std::size_t(k)];
        const float width = float(fullBarTwips / maxScore * score);
        m_barTwips[std::size_t(k)] = width;
        bar->resize(twips(width), bar->height());
        bar->setVisible(width > 0);
        bar->setToolTip(QString::number(score));
    }

    RTB->clearText();
    const QColor text = RTB->palette().color(QPalette::Text);
    for (std::size_t p = 0; p < s.testQuestions.size(); ++p) {
        const auto bankIndex = std::size_t(s.testQuestions[p]);
        const QString question = bankIndex < questionTexts.size()
                                     ? QString::fromStdString(questionTexts[bankIndex])
                                     : QString();
        const QString answer =
            p < s.givenAnswers.size() ? QString::fromStdString(s.givenAnswers[p]) : QString();
        RTB->insertStyled(QString("Question No.%1. %2\r\n").arg(p + 1).arg(question), text, true);
        RTB->insertStyled("Your Answer: " + answer + "\r\n", text, false);
        RTB->insertStyled("\r\n", text, false);
    }
    RTB->moveCursor(QTextCursor::Start);
}
