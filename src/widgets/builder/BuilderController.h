#pragma once

#include "builder/Builder.h"

#include <QObject>

class ControlFrame;
class EditHistory;
class UserDialogs;
struct ProgramState;

// The builder buttons of the frame "Steuerung" and the record a click on a
// button picture makes. Paging the button field and opening the preview
// belong to other subsystems: the builder checks that they can run and asks
// for them.
class BuilderController : public QObject
{
    Q_OBJECT

public:
    BuilderController(ProgramState &state, UserDialogs &dialogs, ControlFrame &frame, EditHistory &history,
                      QObject *parent);

    void click(Builder builder);
    // A click on the button picture of `command`: its item is appended.
    void appendButtonItem(const QString &command);
    // The button picture of `command` dropped before the record `before`:
    // the item a click would append goes there.
    void insertButtonItem(const QString &command, int before);

signals:
    void nextBatchRequested();
    void previewRequested();

private:
    void clearMenu();
    void appendPageHeader();
    void appendFirstPageItem();
    void requestNextBatch();
    void requestPreview();

    ProgramState &m_state;
    UserDialogs &m_dialogs;
    ControlFrame &m_frame;
    EditHistory &m_history;
};
