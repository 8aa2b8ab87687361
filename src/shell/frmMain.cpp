#include "frmMain.h"

#include "ClickableLabel.h"
#include "CommandButton.h"
#include "ImageList.h"
#include "PictureBox.h"
#include "PictureButton.h"
#include "PicturePanel.h"
#include "Platform.h"
#include "Questionnaire.h"
#include "ReportFile.h"
#include "ResultReport.h"
#include "RichTextView.h"
#include "Scoring.h"
#include "ScreenStack.h"
#include "Startup.h"
#include "Twips.h"
#include "frmReview.h"
#include "modEnneagram.h"
#include "modRegistry.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QTextCursor>

using namespace modEnneagram;

namespace {

const QString nextCaption = QStringLiteral("Next >>");
const QString viewResultCaption = QStringLiteral("View Test Result");
constexpr int logoPosition = 10;

const QString screenBackground = QStringLiteral(":/pictures/background/screen.svg");

template <typename Label = QLabel>
Label* makeLabel(const QString& name, const QString& text, bool bold = false)
{
    auto* label = new Label(text);
    label->setObjectName(name);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

ClickableLabel* makeClickable(const QString& name, const QString& text, bool bold = false)
{
    return makeLabel<ClickableLabel>(name, text, bold);
}

void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, colour);
    widget->setPalette(pal);
}

// A round button that draws only its mark, centred in its small box.
class RoundMark : public QRadioButton
{
public:
    using QRadioButton::QRadioButton;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        if (autoFillBackground())
            painter.fillRect(rect(), palette().window());
        QStyleOptionButton option;
        initStyleOption(&option);
        const int side = qMin(width(), height());
        option.rect = QRect(0, 0, side, side);
        option.rect.moveCenter(rect().center());
        style()->drawPrimitive(QStyle::PE_IndicatorRadioButton, &option, &painter, this);
        if (hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = rect();
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
        }
    }
};

// A round button or check box that shows only its mark; the label beside it carries the text.
template <typename Button>
Button* makeMark(const QString& name, const QString& caption, const QColor& back = QColor())
{
    auto* button = new Button();
    button->setObjectName(name);
    button->setProperty("caption", caption);
    button->setAccessibleName(caption);
    if (back.isValid()) {
        button->setAutoFillBackground(true);
        QPalette pal = button->palette();
        pal.setColor(QPalette::Window, back);
        pal.setColor(QPalette::Button, back);
        button->setPalette(pal);
    }
    return button;
}

PictureButton* makePictureButton(const QString& name, int normal, int hover,
                                 const QString& accessibleName, const QString& toolTip,
                                 bool framed = false)
{
    auto* button = new PictureButton(normal, hover, nullptr, framed);
    button->setObjectName(name);
    button->setAccessibleName(accessibleName);
    if (!toolTip.isEmpty())
        button->setToolTip(toolTip);
    return button;
}

} // namespace

frmMain::frmMain(QWidget* parent) : QMainWindow(parent), m_screens(new ScreenStack(this))
{
    setObjectName("frmMain");
    setWindowTitle("Quarvel v1.0");
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(quarvelFont());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);

    auto* client = new QWidget(this);
    client->setObjectName("client");
    client->setFixedSize(twipsSize(9375, 4350));
    setCentralWidget(client);

    // The background panel is two pixels larger on each side than its picture, for its
    // sunken border, so its right and bottom edges are cut off by the client area.
    picMain = new PicturePanel(":/pictures/background/main.svg", QSize(627, 289), client);
    picMain->setObjectName("picMain");
    picMain->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picMain->setLineWidth(2);
    picMain->setGeometry(0, 0, 627 + 4, 289 + 4);

    buildMenus();
    buildToolbarAndLink();
    buildOptionsScreen();
    buildQuestionScreen();
    buildResultScreen();
    buildAboutScreen();
    buildKeyboard();

    m_screens->bringToFront(Picture1);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

frmMain::~frmMain()
{
    delete m_review;
}

