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

    // The one handler of cmdFileList(index): 0 is "OK", 1 "Abbruch".
    void click(int index);

signals:
    void confirmed(const QStringList &names);
    void abandoned();

private:
    QListWidget *m_fileList;
};
