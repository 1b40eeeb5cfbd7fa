#include "ScriptedDialogs.h"
#include "shell/MainWindow.h"
#include "TestFolder.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

class TestBuilder : public QObject
{
    Q_OBJECT

private:
    static void click(MainWindow &window, int index) { QTest::mouseClick(window.builderButton(index), Qt::LeftButton); }

private slots:
    void buttonsThatNeedNoFolderComposeAMenu()
    {
        TestFolder folder;
        ScriptedDialogs dialogs;
        MainWindow window(dialogs);
        window.show();
        window.titleField()->setText(u"Optionen"_s);
        click(window, 3);
        click(window, 4);
        QCOMPARE(window.pageField()->text(), u"2"_s);
        click(window, 4);
        QCOMPARE(window.pageField()->text(), u"3"_s);
        click(window, 6);
        QCOMPARE(window.pageField()->text(), u"1"_s);
        QCOMPARE(window.titleField()->text(), u"Optionen"_s);
        QCOMPARE(window.state().recordList.entries(),
                 (QStringList{u"MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|"_s, u"MENUPAGE|TASK_PAGE1|Optionen 1|"_s,
                              u"MENUPAGE|TASK_PAGE2|Optionen 2|"_s, u"MENUITEM|TASK_PAGE1|"_s}));
        // The builder's appends are not edits by hand.
        QVERIFY(!window.state().recordListModified);
        QCOMPARE(dialogs.shown.size(), 0);
    }

    void hugePageFieldStepsOnAsText()
    {
        TestFolder folder;
        ScriptedDialogs dialogs;
        MainWindow window(dialogs);
        window.pageField()->setText(u"99999999999999999999"_s);
        click(window, 4);
        QCOMPARE(window.pageField()->text(), u"100000000000000000000"_s);
        QCOMPARE(window.state().recordList.at(0), u"MENUPAGE|TASK_PAGE99999999999999999999| 99999999999999999999|"_s);
    }

    void clearingAsksFirst()
    {
        TestFolder folder;
        ScriptedDialogs dialogs;
        MainWindow window(dialogs);
        click(window, 3);
        window.pageField()->setText(u"5"_s);

        dialogs.answer(UserDialogs::Answer::No);
        click(window, 0);
        QCOMPARE(window.state().recordList.count(), 1);
        const ScriptedDialogs::Shown &question = dialogs.shown.constLast();
        QCOMPARE(question.text, u"Menü wirklich Löschen? "_s);
        QCOMPARE(question.title, u"Bestätigung!"_s);
        QCOMPARE(question.icon, UserDialogs::Icon::Question);
        QCOMPARE(question.buttons, UserDialogs::Buttons::YesNo);

        dialogs.answer(UserDialogs::Answer::Yes);
        click(window, 0);
        QVERIFY(window.state().recordList.isEmpty());
        QCOMPARE(window.pageField()->text(), u"5"_s);
        QCOMPARE(dialogs.unexpected, 0);
    }

    void refusalsWithoutButtons()
    {
        TestFolder folder;
        ScriptedDialogs dialogs;
        MainWindow window(dialogs);
        click(window, 2);
        click(window, 3);
        click(window, 9);
        QCOMPARE(dialogs.messages(),
                 (QStringList{u"Bitte Buttons zuerst Laden!"_s, u"Bitte Buttons und .mnu zuerst Laden!"_s}));
        for (const ScriptedDialogs::Shown &box : std::as_const(dialogs.shown)) {
            QCOMPARE(box.icon, UserDialogs::Icon::Exclamation);
            QCOMPARE(box.buttons, UserDialogs::Buttons::Ok);
            QVERIFY(box.title.isEmpty());
        }
        QCOMPARE(window.state().recordList.count(), 1);
    }
};

QTEST_MAIN(TestBuilder)
#include "tst_builder.moc"
