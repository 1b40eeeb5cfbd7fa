#include "library/BatchPlan.h"

#include "library/ButtonFileNames.h"
#include "library/ButtonPaging.h"
#include "library/CaptionLookup.h"
#include "model/MenuRecords.h"

using namespace Qt::StringLiterals;

BatchPlan BatchPlan::make(int batch, int memberCount, const QStringList &fileNames, const QStringList &vocabulary)
{
    BatchPlan plan;
    const int last = std::min(ButtonPaging::lastMember(batch, memberCount), int(fileNames.size()));
    for (int number = ButtonPaging::firstMember(batch); number <= last; ++number) {
        Member member;
        member.number = number;
        member.column = ButtonPaging::column(number);
        member.row = ButtonPaging::row(number);
        member.fileName = fileNames.at(number - 1);
        if (!member.fileName.endsWith(u"gif"_s)) {
            plan.members.push_back(member);
            plan.stoppedAt = number;
            return plan;
        }
        // A name that is nothing but the suffix names no picture.
        if (member.fileName != u"gif"_s)
            member.pictureFile = member.fileName;
        const QString command = ButtonFileNames::commandName(member.fileName);
        member.tooltip = MenuRecords::buttonTooltip(number, command);
        member.caption = CaptionLookup::find(vocabulary, command);
        plan.members.push_back(member);
    }
    return plan;
}
