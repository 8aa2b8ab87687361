// What happens before the main window first shows: refusing a second instance and the
// occasional reminder to look for an update.
#pragma once

#include <QDate>
#include <QString>
#include <memory>

class QLockFile;
class QSettings;
class QWidget;

// Holds the lock that marks this instance as the running one for as long as it lives.
class SingleInstance
{
public:
    SingleInstance();
    ~SingleInstance();
    // True when no other instance runs; a lock left by a crashed instance does not count.
    bool acquire();
    static QString lockPath();

private:
    std::unique_ptr<QLockFile> m_lock;
};

enum class UpdateReminder
{
    StoredFirstDate,
    NotDue,
    AskedYes,
    AskedNo
};

// Reads LastUpdate and asks about an update when 15 days or more separate it from today,
// either way. A settings store that cannot be read or written never stops the program.
UpdateReminder RunUpdateReminder(QSettings& settings, QWidget* parent);
// The same on the user's own settings.
UpdateReminder RunUpdateReminder(QWidget* parent);