void frmMain::buildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName("menuBar");
    QMenu* file = bar->addMenu("&File");
    file->setObjectName("mnuFile");
    QAction* exit = file->addAction("&Exit");
    exit->setObjectName("mnuExit");
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QMenu* help = bar->addMenu("&Help");
    help->setObjectName("mnuHelp");
    QAction* online = help->addAction("&Online Help");
    online->setObjectName("mnuOnline");
    connect(online, &QAction::triggered, this, [] { OpenWebPage(pageAddress(WebPage::Help)); });
    QAction* visit = help->addAction("&Visit Us Online");
    visit->setObjectName("mnuVisit");
    connect(visit, &QAction::triggered, this, [] { OpenWebPage(pageAddress(WebPage::Home)); });
    // Kept for the day the update check comes back; never shown.
    QAction* sep1 = help->addSeparator();
    sep1->setObjectName("mnuHelpSep1");
    sep1->setVisible(false);
    QAction* update = help->addAction("Check for Software &Update");
    update->setObjectName("mnuUpdate");
    update->setVisible(false);
    connect(update, &QAction::triggered, this, [] { OpenWebPage(pageAddress(WebPage::Update)); });
    QAction* sep2 = help->addSeparator();
    sep2->setObjectName("mnuHelpSep2");
    sep2->setVisible(false);
    QAction* about = help->addAction("&About Software");
    about->setObjectName("mnuAbout");
    connect(about, &QAction::triggered, this, &frmMain::mnuAbout_Click);

    QMenu* donate = bar->addMenu("&Donate");
    donate->setObjectName("mnuDonate");
    donate->menuAction()->setObjectName("mnuDonate");
    donate->menuAction()->setVisible(false);
}

void frmMain::buildToolbarAndLink()
{
    PicturePanel* panel = picMain;
    picHelp = makePictureButton("picHelp", 9, 10, "Help", "Help");
    panel->place(picHelp, 7815, 70);
    connect(picHelp, &PictureButton::clicked, this,
            [] { OpenWebPage(pageAddress(WebPage::Help)); });
    picExit = makePictureButton("picExit", 7, 8, "Exit", "Exit");
    panel->place(picExit, 8550, 70);
    connect(picExit, &PictureButton::clicked, this, &frmMain::picExit_Click);

    picLogo = new PictureBox();
    picLogo->setObjectName("picLogo");
    panel->place(picLogo, 0, 1320, 2610, 2670);
    picLogo->setPicture(ImageList::IMG(), logoPosition);

    lblHyperlink = makeClickable("lblHyperlink", QString());
    panel->place(lblHyperlink, 7080, 4000, 2175, 255);
    lblHyperlink->setCursor(Qt::PointingHandCursor);
    lblHyperlink->setToolTip("Click To Go To " + siteAddress());
    lblHyperlink->setAccessibleName(siteAddress());
    connect(lblHyperlink, &ClickableLabel::clicked, this,
            [] { OpenWebPage(pageAddress(WebPage::Home)); });
}

PicturePanel* frmMain::makeScreen(const char* name)
{
    auto* screen = new PicturePanel(screenBackground, QSize(438, 179));
    screen->setObjectName(name);
    screen->setFrameStyle(QFrame::Box | QFrame::Plain);
    screen->setLineWidth(1);
    screen->setFocusPolicy(Qt::ClickFocus);
    QPalette pal = screen->palette();
    pal.setColor(QPalette::Window, QGuiApplication::palette().color(QPalette::Base));
    pal.setColor(QPalette::WindowText, QGuiApplication::palette().color(QPalette::Text));
    screen->setPalette(pal);
    picMain->place(screen, 2880, 1395, 6255, 2400);
    m_screens->add(screen);
    return screen;
}

void frmMain::buildOptionsScreen()
{
    Picture1 = makeScreen("Picture1");
    PicturePanel* screen = Picture1;
    Label2 = makeLabel("Label2", "Choose One of the Following Options:", true);
    screen->place(Label2, 480, 120, 3615, 195);

    const QString captions[] = {"I Would Like to Take a Quick Look at my Personality",
                                "I Would Like A More In depth Look at my Personality",
                                "I Would Like to Take a Comprehensive Personality Test"};
    const int widths[] = {4500, 4530, 4770};
    m_lengthGroup = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        auto* button =
            makeMark<RoundMark>(QString("opt_%1").arg(i), captions[i], QColor(0x5E, 0x9F, 0xFD));
        screen->place(button, 600, 480 + 300 * i, 200, 200);
        m_lengthGroup->addButton(button, i);
        opt[std::size_t(i)] = button;

        auto* label = makeClickable(QString("lblOptions_%1").arg(i), captions[i]);
        screen->place(label, 840, 483 + 300 * i, widths[i], 195);
        connect(label, &ClickableLabel::clicked, this, [this, i] { lblOptions_Click(i); });
        lblOptions[std::size_t(i)] = label;
    }
    opt[0]->setChecked(true);

    picStart = makePictureButton("picStart", 1, 2, "Test Yourself Now", QString());
    picStart->setInitialPicture(":/pictures/buttons/start.svg", QSize(147, 30));
    screen->place(picStart, 1920, 1680);
    connect(picStart, &PictureButton::clicked, this, [this] { cmdStart->click(); });
}

