// Every kind of step taken back and made again: the list, where the user
// stood in it, the page-number field and the changed flag come back exactly.

#include "common/DragData.h"
#include "Desk.h"
#include "editor/EditorController.h"
#include "editor/EntryComboBox.h"
#include "editor/EntryListBox.h"
#include "TestData.h"

#include <QApplication>
#include <QDropEvent>
#include <QListView>
#include <QMenuBar>
#include <QMimeData>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

enum class Step {
    ButtonClick,
    BlockLine,
    PageHeader,
    FirstPageItem,
    TypedReturn,
    MoveDown,
    MoveUpTen,
    ClearMenu,
    Open,
    DragRecord,
    DropButton,
};

// What stands around a list, as the user meets it.
struct Around
{
    QStringList entries;
    int selected;
    int remembered;
    QString editText;
    bool modified;
    QString page;

    friend bool operator==(const Around &, const Around &) = default;
};

char *toString(const Around &around)
{
    return QTest::toString(
        u"[%1] selected %2, remembered %3, edit \"%4\", %5, page \"%6\""_s.arg(around.entries.join(u", "_s))
            .arg(around.selected)
            .arg(around.remembered)
            .arg(around.editText, around.modified ? u"changed"_s : u"unchanged"_s, around.page));
}

struct StepDesk : Desk
{
    EntryListBox *records = child<EntryListBox>(u"cboQDMenu_0"_s);
    EntryComboBox *vocabulary = child<EntryComboBox>(u"cboQDMenu_1"_s);
    EditorController *editor = window.findChild<EditorController *>(u"editorController"_s);

    StepDesk() { window.show(); }

    Around records_() const
    {
        return {state.recordList.entries(), records->currentRow(), editor->rememberedRecord(), records->text(),
                state.recordListModified,   pageField()->text()};
    }
    Around vocabulary_() const
    {
        return {state.vocabulary.entries(), vocabulary->currentRow(), editor->rememberedVocabularyEntry(),
                vocabulary->text(),         state.vocabularyModified, pageField()->text()};
    }
};

} // namespace

Q_DECLARE_METATYPE(Step)

