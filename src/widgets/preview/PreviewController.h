#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

class PageOpenerIndex;
class PreviewWindow;
struct ProgramState;

// Opens, closes and owns the one preview window.
class PreviewController : public QObject
{
    Q_OBJECT

public:
    // The preview draws from `state` and opens over `owner`.
    PreviewController(const ProgramState &state, QWidget *owner, QObject *parent);

    // "&Menü Zeigen" once its checks passed: shows the preview, or brings
    // an open one to the front without drawing it again.
    void showPreview();
    // Every closing the other subsystems ask for goes through here.
    void closePreview();

    // The open preview, or null.
    PreviewWindow *previewWindow() const;

private:
    const ProgramState &m_state;
    QWidget *m_owner;
    // Outlives the windows: what one window read of a long menu serves the next.
    PageOpenerIndex *m_openers;
    QPointer<PreviewWindow> m_preview;
};
