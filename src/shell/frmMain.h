// The main window: the background panel with its toolbar, logo and link area, the stack of
// four screens (options, question, result, about), the menus and the hidden command
// buttons. Its handlers turn the engine's outcomes into captions, screens and messages.
#pragma once

#include "frmReview.h"

#include <QMainWindow>
#include <QPointer>
#include <array>

class ClickableLabel;
class CommandButton;
class PictureBox;
class PictureButton;
class PicturePanel;
class QButtonGroup;
class QCheckBox;
class QFrame;
class QLabel;
class QRadioButton;
class QShortcut;
class RichTextView;
class ScreenStack;

class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // Start-up before the window first shows: the update reminder, then the options screen.
    void Registry();
    void centreOnScreen();

    ScreenStack& screens() const { return *m_screens; }
    frmReview* review() const { return m_review; }

    // Click actions of the hidden command buttons.
    void cmdStart_Click();
    void cmdNext_Click();
    void cmdBack_Click();
    void cmdMain_Click();
    void cmdReview_Click();

    void optAnswer_Click(int index);
    void lblAnswer_Click(int index);
    void lblOptions_Click(int index);
    void Label3_Click();
    void mnuAbout_Click();
    void picOK_Click();
    void picExit_Click();
    void picSave_Click();
    void picPrint_Click();

    PicturePanel* picMain;
    PictureBox* picLogo;
    ClickableLabel* lblHyperlink;
    PictureButton* picHelp;
    PictureButton* picExit;

    PicturePanel* Picture1;
    QLabel* Label2;
    std::array<QRadioButton*, 3> opt{};
    std::array<ClickableLabel*, 3> lblOptions{};
    PictureButton* picStart;

    PicturePanel* Picture2;
    QLabel* lblQNo;
    QLabel* lblQuestions;
    std::array<QRadioButton*, 3> optAnswer{};
    std::array<ClickableLabel*, 3> lblAnswer{};
    PictureButton* picBack;
    PictureButton* picNext;
    QCheckBox* chkIsNext;
    ClickableLabel* Label3;

    PicturePanel* Picture3;
    QLabel* Label4;
    RichTextView* RTB;
    PictureButton* picPrint;
    PictureButton* picSave;
    PictureButton* picReview;

    PicturePanel* picAbout;
    QLabel* Label8;
    QLabel* Label6;
    PictureButton* picOK;

    CommandButton* cmdStart;
    CommandButton* cmdBack;
    CommandButton* cmdNext;
    CommandButton* cmdMain;
    CommandButton* cmdSave;
    CommandButton* cmdReview;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void buildMenus();
    void buildToolbarAndLink();
    void buildOptionsScreen();
    void buildQuestionScreen();
    void buildResultScreen();
    void buildAboutScreen();
    void buildKeyboard();
    PicturePanel* makeScreen(const char* name);
    void showQuestion(const std::string& positionLine, const std::string& questionText);
    void clearAnswerSelection();
    void chooseAnswer(int index);
    void finishTest();
    frmReview* ensureReview();
    void releasePointer();

    ScreenStack* m_screens;
    QButtonGroup* m_lengthGroup;
    QButtonGroup* m_answerGroup;
    QPointer<frmReview> m_review;
    bool m_ended = false;
};
