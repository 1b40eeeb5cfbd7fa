#pragma once

#include <QComboBox>

// Drive1: the drives to choose from. Reports a drive the user picked; the
// pick is taken back when the drive turns out not to be usable.
class DriveList : public QComboBox
{
    Q_OBJECT

public:
    explicit DriveList(QWidget *parent = nullptr);

    // Reads the drives afresh and shows `root` as the chosen one.
    void refresh(const QString &root);
    // The drive shown, as a root path ("C:/", "/").
    QString drive() const { return m_drive; }
    // Shows `root` as chosen; nothing is reported.
    void setDrive(const QString &root);

signals:
    void drivePicked(const QString &root);

private:
    void pick(int index);

    QString m_drive;
};
