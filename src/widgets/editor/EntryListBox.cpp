#include "editor/EntryListBox.h"

#include "editor/EntryListView.h"
#include "editor/FullHeightRows.h"
#include "editor/TypedKeyFilter.h"
#include "model/EntryListModel.h"

#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>

#include <limits>

EntryListBox::EntryListBox(EntryListModel *model, QWidget *parent)
    : QWidget(parent)
    , m_model(model)
    , m_edit(new QLineEdit(this))
    , m_list(new EntryListView(this))
{
    // Connected before the view sees the model, so this runs first: left to
    // itself the view would select a neighbour of a removed entry and put
    // that neighbour's text into the edit field.
    connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this, [this](const QModelIndex &, int first, int last) {
        const int current = currentRow();
        if (current >= first && current <= last)
            clearSelection();
    });
    // An entry of any length must survive a click and a Return unchanged.
    m_edit->setMaxLength(std::numeric_limits<int>::max());
    m_list->setModel(model);
    m_list->setUniformItemSizes(true);
    FullHeightRows::apply(m_list);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    // Like one control: the keys always go to the edit field, also right
    // after a click in the list, and the arrow keys there walk the list.
    m_list->setFocusPolicy(Qt::NoFocus);
    setFocusProxy(m_edit);

    auto *filter = new TypedKeyFilter(m_edit);
    connect(filter, &TypedKeyFilter::keyTyped, this, &EntryListBox::keyTyped);
    connect(filter, &TypedKeyFilter::keyReleased, this, &EntryListBox::keyReleased);
    connect(m_edit, &QLineEdit::textChanged, this, &EntryListBox::editTextChanged);
    connect(m_list, &EntryListView::entryDropped, this, &EntryListBox::entryDropped);
    connect(m_list, &EntryListView::buttonDropped, this, &EntryListBox::buttonDropped);
    connect(m_list, &QListView::clicked, this, [this](const QModelIndex &index) {
        m_edit->setFocus(Qt::MouseFocusReason);
        takeSelection(index.row());
    });
    connect(m_list->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid())
                    takeSelection(current.row());
            });
}

QListView *EntryListBox::listView() const
{
    return m_list;
}

QString EntryListBox::text() const
{
    return m_edit->text();
}

void EntryListBox::setText(const QString &text)
{
    m_edit->setText(text);
}

int EntryListBox::currentRow() const
{
    const QModelIndex current = m_list->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void EntryListBox::selectRow(int row)
{
    const QModelIndex index = m_model->index(row);
    m_list->setCurrentIndex(index);
    m_list->scrollTo(index);
    takeSelection(row);
}

void EntryListBox::clearSelection()
{
    m_list->selectionModel()->clear();
}

void EntryListBox::takeSelection(int row)
{
    if (row < 0 || row >= m_model->count())
        return;
    m_edit->setText(m_model->at(row));
    emit entrySelected(row);
}

void EntryListBox::keyPressEvent(QKeyEvent *event)
{
    // The edit field leaves these keys to us.
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: QCoreApplication::sendEvent(m_list, event); break;
    default: QWidget::keyPressEvent(event);
    }
}

void EntryListBox::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int editHeight = m_edit->sizeHint().height();
    m_edit->setGeometry(0, 0, width(), editHeight);
    m_list->setGeometry(0, editHeight, width(), height() - editHeight);
}
