#include "Desk.h"
#include "editor/EntryComboBox.h"
#include "editor/EntryListBox.h"
#include "preview/PreviewController.h"
#include "TestData.h"

#include <QLineEdit>
#include <QListView>

using namespace Qt::StringLiterals;

namespace {

// A shown main window and the edit fields of its two lists.
struct EditDesk : Desk
{
    EntryListBox *records = child<EntryListBox>(u"cboQDMenu_0"_s);
    QLineEdit *recordEdit = records->lineEdit();
    EntryComboBox *vocabulary = child<EntryComboBox>(u"cboQDMenu_1"_s);
    QLineEdit *vocabularyEdit = vocabulary->lineEdit();

    EditDesk() { window.show(); }

    void clickRecord(int row) const
    {
        QListView *view = records->listView();
        const QModelIndex index = state.recordList.index(row);
        view->scrollTo(index);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    }
    static void type(QLineEdit *edit, const QString &text, bool replace = false)
    {
        if (replace) {
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Backspace);
        }
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
};

} // namespace

class TestEditorController : public QObject
{
    Q_OBJECT

private slots:
    // What Return and the move buttons leave behind is checked with their
    // undo (tst_undosteps); here the ways an entry reaches the edit field.
    void clickAndArrowKeysBringAnEntryIntoTheEditField()
    {
        EditDesk desk;
        desk.state.recordList.setEntries({u"A"_s, u"B"_s});
        desk.vocabulary->setFocus();
        desk.clickRecord(1);
        QCOMPARE(desk.recordEdit->text(), u"B"_s);
        QCOMPARE(desk.window.focusWidget(), desk.recordEdit);
        QTest::keyClick(desk.recordEdit, Qt::Key_Up);
        QCOMPARE(desk.recordEdit->text(), u"A"_s);
        QTest::keyClick(desk.recordEdit, Qt::Key_Down);
        QCOMPARE(desk.recordEdit->text(), u"B"_s);
    }

    // Keys that only move the focus type nothing: an untouched list stays
    // unchanged when the user tabs through it. Every key that types or
    // edits counts.
    void onlyTypingChangesAList_data()
    {
        QTest::addColumn<bool>("vocabulary");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<bool>("typed");
        for (const bool vocabulary : {false, true}) {
            const char *list = vocabulary ? "vocabulary" : "records";
            QTest::addRow("%s: Tab", list) << vocabulary << Qt::Key_Tab << Qt::KeyboardModifiers() << false;
            QTest::addRow("%s: Shift+Tab", list)
                << vocabulary << Qt::Key_Backtab << Qt::KeyboardModifiers(Qt::ShiftModifier) << false;
            QTest::addRow("%s: a letter", list) << vocabulary << Qt::Key_A << Qt::KeyboardModifiers() << true;
            QTest::addRow("%s: Backspace", list) << vocabulary << Qt::Key_Backspace << Qt::KeyboardModifiers() << true;
        }
    }

