#pragma once

#include "check/FindingsModel.h"

#include <QWidget>

class QTreeView;

// "Menü prüfen": what the menu checker found, a row a finding. A
// double-click on a row asks for its record.
class CheckWindow : public QWidget
{
    Q_OBJECT

public:
    explicit CheckWindow(QWidget *parent = nullptr);

    void showFindings(QList<CheckFinding> findings);

    FindingsModel &model() { return m_model; }
    QTreeView *view() const { return m_view; }

signals:
    void recordChosen(int row);

private:
    FindingsModel m_model;
    QTreeView *m_view = nullptr;
};
