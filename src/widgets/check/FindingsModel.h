#pragma once

#include "check/CheckFinding.h"

#include <QAbstractTableModel>
#include <QList>

// The findings of the menu checker as rows of severity, line and text; when
// none of them is an error, a last row says so.
class FindingsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { SeverityColumn, LineColumn, TextColumn, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    void setFindings(QList<CheckFinding> findings);
    const QList<CheckFinding> &findings() const { return m_findings; }

    // The record a row points at (0-based), -1 for none.
    int recordRow(int row) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<CheckFinding> m_findings;
    bool m_noErrors = true;
};