    void onlyTypingChangesAList()
    {
        QFETCH(bool, vocabulary);
        QFETCH(Qt::Key, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(bool, typed);
        EditDesk desk;
        // Where a person's keys land.
        QTest::keyClick(vocabulary ? static_cast<QWidget *>(desk.vocabulary) : desk.recordEdit, key, modifiers);
        QCOMPARE(vocabulary ? desk.state.vocabularyModified : desk.state.recordListModified, typed);
        QCOMPARE(vocabulary ? desk.state.recordListModified : desk.state.vocabularyModified, false);
        QVERIFY(desk.state.recordList.isEmpty()); // no Return, no record
    }

    void typingClosesThePreviewForRecordsOnly()
    {
        EditDesk desk;
        desk.state.recordList.setEntries({u"MENUPAGE|TASK_PAGE1| Seite 1|"_s});
        PreviewController *preview = desk.preview();
        preview->showPreview();
        QTest::keyClicks(desk.vocabulary, u"xy"_s); // where a person's keys land
        QVERIFY(desk.state.vocabularyModified && !desk.state.recordListModified && preview->previewWindow());
        QTest::keyClick(desk.recordEdit, Qt::Key_Left); // types nothing, but is released
        QVERIFY(!preview->previewWindow() && !desk.state.recordListModified);
        preview->showPreview();
        desk.clickRecord(0); // the text changes by code
        QVERIFY(!preview->previewWindow());
    }

    // Return in one list once changed the entry last clicked in the other.
    void eachListRemembersItsOwnEntry()
    {
        EditDesk desk;
        // Right after start nothing is remembered: Return appends.
        const QStringList loaded = desk.state.vocabulary.entries();
        QTest::keyClick(desk.vocabularyEdit, Qt::Key_Return);
        QCOMPARE(desk.state.vocabulary.entries(), loaded + QStringList{QString()});

        desk.state.vocabulary.setEntries({u"first"_s, u"second"_s});
        desk.state.recordList.setEntries(TestData::numbered(6));
        desk.clickRecord(1);
        EditDesk::type(desk.vocabularyEdit, u"third"_s);
        QCOMPARE(desk.state.vocabulary.entries(), (QStringList{u"first"_s, u"second"_s, u"third"_s}));
        QTest::keyClick(desk.recordEdit, Qt::Key_Return);
        QCOMPARE(desk.state.recordList.entries(), TestData::numbered(6));

        desk.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&desk.window));
        desk.vocabulary->setFocus();
        QTest::keyClick(desk.vocabulary, Qt::Key_Down); // a choice in the vocabulary
        const int chosen = desk.vocabulary->currentRow();
        desk.vocabularyEdit->selectAll();
        QTest::keyClicks(desk.vocabularyEdit, u"second"_s); // equals another entry; must not select it
        desk.recordEdit->setFocus();
        EditDesk::type(desk.vocabularyEdit, u"changed"_s, true);
        QCOMPARE(desk.state.vocabulary.at(chosen), u"changed"_s);
        QCOMPARE(desk.state.vocabulary.count(), 3);
    }

    // The first entry of an empty vocabulary once selected itself, so the
    // second Return changed it instead of adding.
    void anEmptyVocabularyGrowsWithoutSelecting()
    {
        EditDesk desk;
        desk.state.vocabulary.clear();
        EditDesk::type(desk.vocabularyEdit, u"a"_s);
        QCOMPARE(desk.vocabulary->currentRow(), -1);
        EditDesk::type(desk.vocabularyEdit, u"b"_s);
        QCOMPARE(desk.state.vocabulary.entries(), (QStringList{u"a"_s, u"b"_s}));
    }

    // Entries past 32,767 characters were cut by the edit fields.
    void longEntriesSurviveClickReturnAndMove()
    {
        EditDesk desk;
        const QString longEntry = QString(40000, u'x') + u'|';
        desk.state.recordList.setEntries({u"a"_s, longEntry});
        desk.clickRecord(1);
        QTest::keyClick(desk.recordEdit, Qt::Key_Return);
        QCOMPARE(desk.state.recordList.at(1), longEntry);
        desk.clickRecord(1);
        desk.press(u"cmdAuf"_s);
        QCOMPARE(desk.state.recordList.at(0), longEntry);
        desk.state.vocabulary.setEntries({longEntry});
        desk.vocabulary->selectRow(0);
        QTest::keyClick(desk.vocabularyEdit, Qt::Key_Return);
        QCOMPARE(desk.state.vocabulary.at(0), longEntry);
    }

    // After Return has added, the emptied edit field cannot be moved over
    // the entry that was highlighted before.
    void aMoveAfterAnAdditionAsksForASelection()
    {
        EditDesk desk;
        desk.state.recordList.setEntries(TestData::numbered(6));
        desk.clickRecord(3);
        desk.press(u"cmdAb"_s);
        QTest::keyClick(desk.recordEdit, Qt::Key_Return); // changes; selection stays
        QTest::keyClick(desk.recordEdit, Qt::Key_Return); // adds the same text again
        desk.press(u"cmdAb"_s);
        QCOMPARE(desk.dialogs.messages(), QStringList{u"Bitte erst einen Eintrag selektieren!"_s});
        QCOMPARE(desk.state.recordList.entries(), u"e0 e1 e2 e4 e3 e5 e3"_s.split(u' '));
    }
};

QTEST_MAIN(TestEditorController)
#include "tst_editorcontroller.moc"
