#pragma once

#include "overview/OverviewPages.h"

#include <QObject>
#include <QPointer>

class OverviewWindow;
class QAbstractItemModel;
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
    enum class Source { Records, Vocabulary, ButtonFiles };
    void follow(const QAbstractItemModel &model, Source source);

    const ProgramState &m_state;
    UserDialogs &m_dialogs;
    QWidget *m_owner;
    // Kept while the window is closed: opened again on the same list, the
    // overview neither searches a long list for its pages nor draws them
    // anew.
    OverviewPages m_pages;
    QPointer<OverviewWindow> m_overview;
};
