#pragma once

#include "overview/OverviewPages.h"

#include <QTimer>
#include <QWidget>

class PageGridView;
class QAbstractItemModel;
class QLabel;
class QPushButton;
struct ProgramState;

// frmQDUebersicht, "Menü-Übersicht": every page of the record list at a
// glance, kept up to date while the list changes.
class OverviewWindow : public QWidget
{
    Q_OBJECT

public:
    OverviewWindow(const ProgramState &state, QWidget *parent);

    OverviewPages &pages() { return m_pages; }
    PageGridView *view() const { return m_view; }

signals:
    void recordClicked(int row);
    void imagesRequested();
    void pdfRequested();

private:
    void createControls();
    enum class Source { Records, Vocabulary, ButtonFiles };
    void follow(const QAbstractItemModel &model, Source source);
    void scheduleRefresh();
    void refresh();

    OverviewPages m_pages;
    // Runs once the event loop comes round.
    QTimer m_refreshTimer;

    PageGridView *m_view = nullptr;
    QLabel *m_noPage = nullptr;
    QPushButton *m_imagesButton = nullptr;
    QPushButton *m_pdfButton = nullptr;
};
