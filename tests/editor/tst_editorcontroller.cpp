#include "preview/PreviewController.h"
#include "ScriptedDialogs.h"
#include "shell/EntryComboBox.h"
#include "shell/EntryListBox.h"
#include "shell/MainWindow.h"
#include "TestFolder.h"

#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A shown main window and the two lists' controls.
struct Desk
{
    TestFolder folder;
    ScriptedDialogs dialogs;
    MainWindow window{dialogs};
    EntryListBox *records = window.recordListBox();
    QLineEdit *recordEdit = records->lineEdit();
    EntryComboBox *vocabulary = window.vocabularyBox();
    ProgramState &state = window.state();

    Desk() { window.show(); }

    // Focus changes reach the controls only in the active window.
    bool activate()
    {
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }

    void clickRecord(int row)
    {
        QListView *view = records->listView();
        const QModelIndex index = state.recordList.index(row);
        view->scrollTo(index);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    }

    static void retype(QWidget *edit, const QString &text)
    {
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }

    void press(const char *button) { QTest::mouseClick(window.findChild<QPushButton *>(button), Qt::LeftButton); }
};

QStringList numbered(int n)
{
    QStringList entries;
    for (int i = 0; i < n; ++i)
        entries << u"e%1"_s.arg(i);
    return entries;
}

} // namespace

class TestEditorController : public QObject
{
    Q_OBJECT

private slots:
    void returnAddsChangesAndDeletesRecords()
    {
        Desk desk;
        QSignalSpy returns(desk.recordEdit, &QLineEdit::returnPressed);
        QTest::keyClick(desk.recordEdit, Qt::Key_Return);
        QTest::keyClicks(desk.recordEdit, u"MENUITEM|A|"_s);
        QTest::keyClick(desk.recordEdit, Qt::Key_Return);
        QTest::keyClicks(desk.recordEdit, u"B"_s);
        QTest::keyClick(desk.recordEdit, Qt::Key_Enter);
        QCOMPARE(desk.state.recordList.entries(), (QStringList{QString(), u"MENUITEM|A|"_s, u"B"_s}));
        QCOMPARE(desk.recordEdit->text(), QString());
        QCOMPARE(returns.size(), 3); // Return reaches the edit field too

        desk.vocabulary->setFocus();
        desk.clickRecord(1);
        QCOMPARE(desk.recordEdit->text(), u"MENUITEM|A|"_s);
        QCOMPARE(desk.window.focusWidget(), desk.recordEdit);
        Desk::retype(desk.recordEdit, u"A2"_s);
        QTest::keyClick(desk.recordEdit, Qt::Key_Return);
        QCOMPARE(desk.recordEdit->text(), u"A2"_s);
        QTest::keyClicks(desk.recordEdit, u"+"_s);
        QTest::keyClick(desk.recordEdit, Qt::Key_Return);
        QCOMPARE(desk.state.recordList.entries(), (QStringList{QString(), u"A2"_s, u"B"_s, u"A2+"_s}));

        desk.clickRecord(1);
        Desk::retype(desk.recordEdit, QString());
        QTest::keyClick(desk.recordEdit, Qt::Key_Return);
        QCOMPARE(desk.state.recordList.entries(), (QStringList{QString(), u"B"_s, u"A2+"_s}));
        // No neighbour steps in: nothing is selected and the field stays empty.
        QCOMPARE(desk.records->currentRow(), -1);
        QCOMPARE(desk.recordEdit->text(), QString());
        QVERIFY(desk.state.recordListModified);
        QVERIFY(!desk.state.vocabularyModified);
        // The arrow keys in the edit field walk the list.
        QTest::keyClick(desk.recordEdit, Qt::Key_Down);
        QTest::keyClick(desk.recordEdit, Qt::Key_Down);
        QCOMPARE(desk.records->currentRow(), 1);
        QCOMPARE(desk.recordEdit->text(), u"B"_s);
    }

