// Start-up: the update reminder's rules and the single-instance lock.
#include "Startup.h"
#include "TestPlatform.h"
#include "modRegistry.h"

#include <QProcess>
#include <QSettings>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QtTest>

Q_DECLARE_METATYPE(UpdateReminder)

class TestStartup : public QObject
{
    Q_OBJECT

    QTemporaryDir m_runtime;

private slots:
    void initTestCase()
    {
        QVERIFY(m_runtime.isValid());
        QFile::setPermissions(m_runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                    QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", m_runtime.path().toLocal8Bit());
    }

    void updateReminder_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("answer");
        QTest::addColumn<UpdateReminder>("outcome");
        QTest::addColumn<QString>("storedAfter");
        // Today is 2026-12-09 for the stand-in clock.
        QTest::addRow("missing") << QVariant() << 0 << UpdateReminder::StoredFirstDate
                                 << "2026-12-09";
        QTest::addRow("empty") << QVariant("") << 0 << UpdateReminder::StoredFirstDate
                               << "2026-12-09";
        QTest::addRow("today") << QVariant("2026-12-09") << 0 << UpdateReminder::NotDue
                               << "2026-12-09";
        QTest::addRow("14 days before")
            << QVariant("2026-11-25") << 0 << UpdateReminder::NotDue << "2026-11-25";
        QTest::addRow("14 days ahead")
            << QVariant("2026-12-23") << 0 << UpdateReminder::NotDue << "2026-12-23";
        QTest::addRow("15 days before, Yes") << QVariant("2026-11-24") << int(QMessageBox::Yes)
                                             << UpdateReminder::AskedYes << "2026-12-09";
        QTest::addRow("15 days before, No") << QVariant("2026-11-24") << int(QMessageBox::No)
                                            << UpdateReminder::AskedNo << "2026-12-09";
        QTest::addRow("15 days ahead") << QVariant("2026-12-24") << int(QMessageBox::No)
                                       << UpdateReminder::AskedNo << "2026-12-09";
        QTest::addRow("years before, across a leap day")
            << QVariant("2023-12-09") << int(QMessageBox::Yes) << UpdateReminder::AskedYes
            << "2026-12-09";
        QTest::addRow("not a date")
            << QVariant("soon") << int(QMessageBox::No) << UpdateReminder::AskedNo << "2026-12-09";
        QTest::addRow("impossible date") << QVariant("2026-02-30") << int(QMessageBox::No)
                                         << UpdateReminder::AskedNo << "2026-12-09";
    }
    void updateReminder()
    {
        QFETCH(QVariant, stored);
        QFETCH(int, answer);
        QFETCH(UpdateReminder, outcome);
        QFETCH(QString, storedAfter);
        TestPlatform platform;
        if (answer)
            platform.answers << QMessageBox::StandardButton(answer);
        QTemporaryDir dir;
        const QString path = dir.filePath("Quarvel.conf");
        {
            QSettings settings(path, QSettings::IniFormat);
            if (stored.isValid())
                settings.setValue("LastUpdate", stored);
        }
        QSettings settings(path, QSettings::IniFormat);
        QCOMPARE(RunUpdateReminder(settings, nullptr), outcome);

        const bool asked = answer != 0;
        QCOMPARE(platform.messages.size(), asked ? 1 : 0);
        if (asked) {
            QCOMPARE(platform.messages[0].text, QString("Do You Wish To Update The Software ?"));
            QCOMPARE(platform.messages[0].icon, QMessageBox::Warning);
            QCOMPARE(platform.messages[0].buttons, QMessageBox::Yes | QMessageBox::No);
        }
        QCOMPARE(platform.urls, outcome == UpdateReminder::AskedYes
                                    ? QStringList{pageAddress(WebPage::Update)}
                                    : QStringList{});
        QCOMPARE(QSettings(path, QSettings::IniFormat).value("LastUpdate").toString(), storedAfter);
    }

    void unwritableSettingsNeverStopTheProgram()
    {
        TestPlatform platform;
        // A plain file where the settings folder should be: nothing can be stored below it,
        // not even by root.
        QTemporaryFile blocker;
        QVERIFY(blocker.open());
        const QString path = blocker.fileName() + "/sub/Quarvel.conf";
        QSettings settings(path, QSettings::IniFormat);
        QCOMPARE(RunUpdateReminder(settings, nullptr), UpdateReminder::StoredFirstDate);
        QCOMPARE(settings.status(), QSettings::AccessError);
        QVERIFY(!QFile::exists(path));
        QVERIFY(platform.messages.isEmpty());
    }

    void userSettingsLiveInTheConfigFolder()
    {
        QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
        TestPlatform platform;
        RunUpdateReminder(nullptr);
        QFile file(config.filePath("Quarvel/Quarvel.conf"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY2(text.contains("[General]") && text.contains("LastUpdate=2026-12-09"),
                 text.constData());
    }

    void oneInstanceAtATime()
    {
        QVERIFY(SingleInstance::lockPath().startsWith(m_runtime.path()));
        auto first = std::make_unique<SingleInstance>();
        QVERIFY(first->acquire());
        SingleInstance second;
        QVERIFY(!second.acquire());
        first.reset();
        SingleInstance third;
        QVERIFY(third.acquire());
    }

    void aLockLeftByADeadInstanceIsTakenOver()
    {
        QProcess gone;
        gone.start("true", {});
        QVERIFY(gone.waitForFinished());
        const qint64 deadPid = gone.processId() ? gone.processId() : 999999;
        QFile lock(SingleInstance::lockPath());
        QVERIFY(lock.open(QIODevice::WriteOnly | QIODevice::Truncate));
        lock.write(QByteArray::number(deadPid) + "\ntst_startup\n" +
                   QSysInfo::machineHostName().toUtf8() + "\n");
        lock.close();
        SingleInstance next;
        QVERIFY(next.acquire());
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
