// Saving the report: the file written, what happens to a file already there, the messages a
// failure gives, and the save dialog that picks the name.
#include "ReportFile.h"
#include "RichTextView.h"
#include "RtfWriter.h"
#include "SaveDialog.h"
#include "TestPlatform.h"

#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>

Q_DECLARE_METATYPE(SaveResult)

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& content, QFile::Permissions permissions)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
    file.close();
    QVERIFY(file.setPermissions(permissions));
}

// Limits the size of any file this process writes, as a full disk does; writes past the limit
// then fail with EFBIG instead of raising SIGXFSZ.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        if (bytes == 0)
            return;
        active_ = getrlimit(RLIMIT_FSIZE, &saved_) == 0;
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, saved_.rlim_max};
        active_ = active_ && setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        if (active_)
            setrlimit(RLIMIT_FSIZE, &saved_);
        if (oldHandler_ != SIG_ERR)
            std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool active() const { return active_; }

private:
    rlimit saved_{};
    bool active_ = false;
    void (*oldHandler_)(int) = SIG_ERR;
};

const QFile::Permissions writable = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;

} // namespace

class TestReportFile : public QObject
{
    Q_OBJECT

private slots:
    // name: what the save dialog answers ("" = cancelled), relative to an empty folder.
    // old: the file already there (null = none). limit: the largest file size allowed.
    // reason: part of the message that must explain the failure.
    void save_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("old");
        QTest::addColumn<QFile::Permissions>("permissions");
        QTest::addColumn<int>("limit");
        QTest::addColumn<SaveResult>("expected");
        QTest::addColumn<QString>("reason");