void frmMain::buildQuestionScreen()
{
    Picture2 = makeScreen("Picture2");
    PicturePanel* screen = Picture2;

    // Wider than designed and centred over the question, so that "Question 180 Of 180"
    // fits in the fonts a Linux desktop actually has.
    lblQNo = makeLabel("lblQNo", QString(), true);
    lblQNo->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setTextColour(lblQNo, QColor(0x36, 0x5A, 0xE9));
    screen->place(lblQNo, 165, 120, 5880, 195);

    lblQuestions = makeLabel("lblQuestions", QString(), true);
    lblQuestions->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblQuestions->setWordWrap(true);
    screen->place(lblQuestions, 165, 480, 5880, 675);

    const int optionLeft[] = {1800, 2625, 3360};
    const int labelLeft[] = {2055, 2880, 3610};
    const int labelWidth[] = {465, 375, 690};
    m_answerGroup = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        const QString caption = QString::fromUtf8(answerCaptions[std::size_t(i)].data(),
                                                  qsizetype(answerCaptions[std::size_t(i)].size()));
        auto* button =
            makeMark<RoundMark>(QString("optAnswer_%1").arg(i), caption, QColor(0x5E, 0x9F, 0xFD));
        screen->place(button, optionLeft[i], 1290, 200, 200);
        m_answerGroup->addButton(button, i);
        connect(button, &QRadioButton::clicked, this, [this, i] { optAnswer_Click(i); });
        optAnswer[std::size_t(i)] = button;

        auto* label = makeClickable(QString("lblAnswer_%1").arg(i), caption, true);
        screen->place(label, labelLeft[i], 1290, labelWidth[i], 195);
        connect(label, &ClickableLabel::clicked, this, [this, i] { lblAnswer_Click(i); });
        lblAnswer[std::size_t(i)] = label;
    }

    picBack = makePictureButton("picBack", 28, 27, "Previous Question", "Previous Question");
    screen->place(picBack, 4680, 1560);
    connect(picBack, &PictureButton::clicked, this, [this] { cmdBack->click(); });
    picNext = makePictureButton("picNext", 26, 25, "Next Question", "Next Question");
    screen->place(picNext, 5415, 1560);
    connect(picNext, &PictureButton::clicked, this, [this] { cmdNext->click(); });

    chkIsNext = makeMark<QCheckBox>("chkIsNext", "Redirect To Next Question");
    screen->place(chkIsNext, 120, 2040, 200, 200);
    chkIsNext->setChecked(true);
    Label3 = makeClickable("Label3", "Automatically Go To Next Question");
    setTextColour(Label3, Qt::black);
    screen->place(Label3, 360, 2043, 2985, 195);
    connect(Label3, &ClickableLabel::clicked, this, &frmMain::Label3_Click);
}

void frmMain::buildResultScreen()
{
    Picture3 = makeScreen("Picture3");
    PicturePanel* screen = Picture3;
    Label4 = makeLabel("Label4", "Enneagram Result", true);
    screen->place(Label4, 120, 10, 1770, 195);

    RTB = new RichTextView();
    RTB->setObjectName("RTB");
    screen->place(RTB, 120, 225, 5985, 1650);

    picPrint = makePictureButton("picPrint", 24, 23, "Print", QString());
    screen->place(picPrint, 840, 1920);
    connect(picPrint, &PictureButton::clicked, this, &frmMain::picPrint_Click);
    picSave = makePictureButton("picSave", 20, 19, "Save", QString());
    screen->place(picSave, 2040, 1900);
    connect(picSave, &PictureButton::clicked, this, &frmMain::picSave_Click);
    picReview = makePictureButton("picReview", 18, 17, "Review Result", QString());
    screen->place(picReview, 3240, 1900);
    connect(picReview, &PictureButton::clicked, this, [this] { cmdReview->click(); });
}

