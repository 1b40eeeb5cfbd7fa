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

QVariant FindingsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (index.row() >= m_findings.size()) {
        if (role == Qt::DisplayRole && index.column() == TextColumn)
            return u"Keine Fehler gefunden."_s;
        if (role == Qt::DecorationRole && index.column() == SeverityColumn)
            return QApplication::style()->standardIcon(QStyle::SP_DialogApplyButton);
        return {};
    }
    const CheckFinding &finding = m_findings.at(index.row());
    const bool error = finding.severity == CheckFinding::Severity::Error;
    switch (index.column()) {
    case SeverityColumn:
        if (role == Qt::DisplayRole)
            return error ? u"Fehler"_s : u"Warnung"_s;
        if (role == Qt::DecorationRole)
            return QApplication::style()->standardIcon(error ? QStyle::SP_MessageBoxCritical
                                                             : QStyle::SP_MessageBoxWarning);
        break;
    case LineColumn:
        if (role == Qt::DisplayRole && finding.line > 0)
            return QString::number(finding.line);
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        break;
    case TextColumn:
        if (role == Qt::DisplayRole)
            return finding.text;
        break;
    default: break;
    }
    return {};
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