        const QByteArray none;
        const QByteArray old = "{\\rtf1 an earlier report}";
        QTest::addRow("new file") << "report.rtf" << none << writable << 0 << SaveResult::Saved
                                  << "";
        QTest::addRow("replacing a file")
            << "report.rtf" << old << writable << 0 << SaveResult::Saved << "";
        QTest::addRow("read-only file")
            << "report.rtf" << old << readOnly << 0 << SaveResult::Failed << "read-only";
        QTest::addRow("folder missing")
            << "missing/report.rtf" << none << writable << 0 << SaveResult::Failed << "";
        QTest::addRow("disk full, new file")
            << "report.rtf" << none << writable << 200 << SaveResult::Failed << "";
        QTest::addRow("disk full, replacing a file")
            << "report.rtf" << old << writable << 200 << SaveResult::Failed << "";
        QTest::addRow("cancelled") << "" << none << writable << 0 << SaveResult::Cancelled << "";
        QTest::addRow("cancelled over a file")
            << "" << old << writable << 0 << SaveResult::Cancelled << "";
    }
    void save()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, old);
        QFETCH(QFile::Permissions, permissions);
        QFETCH(int, limit);
        QFETCH(SaveResult, expected);
        QFETCH(QString, reason);

        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString target = folder.filePath(name.isEmpty() ? "report.rtf" : name);
        if (!old.isNull())
            writeFile(target, old, permissions);

        TestPlatform desktop;
        if (!name.isEmpty())
            desktop.saveNames << target;
        RichTextView view;
        view.insertStyled("Your personality type is \u00e9\nA second line {\\}", Qt::darkGreen,
                          true);
        const QByteArray rtf = documentToRtf(*view.document());
        QVERIFY(rtf.size() > limit);

        SaveResult result;
        {
            FileSizeLimit fileSizeLimit(rlim_t(limit > 0 ? limit : 0));
            if (limit > 0 && !fileSizeLimit.active())
                QSKIP("the file size limit cannot be set here");
            result = saveReport(view, nullptr);
        }

        QCOMPARE(result, expected);
        QCOMPARE(desktop.saveDialogs, 1);
        if (expected == SaveResult::Saved) {
            QCOMPARE(readFile(target), rtf);
            QVERIFY(desktop.messages.isEmpty());
        } else {
            QCOMPARE(QFileInfo::exists(target), !old.isNull());
            QCOMPARE(readFile(target), old);
        }
        if (expected == SaveResult::Failed) {
            QCOMPARE(desktop.messages.size(), 1);
            const TestPlatform::Message& message = desktop.messages.first();
            QCOMPARE(message.icon, QMessageBox::Critical);
            QVERIFY2(message.text.contains(QDir::toNativeSeparators(target)),
                     qPrintable(message.text));
            QVERIFY2(message.text.contains(reason, Qt::CaseInsensitive), qPrintable(message.text));
        } else if (expected == SaveResult::Cancelled) {
            QVERIFY(desktop.messages.isEmpty());
        }
        // Nothing but the report itself is left behind, not even a half-written copy.
        const QStringList expectedEntries =
            QFileInfo::exists(target) ? QStringList{"report.rtf"} : QStringList{};
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 expectedEntries);
    }

    void dialogSettings()
    {
        SaveDialog dialog;
        QCOMPARE(dialog.windowTitle(), QString("Quarvel"));
        QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptSave);
        QCOMPARE(dialog.nameFilters(), QStringList{"Rich Text Format (*.rtf)"});
        QCOMPARE(dialog.defaultSuffix(), QString("rtf"));
        QVERIFY(!dialog.testOption(QFileDialog::DontConfirmOverwrite));
    }

    // typed: the name typed in the dialog; existing: the file already in the folder.
    void dialogRefusesReadOnly_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("existing");
        QTest::addColumn<bool>("accepted");
        QTest::addRow("new name") << "report.rtf"
                                  << "" << true;
        QTest::addRow("new name without suffix") << "report"
                                                 << "" << true;
        QTest::addRow("read-only file") << "report.rtf"
                                        << "report.rtf" << false;
        QTest::addRow("read-only file, typed without suffix") << "report"
                                                              << "report.rtf" << false;
        QTest::addRow("folder that does not exist") << "missing/report.rtf"
                                                    << "" << false;
    }
    void dialogRefusesReadOnly()
    {
        QFETCH(QString, typed);
        QFETCH(QString, existing);
        QFETCH(bool, accepted);

        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        if (!existing.isEmpty())
            writeFile(folder.filePath(existing), "old", readOnly);

        TestPlatform desktop;
        SaveDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setDirectory(folder.path());
        dialog.selectFile(typed);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.accept();

        QCOMPARE(dialog.result() == QDialog::Accepted, accepted);
        QCOMPARE(dialog.isVisible(), !accepted);
        if (accepted) {
            QVERIFY(desktop.messages.isEmpty());
            QCOMPARE(dialog.selectedFiles(), QStringList{folder.filePath("report.rtf")});
        } else {
            QCOMPARE(desktop.messages.size(), 1);
            QCOMPARE(desktop.messages.first().icon, QMessageBox::Warning);
            QVERIFY2(desktop.messages.first().text.contains("report.rtf"),
                     qPrintable(desktop.messages.first().text));
        }
        QCOMPARE(readFile(folder.filePath("report.rtf")), existing.isEmpty() ? "" : "old");
    }

    // The real platform's save dialog hands back the chosen name, with its suffix, or nothing.
    void realDialogAnswers_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::addRow("name chosen") << true;
        QTest::addRow("cancelled") << false;
    }
    void realDialogAnswers()
    {
        QFETCH(bool, accept);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        bool seen = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            auto* dialog = qobject_cast<SaveDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            poll.stop();
            seen = true;
            // Typed as a user would: selectFile() leaves a focused name field alone.
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            if (name)
                name->setText(folder.filePath("report"));
            if (accept && name)
                dialog->accept();
            else
                dialog->reject();
        });
        poll.start(20);
        const QString answer = platform().askSaveFileName(nullptr);
        QVERIFY2(seen, "no save dialog was shown");
        QCOMPARE(answer, accept ? folder.filePath("report.rtf") : QString());
    }
};

QTEST_MAIN(TestReportFile)
#include "tst_reportfile.moc"
