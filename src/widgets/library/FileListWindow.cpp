#include "library/FileListWindow.h"

#include "common/Fonts.h"
#include "common/Twips.h"

#include <QListWidget>
#include <QPushButton>

using namespace Qt::StringLiterals;

FileListWindow::FileListWindow(const QStringList &names, QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                         | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_fileList(new QListWidget(this))
{
    setObjectName(u"frmQDBilder"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    if (owner)
        setWindowIcon(owner->windowIcon());
    setFixedSize(Twips::size(2505, 3810));

    m_fileList->setObjectName(u"FileList"_s);
    m_fileList->setGeometry(Twips::rect(0, 0, 2535, 3210));
    m_fileList->setUniformItemSizes(true);
    m_fileList->addItems(names);

    struct Command
    {
        const char16_t *name;
        QString text;
        int left;
        void (FileListWindow::*slot)();
    };
    // Listed in tab order: "Abbruch", "OK", then the list.
    const Command commands[] = {
        {u"cmdFileList_1", u"Abbruch"_s, 120, &FileListWindow::rejectFiles},
        {u"cmdFileList_0", u"OK"_s, 1320, &FileListWindow::acceptFiles},
    };
    QWidget *previous = nullptr;
    for (const Command &command : commands) {
        auto *button = new QPushButton(command.text, this);
        button->setObjectName(QString::fromUtf16(command.name));
        button->setGeometry(Twips::rect(command.left, 3360, 1095, 375));
        button->setFont(Fonts::system());
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, command.slot);
        if (previous)
            setTabOrder(previous, button);
        previous = button;
    }
    setTabOrder(previous, m_fileList);
}

QStringList FileListWindow::names() const
{
    QStringList names;
    names.reserve(m_fileList->count());
    for (int row = 0; row < m_fileList->count(); ++row)
        names << m_fileList->item(row)->text();
    return names;
}

void FileListWindow::acceptFiles()
{
    emit filesAccepted(names());
    close();
}

void FileListWindow::rejectFiles()
{
    emit filesRejected();
    close();
}
