#pragma once

#include <QAbstractItemModel>

// Every way a list model reports a change of its entries, to one slot:
// whoever follows a list must not miss a move or a reset.
template<typename Receiver, typename Slot>
void connectAnyChange(const QAbstractItemModel &model, const Receiver *receiver, Slot slot)
{
    QObject::connect(&model, &QAbstractItemModel::rowsInserted, receiver, slot);
    QObject::connect(&model, &QAbstractItemModel::rowsRemoved, receiver, slot);
    QObject::connect(&model, &QAbstractItemModel::rowsMoved, receiver, slot);
    QObject::connect(&model, &QAbstractItemModel::dataChanged, receiver, slot);
    QObject::connect(&model, &QAbstractItemModel::modelReset, receiver, slot);
    QObject::connect(&model, &QAbstractItemModel::layoutChanged, receiver, slot);
}
