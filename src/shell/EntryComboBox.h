#pragma once

#include <QComboBox>

class EntryListModel;

// An edit field with a drop-down list: the vocabulary. It never inserts,
// completes or reorders by itself; what is typed stays as typed.
class EntryComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit EntryComboBox(EntryListModel *model, QWidget *parent = nullptr);

    QString text() const { return currentText(); }
    void setText(const QString &text) { setEditText(text); }
    int currentRow() const { return currentIndex(); }
    void selectRow(int row);

signals:
    void entrySelected(int row);
    void keyTyped(QChar character);
    void keyReleased();
};