    void typingSetsTheFlagsAndClosesThePreviewForRecordsOnly()
    {
        Desk desk;
        desk.state.recordList.setEntries({u"MENUPAGE|TASK_PAGE1| Seite 1|"_s});
        PreviewController *preview = desk.window.preview();
        preview->showPreview();
        QTest::keyClick(desk.vocabulary->lineEdit(), Qt::Key_Backspace);
        QVERIFY(desk.state.vocabularyModified);
        QTest::keyClicks(desk.vocabulary, u"xy"_s); // where a person's keys land
        QCOMPARE(desk.vocabulary->text(), u"xy"_s);
        QVERIFY(preview->previewWindow());
        QVERIFY(!desk.state.recordListModified);

        QTest::keyClick(desk.recordEdit, Qt::Key_Left); // types nothing, but is released
        QVERIFY(!preview->previewWindow());
        QVERIFY(!desk.state.recordListModified);
        preview->showPreview();
        desk.clickRecord(0); // the text changes by code
        QVERIFY(!preview->previewWindow());
        preview->showPreview();
        QTest::keyClick(desk.recordEdit, Qt::Key_X);
        QVERIFY(!preview->previewWindow());
        QVERIFY(desk.state.recordListModified);
        QCOMPARE(desk.recordEdit->text(), u"MENUPAGE|TASK_PAGE1| Seite 1|x"_s);
    }

    void eachListRemembersItsOwnEntry()
    {
        Desk desk;
        // Right after start nothing is remembered: Return appends.
        const QStringList loaded = desk.state.vocabulary.entries();
        QVERIFY(!loaded.isEmpty());
        QTest::keyClick(desk.vocabulary->lineEdit(), Qt::Key_Return);
        QTest::keyClicks(desk.recordEdit, u"r"_s);
        QTest::keyClick(desk.recordEdit, Qt::Key_Return);
        QCOMPARE(desk.state.vocabulary.entries(), loaded + QStringList{QString()});
        QCOMPARE(desk.state.recordList.entries(), QStringList{u"r"_s});

        desk.state.vocabulary.setEntries({u"first"_s, u"second"_s, QString()});

        desk.state.recordList.setEntries(numbered(6));
        desk.clickRecord(1);
        QTest::keyClicks(desk.vocabulary->lineEdit(), u"third"_s);
        QTest::keyClick(desk.vocabulary->lineEdit(), Qt::Key_Return);
        QCOMPARE(desk.state.vocabulary.entries(), (QStringList{u"first"_s, u"second"_s, QString(), u"third"_s}));
        QTest::keyClick(desk.recordEdit, Qt::Key_Return);
        QCOMPARE(desk.state.recordList.at(1), u"e1"_s);
        QCOMPARE(desk.state.recordList.count(), 6);

        QVERIFY(desk.activate());
        desk.vocabulary->setFocus();
        QTest::keyClick(desk.vocabulary, Qt::Key_Down); // a choice in the vocabulary
        const int chosen = desk.vocabulary->currentRow();
        Desk::retype(desk.vocabulary->lineEdit(), u"second"_s); // equals entry 1; must not select it
        desk.recordEdit->setFocus();
        Desk::retype(desk.vocabulary->lineEdit(), u"changed"_s);
        QTest::keyClick(desk.vocabulary->lineEdit(), Qt::Key_Return);
        QCOMPARE(desk.state.vocabulary.at(chosen), u"changed"_s);
        QCOMPARE(desk.state.vocabulary.count(), 4);

        // A reloaded list has nothing remembered.
        desk.clickRecord(4);
        desk.state.recordList.setEntries(numbered(6));
        QTest::keyClick(desk.recordEdit, Qt::Key_Return);
        QCOMPARE(desk.state.recordList.count(), 7);
    }

