#include "preview/PageOpenerIndex.h"

#include "preview/PreviewRenderer.h"

#include <QAbstractItemModel>

#include <algorithm>

PageOpenerIndex::PageOpenerIndex(const QAbstractItemModel &records, QObject *parent)
    : QObject(parent)
{
    connect(&records, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex &, int first) { forgetFrom(first); });
    connect(&records, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex &, int first) { forgetFrom(first); });
    connect(&records, &QAbstractItemModel::rowsMoved, this,
            [this](const QModelIndex &, int start, int, const QModelIndex &, int row) {
                forgetFrom(std::min(start, row));
            });
    connect(&records, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &topLeft) { forgetFrom(topLeft.row()); });
    connect(&records, &QAbstractItemModel::modelReset, this, [this] { forgetFrom(0); });
    connect(&records, &QAbstractItemModel::layoutChanged, this, [this] { forgetFrom(0); });
}

std::array<qsizetype, PageOpenerIndex::HighestPage + 1> PageOpenerIndex::filledWithNone()
{
    std::array<qsizetype, HighestPage + 1> none{};
    none.fill(-1);
    return none;
}

qsizetype PageOpenerIndex::firstOpener(const QStringList &records, int atLeast)
{
    // A page is numbered 1 or higher, and never higher than two digits go.
    const int wanted = std::max(atLeast, 1);
    if (wanted > HighestPage)
        return -1;
    // A list that shrank without a word is read again.
    if (m_read > records.size())
        forgetFrom(0);
    while (m_first.at(std::size_t(wanted)) < 0 && m_read < records.size()) {
        const qsizetype index = m_read++;
        const QString &record = records.at(index);
        const int page = PreviewRenderer::pageNumber(record);
        if (!PreviewRenderer::opensPage(record, page))
            continue;
        // The table rises with the page number: a page that is first for n
        // is first for every lower number not yet found.
        for (int n = std::min(page, HighestPage); n >= 1 && m_first.at(std::size_t(n)) < 0; --n)
            m_first.at(std::size_t(n)) = index;
    }
    return m_first.at(std::size_t(wanted));
}

void PageOpenerIndex::forgetFrom(qsizetype row)
{
    const qsizetype kept = std::max<qsizetype>(row, 1);
    if (m_read <= kept)
        return;
    m_read = kept;
    for (qsizetype &first : m_first) {
        if (first >= kept)
            first = -1;
    }
}
