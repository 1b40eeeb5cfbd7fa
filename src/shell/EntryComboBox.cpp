#include "shell/EntryComboBox.h"

#include "model/EntryListModel.h"
#include "shell/TypedKeyFilter.h"

#include <QLineEdit>
#include <QListView>

EntryComboBox::EntryComboBox(EntryListModel *model, QWidget *parent)
    : QComboBox(parent)
{
    setEditable(true);
    setModel(model);
    setInsertPolicy(QComboBox::NoInsert);
    // Without duplicates, Return on a text that equals an entry would
    // select that entry behind the editor's back.
    setDuplicatesEnabled(true);
    setCompleter(nullptr);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMaxVisibleItems(8);
    if (auto *view = qobject_cast<QListView *>(this->view()))
        view->setUniformItemSizes(true);

    auto *filter = new TypedKeyFilter(lineEdit());
    connect(filter, &TypedKeyFilter::keyTyped, this, &EntryComboBox::keyTyped);
    connect(filter, &TypedKeyFilter::keyReleased, this, &EntryComboBox::keyReleased);
    connect(this, &QComboBox::activated, this, &EntryComboBox::entrySelected);
    // A reset model would otherwise put its first line into the edit field.
    connect(model, &QAbstractItemModel::modelReset, this, [this] {
        setCurrentIndex(-1);
        setEditText(QString());
    });
}

void EntryComboBox::selectRow(int row)
{
    setCurrentIndex(row);
    emit entrySelected(row);
}
