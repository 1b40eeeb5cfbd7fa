#include "editor/ReturnLogic.h"

#include "model/EntryListModel.h"

ReturnLogic::Outcome ReturnLogic::apply(EntryListModel &list, int remembered, const QString &text)
{
    if (remembered < 0 || remembered >= list.count()) {
        list.append(text);
        return {Action::Added, list.count() - 1, QString()};
    }
    if (text.isEmpty()) {
        list.remove(remembered);
        return {Action::Deleted, remembered, text};
    }
    list.replace(remembered, text);
    return {Action::Changed, remembered, text};
}
