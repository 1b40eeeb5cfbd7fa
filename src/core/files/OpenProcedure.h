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

    // The dialog, starting in `rememberedDirectory`, then open() on its choice.
    Result run(const QString &rememberedDirectory);
    // Reads the file at `path` as the dialog's choice is read.
    Result open(const QString &path);

private:
    UserDialogs &m_dialogs;
};