    void anEmptyVocabularyGrowsWithoutSelecting()
    {
        Desk desk;
        desk.state.vocabulary.clear();
        QLineEdit *edit = desk.vocabulary->lineEdit();
        QTest::keyClicks(edit, u"a"_s);
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(desk.vocabulary->currentRow(), -1);
        QTest::keyClicks(edit, u"b"_s);
        QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClick(desk.vocabulary, Qt::Key_Down);
        QCOMPARE(desk.vocabulary->text(), u"a"_s);
        QTest::keyClicks(edit, u"1"_s);
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(desk.state.vocabulary.entries(), (QStringList{u"a1"_s, u"b"_s}));
    }

    void longEntriesSurviveClickReturnAndMove()
    {
        Desk desk;
        const QString longEntry = QString(40000, u'x') + u'|';
        desk.state.recordList.setEntries({u"a"_s, longEntry});
        desk.clickRecord(1);
        QTest::keyClick(desk.recordEdit, Qt::Key_Return);
        QCOMPARE(desk.state.recordList.at(1), longEntry);
        desk.clickRecord(1);
        desk.press("cmdAuf");
        QCOMPARE(desk.state.recordList.at(0), longEntry);
        desk.state.vocabulary.setEntries({longEntry});
        desk.vocabulary->selectRow(0);
        QTest::keyClick(desk.vocabulary->lineEdit(), Qt::Key_Return);
        QCOMPARE(desk.state.vocabulary.at(0), longEntry);
    }

    void moveButtons()
    {
        Desk desk;
        desk.state.recordList.setEntries(numbered(15));
        desk.press("cmdAb");
        QCOMPARE(desk.dialogs.shown.size(), 1);
        QCOMPARE(desk.dialogs.shown.at(0).text, u"Bitte erst einen Eintrag selektieren!"_s);
        QCOMPARE(desk.dialogs.shown.at(0).icon, UserDialogs::Icon::Exclamation);
        QCOMPARE(desk.dialogs.shown.at(0).buttons, UserDialogs::Buttons::Ok);
        QCOMPARE(desk.dialogs.shown.at(0).title, QString());
        QVERIFY(!desk.state.recordListModified);

        desk.clickRecord(10);
        desk.press("cmdAuf10");
        QCOMPARE(desk.state.recordList.at(0), u"e10"_s);
        QCOMPARE(desk.records->currentRow(), 0);
        QVERIFY(desk.state.recordListModified);
        desk.state.recordListModified = false;
        desk.press("cmdAuf");
        desk.press("cmdAuf10");
        QVERIFY(!desk.state.recordListModified);

        desk.press("cmdAb");
        desk.press("cmdAb");
        QCOMPARE(desk.records->currentRow(), 2);
        QCOMPARE(desk.recordEdit->text(), u"e10"_s);
        QTest::keyClicks(desk.recordEdit, u"!"_s); // the unconfirmed edit travels
        desk.press("cmdAb10");
        QCOMPARE(desk.state.recordList.at(12), u"e10!"_s);
        QVERIFY(!desk.state.recordList.entries().contains(u"e10"_s));
        // The move selected the entry, so Return changes it in place.
        Desk::retype(desk.recordEdit, u"moved"_s);
        QTest::keyClick(desk.recordEdit, Qt::Key_Return);
        QCOMPARE(desk.state.recordList.at(12), u"moved"_s);
        QCOMPARE(desk.state.recordList.count(), 15);

        // After Return has added, the emptied edit field cannot be moved over
        // the entry that was highlighted before.
        QTest::keyClicks(desk.recordEdit, u"new"_s);
        desk.clickRecord(3);
        desk.press("cmdAb");                              // moves and selects
        QTest::keyClick(desk.recordEdit, Qt::Key_Return); // changes; selection stays
        QTest::keyClick(desk.recordEdit, Qt::Key_Return); // adds the same text again
        desk.press("cmdAb");
        QCOMPARE(desk.dialogs.shown.size(), 2);
        QCOMPARE(desk.state.recordList.count(), 16);
    }
};

QTEST_MAIN(TestEditorController)
#include "tst_editorcontroller.moc"
