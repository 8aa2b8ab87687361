// A stand-in for the desktop in tests: records every message box, web page, print and
// modal window instead of showing it, answers message boxes and the save dialog from
// queues, and keeps its own clock and clipboard counter.
#pragma once

#include "Platform.h"

#include <QDialog>
#include <QList>
#include <QStringList>
#include <QTextDocument>
#include <QUrl>
#include <functional>

class TestPlatform : public Platform
{
public:
    struct Message
    {
        QMessageBox::Icon icon;
        QString text;
        QMessageBox::StandardButtons buttons;
    };

    TestPlatform() { setPlatform(this); }
    ~TestPlatform() override { setPlatform(nullptr); }

    QMessageBox::StandardButton message(QWidget*, QMessageBox::Icon icon, const QString& text,
                                        QMessageBox::StandardButtons buttons) override
    {
        messages.append({icon, text, buttons});
        if (!answers.isEmpty())
            return answers.takeFirst();
        return buttons.testFlag(QMessageBox::Ok) ? QMessageBox::Ok : QMessageBox::No;
    }
    QString askSaveFileName(QWidget*) override
    {
        ++saveDialogs;
        return saveNames.isEmpty() ? QString() : saveNames.takeFirst();
    }
    PrintResult print(const QTextDocument& document) override
    {
        printed.append(document.toPlainText());
        return printResult;
    }
    void openUrl(const QUrl& url) override { urls.append(url.toString()); }
    void clearClipboard() override
    {
        ++clipboardClears;
        if (realClipboard)
            Platform::clearClipboard();
    }
    void runModal(QDialog& dialog) override
    {
        ++modalRuns;
        if (onModal)
            onModal(dialog);
    }
    QDate today() override { return date; }
    void quit() override { ++quits; }

    QList<Message> messages;
    QList<QMessageBox::StandardButton> answers;
    QStringList saveNames;
    int saveDialogs = 0;
    QStringList printed;
    PrintResult printResult = PrintResult::Printed;
    QStringList urls;
    int clipboardClears = 0;
    bool realClipboard = false;
    int modalRuns = 0;
    std::function<void(QDialog&)> onModal;
    QDate date = QDate(2026, 12, 9);
    int quits = 0;
};
