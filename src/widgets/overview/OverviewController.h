#pragma once

#include <QObject>
#include <QPointer>

class OverviewWindow;
class QWidget;
class UserDialogs;
struct ProgramState;

// Opens, closes and owns the one overview window, and keeps its pages as
// pictures or as a PDF through the dialog seam.
class OverviewController : public QObject
{
    Q_OBJECT

public:
    OverviewController(const ProgramState &state, UserDialogs &dialogs, QWidget *owner, QObject *parent);

    // "Menü-Ü&bersicht": shows the overview, or brings an open one to the front.
    void showOverview();
    void closeOverview();

    // The open overview, or null.
    OverviewWindow *overviewWindow() const;

    // "Als Bilder speichern…" and "Als PDF speichern…" of the open overview.
    void saveImages();
    void savePdf();

signals:
    // A click on a place of the overview: the record it was drawn from.
    void recordChosen(int row);

private:
    const ProgramState &m_state;
    UserDialogs &m_dialogs;
    QWidget *m_owner;
    QPointer<OverviewWindow> m_overview;
};
