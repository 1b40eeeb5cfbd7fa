#pragma once

#include "dialogs/UserDialogs.h"

#include <QPointer>
#include <QStringList>

class QWidget;

// The dialogs a person sees: QMessageBox and QFileDialog over the main window.
class QtUserDialogs : public UserDialogs
{
public:
    explicit QtUserDialogs(QWidget *parent = nullptr);

    void setParent(QWidget *parent) { m_parent = parent; }

    Answer message(const QString &text, Icon icon, Buttons buttons, const QString &title = {}) override;
    std::optional<QString> openFileName(const FileRequest &request) override;
    std::optional<QString> saveFileName(const FileRequest &request) override;
    std::optional<QString> folderName(const QString &title) override;

    // "Dateien (*.mnu)|*.mnu|Alle Dateien (*.*)|*.*" as Qt's name filters.
    static QStringList nameFilters(const QString &barSeparatedFilter);

private:
    std::optional<QString> runFileDialog(const FileRequest &request, bool save);

    QPointer<QWidget> m_parent;
};
