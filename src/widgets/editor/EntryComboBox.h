#pragma once

#include <QComboBox>

class EntryListModel;

// An edit field with a drop-down list: the vocabulary. It never inserts,
// completes, reorders or selects by itself; what is typed stays as typed.
// Typed keys are reported before the edit field sees them.
class EntryComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit EntryComboBox(EntryListModel *model, QWidget *parent = nullptr);

    QString text() const { return currentText(); }
    void setText(const QString &text) { setEditText(text); }
    int currentRow() const { return currentIndex(); }
    void selectRow(int row);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    void entrySelected(int row);
    void keyTyped(QChar character);
    void keyReleased();
};
