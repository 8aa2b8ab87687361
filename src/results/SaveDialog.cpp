#include "SaveDialog.h"

#include "Platform.h"

#include <QDir>
#include <QFileInfo>

SaveDialog::SaveDialog(QWidget* parent) : QFileDialog(parent, applicationTitle)
{
    setObjectName("CD");
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    setNameFilter(tr("Rich Text Format (*.rtf)"));
    setDefaultSuffix("rtf");
    selectFile(QString());
}

void SaveDialog::accept()
{
    const QStringList files = selectedFiles();
    if (!files.isEmpty()) {
        const QFileInfo target(files.first());
        if (!target.isDir() && !target.absoluteDir().exists()) {
            platform().message(
                this, QMessageBox::Warning,
                tr("%1\nThe folder %2 does not exist.\nCheck the path and try "
                   "again.")
                    .arg(target.fileName(), QDir::toNativeSeparators(target.absolutePath())),
                QMessageBox::Ok);
            return;
        }
    }
    if (!files.isEmpty() && isReadOnlyFile(files.first())) {
        platform().message(this, QMessageBox::Warning,
                           tr("%1\nThis file is set read-only.\nTry again with a different file "
                              "name.")
                               .arg(QFileInfo(files.first()).fileName()),
                           QMessageBox::Ok);
        return;
    }
    QFileDialog::accept();
}

bool isReadOnlyFile(const QString& path)
{
    const QFileInfo info(path);
    // The permission bits, not access(): as root every file would count as writable.
    return info.exists() && info.isFile() && !(info.permissions() & QFileDevice::WriteOwner);
}
