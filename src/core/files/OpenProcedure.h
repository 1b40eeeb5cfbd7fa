#pragma once

#include "dialogs/UserDialogs.h"

#include <QStringList>

#include <optional>

// Choosing a menu file in the open dialog and reading it whole. It touches
// no list: the caller replaces its list only when entries come back.
class OpenProcedure
{
public:
    struct Result
    {
        std::optional<QStringList> entries;         // a file was chosen and read completely
        QString path;                               // that file
        std::optional<QString> rememberedDirectory; // the next open dialog starts here; nothing: keep the old
    };

    explicit OpenProcedure(UserDialogs &dialogs);

    Result run(const QString &rememberedDirectory);

private:
    UserDialogs &m_dialogs;
};
