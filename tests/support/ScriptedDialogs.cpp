#include "ScriptedDialogs.h"

#include <QDir>

UserDialogs::Answer ScriptedDialogs::message(const QString &text, Icon icon, Buttons buttons, const QString &title)
{
    shown.append({Kind::Message, text, title, icon, buttons, {}, 0, {}, {}});
    if (buttons == Buttons::Ok) {
        if (!m_answers.isEmpty() && m_answers.head() == Answer::Ok)
            m_answers.dequeue();
        return Answer::Ok;
    }
    if (m_answers.isEmpty()) {
        ++unexpected;
        return Answer::No;
    }
    return m_answers.dequeue();
}

std::optional<QString> ScriptedDialogs::openFileName(const FileRequest &request)
{
    return file(Kind::OpenFile, request);
}

std::optional<QString> ScriptedDialogs::saveFileName(const FileRequest &request)
{
    return file(Kind::SaveFile, request);
}

std::optional<QString> ScriptedDialogs::folderName(const QString &title)
{
    return file(Kind::Folder, {.title = title, .filter = {}, .filterIndex = 0, .proposedPath = {}});
}

std::optional<QString> ScriptedDialogs::file(Kind kind, const FileRequest &request)
{
    shown.append({kind,
                  {},
                  request.title,
                  Icon::None,
                  Buttons::Ok,
                  request.filter,
                  request.filterIndex,
                  QDir::currentPath(),
                  request.proposedPath});
    if (m_files.isEmpty()) {
        ++unexpected;
        return std::nullopt;
    }
    return m_files.dequeue();
}

QStringList ScriptedDialogs::messages() const
{
    QStringList texts;
    for (const Shown &box : shown) {
        if (box.kind == Kind::Message)
            texts << box.text;
    }
    return texts;
}
