#include "library/DriveList.h"

#include "library/Drives.h"

DriveList::DriveList(QWidget *parent)
    : QComboBox(parent)
{
    connect(this, &QComboBox::activated, this, &DriveList::pick);
}

void DriveList::refresh(const QString &root)
{
    clear();
    for (const QString &drive : Drives::available())
        addItem(Drives::displayName(drive), drive);
    setDrive(root);
}

void DriveList::setDrive(const QString &root)
{
    int index = findData(root);
    if (index < 0 && !root.isEmpty()) {
        // The drive we stand on counts even where the system does not list it.
        addItem(Drives::displayName(root), root);
        index = count() - 1;
    }
    setCurrentIndex(index);
    m_drive = root;
}

void DriveList::pick(int index)
{
    const QString root = itemData(index).toString();
    // Shown as it was until the pick is accepted.
    setDrive(m_drive);
    emit drivePicked(root);
}
