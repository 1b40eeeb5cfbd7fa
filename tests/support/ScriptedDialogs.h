#pragma once

#include "dialogs/UserDialogs.h"

#include <QList>
#include <QQueue>

// The tests' stand-in for the dialogs: records every box and dialog and
// answers from queues. A box or dialog nobody scripted an answer for counts
// as unexpected, answers No (or Ok) and cancels file dialogs.
class ScriptedDialogs : public UserDialogs
{
public:
    enum class Kind { Message, OpenFile, SaveFile, Folder };

    struct Shown
    {
        Kind kind;
        QString text;  // message text; empty for file dialogs
        QString title; // as the caller gave it (empty = application title)
        Icon icon = Icon::None;
        Buttons buttons = Buttons::Ok;
        QString filter;
        int filterIndex = 0;
        QString currentDirectory; // the current directory when a file dialog opened
        QString proposedPath;     // the file a save dialog proposed; empty = none
    };

    Answer message(const QString &text, Icon icon, Buttons buttons, const QString &title = {}) override;
    std::optional<QString> openFileName(const FileRequest &request) override;
    std::optional<QString> saveFileName(const FileRequest &request) override;
    std::optional<QString> folderName(const QString &title) override;

    // Scripting. A folder is chosen like a file.
    void answer(Answer answer) { m_answers.enqueue(answer); }
    void chooseFile(const QString &path) { m_files.enqueue(path); }
    void cancelFileDialog() { m_files.enqueue(std::nullopt); }

    QList<Shown> shown;
    int unexpected = 0;

    // The message texts shown so far, in order.
    QStringList messages() const;
    bool allAnswersUsed() const { return m_answers.isEmpty() && m_files.isEmpty(); }

private:
    std::optional<QString> file(Kind kind, const FileRequest &request);

    QQueue<Answer> m_answers;
    QQueue<std::optional<QString>> m_files;
};
