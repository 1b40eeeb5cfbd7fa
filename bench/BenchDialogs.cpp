#include "BenchDialogs.h"

using namespace Qt::StringLiterals;

UserDialogs::Answer BenchDialogs::message(const QString &text, Icon, Buttons buttons, const QString &)
{
    m_messages.append(text);
    return buttons == Buttons::Ok ? Answer::Ok : Answer::Yes;
}

std::optional<QString> BenchDialogs::openFileName(const FileRequest &)
{
    return m_openPath.isEmpty() ? std::nullopt : std::optional<QString>(m_openPath);
}

std::optional<QString> BenchDialogs::saveFileName(const FileRequest &)
{
    return m_savePath.isEmpty() ? std::nullopt : std::optional<QString>(m_savePath);
}

QString BenchDialogs::unexpectedMessages(const QString &expected) const
{
    QStringList others;
    for (const QString &text : m_messages) {
        if (text != expected && !others.contains(text))
            others.append(text);
    }
    return others.isEmpty() ? QString() : u"unexpected message: "_s + others.join(u" / "_s);
}
