#pragma once

#include "dialogs/UserDialogs.h"

#include <QStringList>

// The dialogs of a screenshot tour: nobody is there to answer, so every box
// is written down and answered No, every file dialog cancelled. A tour that
// meets a box it did not expect has gone wrong.
class TourDialogs : public UserDialogs
{
public:
    Answer message(const QString &text, Icon icon, Buttons buttons, const QString &title = {}) override;
    std::optional<QString> openFileName(const FileRequest &request) override;
    std::optional<QString> saveFileName(const FileRequest &request) override;

    QStringList shown;
};
