#include "LongMenu.h"

#include "editor/EntryListBox.h"
#include "EventLoop.h"
#include "history/EditHistory.h"

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
    // Put there as "&Öffnen" puts a menu: as a step that can be taken back.
    // A list set behind the history's back would empty the history, and each
    // timed action would then pay for enabling "&Rückgängig", which it never
    // does for someone who opened the menu.
    if (shown.window.state().recordList.entries() != records)
        shown.window.findChild<EditHistory *>(u"recordHistory"_s)->replaceWithFile(records);
    if (floorModel.stringList() != records)
        floorModel.setStringList(records);
    box->listView()->doItemsLayout();
    floorView.doItemsLayout();
    EventLoop::settle();
}