class TestUndoSteps : public QObject
{
    Q_OBJECT

private slots:
    void recordStepTakenBackAndMadeAgain_data()
    {
        QTest::addColumn<QStringList>("opened");
        QTest::addColumn<int>("selected"); // clicked before the step; -1: none
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Step>("step");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<QString>("page");

        const QStringList abc{u"A"_s, u"B"_s, u"C"_s};
        const QString item = u"MENUITEM|TASK_NAVIGATE_TO|"_s;
        QTest::newRow("a button click appends its item")
            << abc << 1 << QString() << Step::ButtonClick << u"Button navigate_to einfügen"_s
            << QStringList{u"A"_s, u"B"_s, u"C"_s, item} << false << u"1"_s;
        QTest::newRow("the first line is appended")
            << abc << -1 << QString() << Step::BlockLine << u"1. Zeile Menü"_s
            << QStringList{u"A"_s, u"B"_s, u"C"_s, u"MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|"_s} << false << u"1"_s;
        QTest::newRow("a page title counts the page field on")
            << abc << -1 << QString() << Step::PageHeader << u"Titel Menü"_s
            << QStringList{u"A"_s, u"B"_s, u"C"_s, u"MENUPAGE|TASK_PAGE1| 1|"_s} << false << u"2"_s;
        QTest::newRow("the arrow to page 1 sets the page field back")
            << abc << 2 << QString() << Step::FirstPageItem << u"Pfeil zu 1. Seite"_s
            << QStringList{u"A"_s, u"B"_s, u"C"_s, u"MENUITEM|TASK_PAGE1|"_s} << false << u"1"_s;
        QTest::newRow("Return adds the typed entry")
            << abc << -1 << u"X"_s << Step::TypedReturn << u"Eintrag hinzufügen"_s
            << QStringList{u"A"_s, u"B"_s, u"C"_s, u"X"_s} << true << u"1"_s;
        QTest::newRow("Return changes the clicked entry")
            << abc << 1 << u"X"_s << Step::TypedReturn << u"Eintrag ändern"_s << QStringList{u"A"_s, u"X"_s, u"C"_s}
            << true << u"1"_s;
        QTest::newRow("Return deletes the clicked entry")
            << abc << 1 << QString() << Step::TypedReturn << u"Eintrag löschen"_s << QStringList{u"A"_s, u"C"_s} << true
            << u"1"_s;
        QTest::newRow("a move down by one")
            << TestData::numbered(12) << 0 << QString() << Step::MoveDown << u"Eintrag verschieben"_s
            << QStringList{u"e1"_s, u"e0"_s, u"e2"_s, u"e3"_s, u"e4"_s,  u"e5"_s,
                           u"e6"_s, u"e7"_s, u"e8"_s, u"e9"_s, u"e10"_s, u"e11"_s}
            << true << u"1"_s;
        QTest::newRow("a move up by ten")
            << TestData::numbered(12) << 11 << QString() << Step::MoveUpTen << u"Eintrag verschieben"_s
            << QStringList{u"e0"_s, u"e11"_s, u"e1"_s, u"e2"_s, u"e3"_s, u"e4"_s,
                           u"e5"_s, u"e6"_s,  u"e7"_s, u"e8"_s, u"e9"_s, u"e10"_s}
            << true << u"1"_s;
        QTest::newRow("Menü Löschen brings the whole list back")
            << abc << 1 << QString() << Step::ClearMenu << u"Menü löschen"_s << QStringList() << false << u"1"_s;
        QTest::newRow("Öffnen brings the replaced list back") << abc << 0 << QString() << Step::Open << u"Menü öffnen"_s
                                                              << QStringList{u"P"_s, u"Q"_s} << false << u"1"_s;
        QTest::newRow("a record dragged down") << abc << 0 << QString() << Step::DragRecord << u"Eintrag verschieben"_s
                                               << QStringList{u"B"_s, u"C"_s, u"A"_s} << true << u"1"_s;
        QTest::newRow("a button dropped between two records")
            << abc << 2 << QString() << Step::DropButton << u"Button navigate_to einfügen"_s
            << QStringList{u"A"_s, item, u"B"_s, u"C"_s} << false << u"1"_s;
    }

    void recordStepTakenBackAndMadeAgain()
    {
        QFETCH(QStringList, opened);
        QFETCH(int, selected);
        QFETCH(QString, typed);
        QFETCH(Step, step);
        QFETCH(QString, name);
        QFETCH(QStringList, after);
        QFETCH(bool, modified);
        QFETCH(QString, page);

        StepDesk desk;
        desk.openMenu(opened);
        if (step == Step::FirstPageItem)
            desk.pageField()->setText(u"3"_s);
        if (selected >= 0)
            desk.records->selectRow(selected);
        if (step == Step::TypedReturn) {
            desk.records->lineEdit()->selectAll();
            QTest::keyClick(desk.records->lineEdit(), Qt::Key_Backspace);
            QTest::keyClicks(desk.records->lineEdit(), typed);
        }
        // Typing alone sets the flag; the step begins from what the user left.
        const Around before = desk.records_();

        switch (step) {
        case Step::ButtonClick: desk.library()->commandClicked(u"navigate_to"_s); break;
        case Step::BlockLine: desk.click(Builder::BlockLine); break;
        case Step::PageHeader: desk.click(Builder::PageHeader); break;
        case Step::FirstPageItem: desk.click(Builder::FirstPageItem); break;
        case Step::TypedReturn: QTest::keyClick(desk.records->lineEdit(), Qt::Key_Return); break;
        case Step::MoveDown: desk.press(u"cmdAb"_s); break;
        case Step::MoveUpTen: desk.press(u"cmdAuf10"_s); break;
        case Step::ClearMenu:
            desk.dialogs.answer(UserDialogs::Answer::Yes);
            desk.click(Builder::ClearMenu);
            break;
        case Step::Open: desk.openMenu({u"P"_s, u"Q"_s}, u"other.mnu"_s); break;
        case Step::DragRecord:
            QVERIFY(desk.dropOnRecords(*std::unique_ptr<QMimeData>(DragData::forRecord(0)), 3));
            break;
        case Step::DropButton:
            QVERIFY(desk.dropOnRecords(*std::unique_ptr<QMimeData>(DragData::forButton(u"navigate_to"_s)), 1));
            break;
        }
        const Around made = desk.records_();
        QCOMPARE(made.entries, after);
        QCOMPARE(made.modified, modified);
        QCOMPARE(made.page, page);
        QCOMPARE(desk.undoAction()->text(), u"&Rückgängig: "_s + name);

        desk.trigger(u"mnuBeRueckgaengig"_s);
        Around back = before;
        back.modified = false; // back at the opened file, whatever was typed
        QCOMPARE(desk.records_(), back);
        QCOMPARE(desk.redoAction()->text(), u"&Wiederherstellen: "_s + name);

        desk.trigger(u"mnuBeWiederherstellen"_s);
        QCOMPARE(desk.records_(), made);
        QCOMPARE(desk.dialogs.unexpected, 0);
    }

