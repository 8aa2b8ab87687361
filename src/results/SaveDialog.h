// The save dialog for the report: one file type, the .rtf suffix added to a bare name,
// confirmation before replacing a file, and neither a read-only file nor a folder that does
// not exist accepted as the target.
#pragma once

#include <QFileDialog>

class SaveDialog : public QFileDialog
{
    Q_OBJECT

public:
    explicit SaveDialog(QWidget* parent = nullptr);

    void accept() override;
};

// True when path names an existing file that the user has marked read-only.
bool isReadOnlyFile(const QString& path);
