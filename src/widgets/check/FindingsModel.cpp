#include "check/FindingsModel.h"

#include "check/MenuCheck.h"

#include <QApplication>
#include <QStyle>

using namespace Qt::StringLiterals;

void FindingsModel::setFindings(QList<CheckFinding> findings)
{
    beginResetModel();
    m_findings = std::move(findings);
    m_noErrors = !MenuCheck::hasErrors(m_findings);
    endResetModel();
}

int FindingsModel::recordRow(int row) const
{
    if (row < 0 || row >= m_findings.size() || m_findings.at(row).line < 1)
        return -1;
    return int(m_findings.at(row).line - 1);
}

int FindingsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_findings.size()) + (m_noErrors ? 1 : 0);
}

int FindingsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

namespace {

QVariant noErrorsData(int column, int role)
{
    if (role == Qt::DisplayRole && column == FindingsModel::TextColumn)
        return u"Keine Fehler gefunden."_s;
    if (role == Qt::DecorationRole && column == FindingsModel::SeverityColumn)
        return QApplication::style()->standardIcon(QStyle::SP_DialogApplyButton);
    return {};
}

QVariant findingData(const CheckFinding &finding, int column, int role)
{
    const bool error = finding.severity == CheckFinding::Severity::Error;
    switch (column) {
    case FindingsModel::SeverityColumn:
        if (role == Qt::DisplayRole)
            return error ? u"Fehler"_s : u"Warnung"_s;
        if (role == Qt::DecorationRole)
            return QApplication::style()->standardIcon(error ? QStyle::SP_MessageBoxCritical
                                                             : QStyle::SP_MessageBoxWarning);
        break;
    case FindingsModel::LineColumn:
        if (role == Qt::DisplayRole && finding.line > 0)
            return QString::number(finding.line);
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        break;
    case FindingsModel::TextColumn:
        if (role == Qt::DisplayRole)
            return finding.text;
        break;
    default: break;
    }
    return {};
}

} // namespace

QVariant FindingsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (index.row() >= m_findings.size())
        return noErrorsData(index.column(), role);
    return findingData(m_findings.at(index.row()), index.column(), role);
}

QVariant FindingsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case SeverityColumn: return u"Art"_s;
    case LineColumn: return u"Zeile"_s;
    case TextColumn: return u"Meldung"_s;
    default: return {};
    }
}
