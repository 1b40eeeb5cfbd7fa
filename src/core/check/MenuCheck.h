#pragma once

#include "check/CheckFinding.h"

#include <QList>
#include <QStringList>

// Everything in a menu that the device cannot use or that is probably not
// meant, line by line, before the file reaches the device. It reads the
// records as the preview does; the button files (empty: no folder loaded)
// and the vocabulary only add the checks of pictures and captions.
class MenuCheck
{
public:
    // Sorted by line; findings of one line in the order they were found.
    static QList<CheckFinding> run(const QStringList &records, const QStringList &buttonFiles,
                                   const QStringList &vocabulary);

    static bool hasErrors(const QList<CheckFinding> &findings);
};
