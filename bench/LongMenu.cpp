#include "LongMenu.h"

#include "editor/EntryListBox.h"
#include "EventLoop.h"

LongMenu::LongMenu(BenchFolder &folder)
    : records(BenchFolder::menu(Records, folder.commands()))
{
    folder.enter();
    box = shown.child<EntryListBox>(u"cboQDMenu_0"_s);
    floorView.setUniformItemSizes(true);
    floorView.setModel(&floorModel);
    floorView.resize(box->listView()->size());
    floorView.show();
    restore();
}

void LongMenu::restore()
{
    EntryListModel &list = shown.window.state().recordList;
    if (list.entries() != records)
        list.setEntries(records);
    if (floorModel.stringList() != records)
        floorModel.setStringList(records);
    box->listView()->doItemsLayout();
    floorView.doItemsLayout();
    EventLoop::settle();
}
