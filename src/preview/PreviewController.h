#pragma once

#include <QObject>
#include <QPointer>

class MainWindow;
class PreviewWindow;

// Opens, closes and owns the one preview window.
class PreviewController : public QObject
{
    Q_OBJECT

public:
    explicit PreviewController(MainWindow &window);

    // "&Menü Zeigen" once its checks passed: shows the preview, or brings
    // an open one to the front without drawing it again.
    void showPreview();
    // Every closing the other subsystems ask for goes through here.
    void closePreview();

    // The open preview, or null.
    PreviewWindow *previewWindow() const;

private:
    MainWindow &m_window;
    QPointer<PreviewWindow> m_preview;
};
