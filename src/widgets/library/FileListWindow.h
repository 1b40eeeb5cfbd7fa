#pragma once

#include <QDialog>

class QListWidget;

// frmQDBilder: shows the files of the button folder before the buttons are
// made, to confirm ("OK") or abandon ("Abbruch") the load. Closing it with
// the close box does neither. It deletes itself when closed.
class FileListWindow : public QDialog
{
    Q_OBJECT

public:
    FileListWindow(const QStringList &names, QWidget *owner);

    QStringList names() const;

    // "OK": the listed names become buttons.
    void acceptFiles();
    // "Abbruch": nothing is loaded.
    void rejectFiles();

signals:
    void filesAccepted(const QStringList &names);
    void filesRejected();

private:
    QListWidget *m_fileList;
};