    void vocabularyStepTakenBackAndMadeAgain_data()
    {
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("after");

        QTest::newRow("Return adds the typed line")
            << -1 << u"x"_s << u"Eintrag hinzufügen"_s << QStringList{u"a"_s, u"b"_s, u"c"_s, u"x"_s};
        QTest::newRow("Return changes the chosen line")
            << 2 << u"x"_s << u"Eintrag ändern"_s << QStringList{u"a"_s, u"b"_s, u"x"_s};
        QTest::newRow("Return deletes the chosen line")
            << 0 << QString() << u"Eintrag löschen"_s << QStringList{u"b"_s, u"c"_s};
    }

    void vocabularyStepTakenBackAndMadeAgain()
    {
        QFETCH(int, selected);
        QFETCH(QString, typed);
        QFETCH(QString, name);
        QFETCH(QStringList, after);

        StepDesk desk;
        desk.state.vocabulary.setEntries({u"a"_s, u"b"_s, u"c"_s});
        QApplication::setActiveWindow(&desk.window);
        desk.vocabulary->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&desk.window));
        if (selected >= 0)
            desk.vocabulary->selectRow(selected);
        desk.vocabulary->lineEdit()->selectAll();
        QTest::keyClick(desk.vocabulary->lineEdit(), Qt::Key_Backspace);
        QTest::keyClicks(desk.vocabulary->lineEdit(), typed);
        const Around before = desk.vocabulary_();

        QTest::keyClick(desk.vocabulary->lineEdit(), Qt::Key_Return);
        const Around made = desk.vocabulary_();
        QCOMPARE(made.entries, after);
        QVERIFY(made.modified);
        QCOMPARE(desk.undoAction()->text(), u"&Rückgängig: "_s + name);

        desk.trigger(u"mnuBeRueckgaengig"_s);
        QCOMPARE(desk.vocabulary_(), before);
        desk.trigger(u"mnuBeWiederherstellen"_s);
        QCOMPARE(desk.vocabulary_(), made);
        // The record list's history took no part.
        QVERIFY(!desk.recordHistory()->stack().canUndo());
    }

    void vocabularyUndoneToItsStartIsUnchanged()
    {
        StepDesk desk;
        QApplication::setActiveWindow(&desk.window);
        desk.vocabulary->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&desk.window));
        QTest::keyClicks(desk.vocabulary->lineEdit(), u"x"_s);
        QTest::keyClick(desk.vocabulary->lineEdit(), Qt::Key_Return);
        QVERIFY(desk.state.vocabularyModified);
        desk.trigger(u"mnuBeRueckgaengig"_s);
        QVERIFY(!desk.state.vocabularyModified);
    }

    // Alt+E puts the focus into the menu bar on its way to the menu.
    void theMenuBarKeepsTheVocabularysStep()
    {
        StepDesk desk;
        desk.click(Builder::BlockLine);
        QApplication::setActiveWindow(&desk.window);
        desk.vocabulary->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&desk.window));
        QTest::keyClicks(desk.vocabulary->lineEdit(), u"x"_s);
        QTest::keyClick(desk.vocabulary->lineEdit(), Qt::Key_Return);
        desk.window.menuBar()->setFocus();
        QCOMPARE(desk.undoAction()->text(), u"&Rückgängig: Eintrag hinzufügen"_s);
    }
};

QTEST_MAIN(TestUndoSteps)
#include "tst_undosteps.moc"
