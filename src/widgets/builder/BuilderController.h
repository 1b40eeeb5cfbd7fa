#pragma once

#include "builder/Builder.h"

#include <QObject>

class ControlFrame;
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
    BuilderController(ProgramState &state, UserDialogs &dialogs, ControlFrame &frame, QObject *parent);

    void click(Builder builder);
    // A click on the button picture of `command`: its item is appended.
    void appendButtonItem(const QString &command);

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
};
