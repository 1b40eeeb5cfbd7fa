#include "editor/EntryComboBox.h"

#include "editor/FullHeightRows.h"
#include "editor/TypedKeyFilter.h"
#include "model/EntryListModel.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QListView>

#include <limits>

using namespace Qt::StringLiterals;

EntryComboBox::EntryComboBox(EntryListModel *model, QWidget *parent)
    : QComboBox(parent)
{
    setEditable(true);
    // Dropped before the model comes: the completer the edit field got
    // would otherwise be handed the model too, only to be thrown away.
    setCompleter(nullptr);
    // Connected before the combo box sees the model, so this runs first:
    // left to itself it would select a neighbour of a removed entry and put
    // that neighbour's text into the edit field.
    connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this, [this](const QModelIndex &, int first, int last) {
        if (currentIndex() >= first && currentIndex() <= last)
            setCurrentIndex(-1);
    });
    setModel(model);
    setInsertPolicy(QComboBox::NoInsert);
    setDuplicatesEnabled(true);
    // An entry of any length must survive a click and a Return unchanged.
    lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    // With a placeholder the combo box no longer selects the first entry
    // that lands in an empty list; a blank one is never seen, the edit
    // field covers it.
    setPlaceholderText(u" "_s);
    // When the edit field loses the focus or takes a Return, the combo box
    // would select the first entry equal to its text and report that as the
    // user's choice; only a real choice may steer the next Return.
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMaxVisibleItems(8);
    if (auto *view = qobject_cast<QListView *>(this->view()))
        view->setUniformItemSizes(true);
    FullHeightRows::apply(view());

    // A person's keys reach the combo box, which hands them to its edit
    // field directly; keys sent to the edit field itself take the same road.
    lineEdit()->installEventFilter(this);
    auto *filter = new TypedKeyFilter(this);
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

bool EntryComboBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lineEdit() && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        QCoreApplication::sendEvent(this, event);
        // That delivery went up to the parents already; accepting ends this one.
        event->accept();
        return true;
    }
    return QComboBox::eventFilter(watched, event);
}
