#include "CommandButton.h"

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

CommandButton::CommandButton(const QString& name, const QString& caption, QWidget* window)
    : QObject(window), m_shortcut(new QShortcut(window))
{
    setObjectName(name);
    m_shortcut->setContext(Qt::WindowShortcut);
    m_shortcut->setAutoRepeat(false);
    connect(m_shortcut, &QShortcut::activated, this, &CommandButton::click);
    setCaption(caption);
}

void CommandButton::setCaption(const QString& caption)
{
    m_caption = caption;
    const QKeySequence key = QKeySequence::mnemonic(caption);
    m_shortcut->setKey(key);
    m_shortcut->setEnabled(m_accessKeyEnabled && !key.isEmpty());
}

void CommandButton::setAccessKeyEnabled(bool enabled)
{
    m_accessKeyEnabled = enabled;
    setCaption(m_caption);
}

QKeySequence CommandButton::accessKey() const
{
    return m_shortcut->key();
}
