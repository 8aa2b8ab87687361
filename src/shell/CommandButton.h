// The main window's command buttons that are never seen: they hold the actions that the
// picture buttons run, and answer to the access key in their caption ("&Next >>" answers to
// Alt+N). A caption without "&" has no access key.
#pragma once

#include <QKeySequence>
#include <QObject>
#include <QString>

class QShortcut;
class QWidget;

class CommandButton : public QObject
{
    Q_OBJECT

public:
    CommandButton(const QString& name, const QString& caption, QWidget* window);

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    // The access key sequence, empty when the caption has none.
    QKeySequence accessKey() const;
    void setAccessKeyEnabled(bool enabled);
    void click() { emit clicked(); }

signals:
    void clicked();

private:
    QString m_caption;
    QShortcut* m_shortcut;
    bool m_accessKeyEnabled = true;
};
