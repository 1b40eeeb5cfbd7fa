#pragma once

#include <QObject>
#include <QStringList>

#include <array>

class QAbstractItemModel;

// Where the pages of a record list open, so that a page turn deep in a long
// menu need not read the list from its start. Filled as far as the pages
// asked for so far needed, and forgotten from the first changed record on.
class PageOpenerIndex : public QObject
{
    Q_OBJECT

public:
    // Follows the changes of `records`, the model whose entries are asked about.
    explicit PageOpenerIndex(const QAbstractItemModel &records, QObject *parent = nullptr);
    // Without a model: for one list that stays as it is.
    PageOpenerIndex() = default;

    // The first record, from the second one on, that opens a page numbered
    // `atLeast` or higher; -1 when there is none.
    qsizetype firstOpener(const QStringList &records, int atLeast);

    // The records from `row` on may differ from those read.
    void forgetFrom(qsizetype row);

private:
    // The device reads two digits of a page number.
    static constexpr int HighestPage = 99;

    // Records 1 … m_read - 1 were read; m_first[n] is the first of them that
    // opens a page numbered n or higher, -1 when none does.
    qsizetype m_read = 1;
    std::array<qsizetype, HighestPage + 1> m_first = filledWithNone();

    static std::array<qsizetype, HighestPage + 1> filledWithNone();
};
