#include "Startup.h"

#include "Platform.h"
#include "modRegistry.h"

#include <QDir>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>

SingleInstance::SingleInstance() = default;
SingleInstance::~SingleInstance() = default;

QString SingleInstance::lockPath()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return dir + "/quarvel.lock";
}

bool SingleInstance::acquire()
{
    m_lock = std::make_unique<QLockFile>(lockPath());
    if (m_lock->tryLock(0))
        return true;
    // A directory we cannot write to must not keep the program from starting at all.
    return m_lock->error() != QLockFile::LockFailedError;
}

namespace {
const QString lastUpdateKey = QStringLiteral("LastUpdate");
constexpr qint64 reminderDays = 15;
} // namespace

UpdateReminder RunUpdateReminder(QSettings& settings, QWidget* parent)
{
    const QDate today = platform().today();
    const QString stored = settings.value(lastUpdateKey).toString().trimmed();
    if (stored.isEmpty()) {
        settings.setValue(lastUpdateKey, today.toString(Qt::ISODate));
        settings.sync();
        return UpdateReminder::StoredFirstDate;
    }

    // A value that is not a date counts as long past.
    const QDate last = QDate::fromString(stored, Qt::ISODate);
    if (last.isValid() && qAbs(last.daysTo(today)) < reminderDays)
        return UpdateReminder::NotDue;

    const auto answer =
        platform().message(parent, QMessageBox::Warning, "Do You Wish To Update The Software ?",
                           QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes)
        OpenWebPage(pageAddress(WebPage::Update));
    settings.setValue(lastUpdateKey, today.toString(Qt::ISODate));
    settings.sync();
    return answer == QMessageBox::Yes ? UpdateReminder::AskedYes : UpdateReminder::AskedNo;
}

UpdateReminder RunUpdateReminder(QWidget* parent)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Quarvel", "Quarvel");
    return RunUpdateReminder(settings, parent);
}
