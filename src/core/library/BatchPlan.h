#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// What one step of "&Start/Weiter" shows: the members of a batch in the
// order they appear, each with its place in the grid, its picture, tooltip
// and caption. The button field only applies it.
struct BatchPlan
{
    struct Member
    {
        // Counted from 1, as the numbers on the buttons are.
        int number = 0;
        // The cell within the batch, counted from 0.
        int column = 0;
        int row = 0;
        QString fileName;
        // None: the template picture stands in.
        std::optional<QString> pictureFile;
        QString tooltip;
        // None: the label keeps the caption it has.
        std::optional<QString> caption;
    };

    // Batch `batch` of the buttons `fileNames`, clipped to the `memberCount`
    // members that exist, captioned from `vocabulary`.
    static BatchPlan make(int batch, int memberCount, const QStringList &fileNames, const QStringList &vocabulary);

    // The members to show. When the batch stopped, the last of them is the
    // one whose name is not a GIF's: it is placed and shown, nothing more.
    std::vector<Member> members;
    // That member's number, or 0 when the batch is complete.
    int stoppedAt = 0;
};
