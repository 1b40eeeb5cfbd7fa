#include "Desk.h"

#include <QLineEdit>

using namespace Qt::StringLiterals;

class TestBuilder : public QObject
{
    Q_OBJECT

private slots:
    void buttonsThatNeedNoFolderComposeAMenu()
    {
        Desk desk;
        desk.titleField()->setText(u"Optionen"_s);
        desk.click(Builder::BlockLine);
        desk.click(Builder::PageHeader);
        QCOMPARE(desk.pageField()->text(), u"2"_s);
        desk.pageField()->setText(u"12"_s);
        desk.click(Builder::PageHeader);
        desk.click(Builder::FirstPageItem);
        QCOMPARE(desk.pageField()->text(), u"1"_s);
        QCOMPARE(desk.state.recordList.entries(),
                 (QStringList{u"MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|"_s, u"MENUPAGE|TASK_PAGE1|Optionen 1|"_s,
                              u"MENUPAGE|TASK_PAGE12|Optionen 12|"_s, u"MENUITEM|TASK_PAGE1|"_s}));
        // The builder's appends are not edits by hand.
        QVERIFY(!desk.state.recordListModified);

        // Clearing asks first and leaves the fields alone.
        desk.dialogs.answer(UserDialogs::Answer::No);
        desk.click(Builder::ClearMenu);
        QCOMPARE(desk.state.recordList.count(), 4);
        desk.dialogs.answer(UserDialogs::Answer::Yes);
        desk.click(Builder::ClearMenu);
        QVERIFY(desk.state.recordList.isEmpty());
        QCOMPARE(desk.titleField()->text(), u"Optionen"_s);
        QCOMPARE(desk.dialogs.unexpected, 0);

        // Without buttons, paging and the preview are refused and append nothing.
        desk.click(Builder::NextBatch);
        desk.click(Builder::BlockLine);
        desk.click(Builder::ShowMenu);
        QCOMPARE(desk.dialogs.messages().size(), 4);
        QCOMPARE(desk.state.recordList.count(), 1);
    }

    // The title goes into a record, which may be as long as any entry.
    void titlesAsLongAsEntries()
    {
        Desk desk;
        const QString title = QString(40000, u't');
        desk.titleField()->insert(title); // what pasting does
        desk.click(Builder::PageHeader);
        QCOMPARE(desk.state.recordList.entries(), QStringList{u"MENUPAGE|TASK_PAGE1|%1 1|"_s.arg(title)});
    }
};

QTEST_MAIN(TestBuilder)
#include "tst_builder.moc"
