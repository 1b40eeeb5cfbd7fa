// A million records opened, cleared and brought back by undo exist once:
// the list that comes back is the very one that was opened, not a copy.

#include "Desk.h"

using namespace Qt::StringLiterals;

constexpr int Records = 1'000'000;

class TestUndoMemory : public QObject
{
    Q_OBJECT

private slots:
    void clearedMillionComesBackUncopied()
    {
        Desk desk;
        QByteArray bytes;
        bytes.reserve(Records * 28);
        for (int record = 0; record < Records; ++record)
            bytes += "MENUITEM|TASK_" + QByteArray::number(record) + "|\r\n";
        desk.dialogs.chooseFile(desk.folder.write(u"large.mnu"_s, bytes));
        bytes = {};
        desk.trigger(u"mnuDLaden"_s);
        QCOMPARE(desk.state.recordList.count(), Records);
        const QString *opened = desk.state.recordList.entries().constData();

        desk.dialogs.answer(UserDialogs::Answer::Yes);
        desk.click(Builder::ClearMenu);
        QVERIFY(desk.state.recordList.isEmpty());
        desk.trigger(u"mnuBeRueckgaengig"_s);
        QCOMPARE(desk.state.recordList.count(), Records);
        QCOMPARE(desk.state.recordList.entries().constData(), opened);
        QCOMPARE(desk.state.recordList.at(Records - 1), u"MENUITEM|TASK_999999|"_s);
        desk.trigger(u"mnuBeWiederherstellen"_s);
        desk.trigger(u"mnuBeRueckgaengig"_s);
        QCOMPARE(desk.state.recordList.entries().constData(), opened);
        QVERIFY(!desk.recordHistory()->differs());
        QCOMPARE(desk.dialogs.unexpected, 0);
    }
};

QTEST_MAIN(TestUndoMemory)
#include "tst_undomemory.moc"