void frmMain::buildAboutScreen()
{
    picAbout = makeScreen("picAbout");
    PicturePanel* screen = picAbout;
    Label8 = makeLabel("Label8", "Quarvel v1.0");
    Label8->setFont(quarvelFont(9.75, true));
    setTextColour(Label8, Qt::black);
    screen->place(Label8, 120, 120, 2205, 240);

    Label6 = makeLabel(
        "Label6",
        "Quarvel analyses your inner self and reveals hidden facets of your personality. It is "
        "a simple and easy to understand diagnostic tool that actually helps you understand "
        "your true nature, and how you relate to other people. Quarvel makes you come to terms "
        "with your personality and thus help you lead a happy life.\n"
        "Copyright \u00A9 2026 the Quarvel developers, all rights reserved.");
    Label6->setWordWrap(true);
    Label6->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextColour(Label6, Qt::black);
    screen->place(Label6, 120, 420, 6015, 1185);

    picOK = makePictureButton("picOK", 31, 32, "OK", QString(), true);
    screen->place(picOK, 4965, 1800);
    connect(picOK, &PictureButton::clicked, this, &frmMain::picOK_Click);
}

void frmMain::buildKeyboard()
{
    cmdStart = new CommandButton("cmdStart", "&Start My Enneagram Test", this);
    cmdBack = new CommandButton("cmdBack", "<< &Back", this);
    cmdNext = new CommandButton("cmdNext", "&Next >>", this);
    cmdMain = new CommandButton("cmdMain", "&Main", this);
    cmdSave = new CommandButton("cmdSave", "&Save", this);
    cmdReview = new CommandButton("cmdReview", "&Review Result", this);
    // "&Save" does nothing and would only make Alt+S ambiguous; Alt+S belongs to Start.
    cmdSave->setAccessKeyEnabled(false);

    connect(cmdStart, &CommandButton::clicked, this, &frmMain::cmdStart_Click);
    connect(cmdBack, &CommandButton::clicked, this, &frmMain::cmdBack_Click);
    connect(cmdNext, &CommandButton::clicked, this, &frmMain::cmdNext_Click);
    connect(cmdMain, &CommandButton::clicked, this, &frmMain::cmdMain_Click);
    connect(cmdReview, &CommandButton::clicked, this, &frmMain::cmdReview_Click);

    // For keyboard users: Y, N and M (or 1, 2 and 3) answer the question on screen.
    const char* keys[3][2] = {{"Y", "1"}, {"N", "2"}, {"M", "3"}};
    for (int i = 0; i < 3; ++i) {
        for (const char* key : keys[i]) {
            auto* shortcut = new QShortcut(QKeySequence(key), this);
            shortcut->setObjectName(QString("answerKey_%1").arg(key));
            shortcut->setContext(Qt::WindowShortcut);
            shortcut->setAutoRepeat(false);
            connect(shortcut, &QShortcut::activated, this, [this, i] {
                if (m_screens->front() == Picture2)
                    lblAnswer_Click(i);
            });
        }
    }
}

void frmMain::Registry()
{
    RunUpdateReminder(isVisible() ? this : nullptr);
    m_screens->bringToFront(Picture1);
}

void frmMain::centreOnScreen()
{
    QScreen* target = screen();
    if (!target)
        return;
    adjustSize();
    const QRect available = target->availableGeometry();
    move(available.center() - QPoint(width() / 2, height() / 2));
}

void frmMain::showQuestion(const std::string& positionLine, const std::string& questionText)
{
    lblQNo->setText(QString::fromStdString(positionLine));
    lblQuestions->setText(QString::fromStdString(questionText));
}

void frmMain::clearAnswerSelection()
{
    m_answerGroup->setExclusive(false);
    for (QRadioButton* button : optAnswer)
        button->setChecked(false);
    m_answerGroup->setExclusive(true);
}

void frmMain::cmdStart_Click()
{
    // Alt+S reaches Start from any screen; a test starts only from the options screen.
    if (m_screens->front() != Picture1)
        return;
    TestLength length = TestLength::Comprehensive;
    if (opt[0]->isChecked())
        length = TestLength::Quick;
    else if (opt[1]->isChecked())
        length = TestLength::InDepth;
    const QuestionView view = StartTest(length);
    showQuestion(view.positionLine, view.questionText);
    m_screens->bringToFront(Picture2);
}

