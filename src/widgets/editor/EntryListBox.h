#pragma once

#include <QWidget>

class EntryListModel;
class EntryListView;
class QLineEdit;
class QListView;

// An edit field above a list that is always open: the record list. A click
// on an entry puts its text into the edit field. Typed keys are reported
// before the edit field sees them, drops on the list as they land.
class EntryListBox : public QWidget
{
    Q_OBJECT

public:
    explicit EntryListBox(EntryListModel *model, QWidget *parent = nullptr);

    QLineEdit *lineEdit() const { return m_edit; }
    QListView *listView() const;
    QString text() const;
    void setText(const QString &text);

    // The list's selected position, -1 when none.
    int currentRow() const;
    // Selects an entry as a click would: the edit field shows it and
    // entrySelected is emitted.
    void selectRow(int row);
    // No entry selected any more; the edit field keeps its text.
    void clearSelection();

signals:
    void entrySelected(int row);
    void keyTyped(QChar character);
    void keyReleased();
    void editTextChanged(const QString &text);
    void entryDropped(int row, int before);
    void buttonDropped(const QString &command, int before);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void takeSelection(int row);

    EntryListModel *m_model;
    QLineEdit *m_edit;
    EntryListView *m_list;
};