void frmMain::cmdNext_Click()
{
    std::optional<std::string_view> selected;
    std::string caption;
    for (QRadioButton* button : optAnswer) {
        if (button->isChecked()) {
            caption = button->property("caption").toString().toStdString();
            selected = caption;
            break;
        }
    }
    const NextOutcome outcome = NextQuestion(selected);
    switch (outcome.result) {
    case NextResult::Unanswered:
        releasePointer();
        platform().message(this, QMessageBox::Critical, QString::fromStdString(outcome.message),
                           QMessageBox::Ok);
        return;
    case NextResult::Moved:
        clearAnswerSelection();
        cmdNext->setCaption(nextCaption);
        showQuestion(outcome.view.positionLine, outcome.view.questionText);
        return;
    case NextResult::Finished:
        clearAnswerSelection();
        finishTest();
        return;
    }
}

void frmMain::cmdBack_Click()
{
    if (const auto view = PreviousQuestion())
        showQuestion(view->positionLine, view->questionText);
}

void frmMain::cmdMain_Click()
{
    m_screens->bringToFront(Picture1);
    cmdNext->setCaption(nextCaption);
    picLogo->setPicture(ImageList::IMG(), logoPosition);
}

void frmMain::cmdReview_Click()
{
    // A window kept from a finished test is brought up to the test as it now stands.
    const bool existed = m_review;
    frmReview* review = ensureReview();
    if (existed)
        review->buildContent();
    releasePointer();
    platform().runModal(*review);
    // Closing the window ends it; the next opening builds it afresh.
    if (m_review) {
        m_review->hide();
        m_review->deleteLater();
        m_review = nullptr;
    }
}

frmReview* frmMain::ensureReview()
{
    if (!m_review) {
        m_review = new frmReview(this);
        // A window built again after being closed shows the last result's picture, not
        // the one it starts with.
        const int picture =
            ImageList::IMG().indexOfKey(QString::fromStdString(testState.dominantName));
        if (picture > 0)
            m_review->picLogo->setPicture(ImageList::IMG(), picture);
    }
    return m_review;
}

void frmMain::finishTest()
{
    cmdNext->setCaption(viewResultCaption);
    const WingOutcome wing = ScoreTest();
    RenderReport(*RTB, ComposeReport(wing));
    // The reader starts at the top of the report, not where the writing stopped.
    RTB->moveCursor(QTextCursor::Start);

    const bool reviewExisted = m_review;
    const ImageList& pictures = ImageList::IMG();
    const QString dominant = QString::fromStdString(testState.dominantName);
    for (int position = 1; position <= pictures.count(); ++position) {
        if (pictures.keyAt(position) != dominant)
            continue;
        picLogo->setPicture(pictures, position);
        ensureReview()->picLogo->setPicture(pictures, position);
    }
    // The review always shows the test just finished, even if it was never closed.
    if (reviewExisted && m_review)
        m_review->buildContent();

    m_screens->bringToFront(Picture3);
}

void frmMain::optAnswer_Click(int index)
{
    if (optAnswer[std::size_t(index)]->isChecked() && chkIsNext->isChecked())
        cmdNext_Click();
}

void frmMain::lblAnswer_Click(int index)
{
    optAnswer[std::size_t(index)]->setChecked(true);
    optAnswer_Click(index);
}

void frmMain::lblOptions_Click(int index)
{
    opt[std::size_t(index)]->setChecked(true);
}

void frmMain::Label3_Click()
{
    chkIsNext->setChecked(!chkIsNext->isChecked());
}

void frmMain::mnuAbout_Click()
{
    m_screens->bringToFront(picAbout);
}

void frmMain::picOK_Click()
{
    m_screens->sendToBack(picAbout);
}

void frmMain::picExit_Click()
{
    releasePointer();
    const auto answer =
        platform().message(this, QMessageBox::Warning, "Are You Sure You Want to Exit Quarvel?",
                           QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes)
        close();
}

void frmMain::picSave_Click()
{
    releasePointer();
    saveReport(*RTB, this);
}

void frmMain::picPrint_Click()
{
    releasePointer();
    printReport(*RTB, this);
}

void frmMain::releasePointer()
{
    QWidget* grabber = QWidget::mouseGrabber();
    if (grabber && (grabber == this || isAncestorOf(grabber)))
        grabber->releaseMouse();
}

bool frmMain::event(QEvent* event)
{
    // A modal window over this one must not leave the pointer grabbed by a button here.
    if (event->type() == QEvent::WindowBlocked)
        releasePointer();
    return QMainWindow::event(event);
}

void frmMain::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (m_ended)
        return;
    m_ended = true;
    releasePointer();
    OpenWebPage(pageAddress(WebPage::ThankYou));
    // The review window, shown or hidden, ends with this one.
    if (m_review) {
        m_review->reject();
        m_review->hide();
    }
    platform().quit();
}
