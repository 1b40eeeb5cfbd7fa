// Every kind of step taken on a list: where it leaves the list, the user's
// place in it, the page-number field and the changed flag; taken back and
// made again, all of them come back exactly. And the drops that are no step.

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
    TypedEnter,
    MoveUp,
    MoveDown,
    MoveUpTen,
    MoveDownTen,
    ClearMenu,
    Open,
    DragRecord,
    DropButton,
};

const QStringList ABC{u"A"_s, u"B"_s, u"C"_s};
const QStringList ABCD{u"A"_s, u"B"_s, u"C"_s, u"D"_s};

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
    void focusVocabulary()
    {
        QApplication::setActiveWindow(&window);
        vocabulary->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }
    void replaceVocabularyText(const QString &text) const
    {
        vocabulary->lineEdit()->selectAll();
        QTest::keyClick(vocabulary->lineEdit(), Qt::Key_Backspace);
        QTest::keyClicks(vocabulary->lineEdit(), text);
    }
};

} // namespace

Q_DECLARE_METATYPE(Step)
Q_DECLARE_METATYPE(Around)

class TestUndoSteps : public QObject
{
    Q_OBJECT

private slots:
    void recordStepTakenBackAndMadeAgain_data()
    {
        QTest::addColumn<QStringList>("opened");
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("selected"); // clicked before the step; -1: none
        QTest::addColumn<QString>("text"); // typed over the edit field, or the button's command
        QTest::addColumn<Step>("step");
        QTest::addColumn<int>("at"); // where a drag is dropped
        QTest::addColumn<Around>("made");
        QTest::addColumn<QString>("name");

        const QString one = u"1"_s;
        const QString item = u"MENUITEM|TASK_NAVIGATE_TO|"_s;
        const QString map = u"MENUITEM|TASK_SHOW_MAP|"_s;
        const QStringList twelve = TestData::numbered(12);
        QTest::newRow("a button click appends its item")
            << ABC << one << 1 << u"navigate_to"_s << Step::ButtonClick << 0
            << Around{ABC + QStringList{item}, 1, 1, u"B"_s, false, one} << u"Button navigate_to einfügen"_s;
        QTest::newRow("the first line is appended")
            << ABC << one << -1 << QString() << Step::BlockLine << 0
            << Around{ABC + QStringList{u"MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|"_s}, -1, -1, QString(), false, one}
            << u"1. Zeile Menü"_s;
        QTest::newRow("a page title counts the page field on")
            << ABC << one << -1 << QString() << Step::PageHeader << 0
            << Around{ABC + QStringList{u"MENUPAGE|TASK_PAGE1| 1|"_s}, -1, -1, QString(), false, u"2"_s}
            << u"Titel Menü"_s;
        QTest::newRow("the arrow to page 1 sets the page field back")
            << ABC << u"3"_s << -1 << QString() << Step::FirstPageItem << 0
            << Around{ABC + QStringList{u"MENUITEM|TASK_PAGE1|"_s}, -1, -1, QString(), false, one}
            << u"Pfeil zu 1. Seite"_s;
        QTest::newRow("Return adds the typed entry")
            << ABC << one << -1 << u"X"_s << Step::TypedReturn << 0
            << Around{ABC + QStringList{u"X"_s}, -1, -1, QString(), true, one} << u"Eintrag hinzufügen"_s;
        QTest::newRow("Enter adds the typed entry")
            << ABC << one << -1 << u"X"_s << Step::TypedEnter << 0
            << Around{ABC + QStringList{u"X"_s}, -1, -1, QString(), true, one} << u"Eintrag hinzufügen"_s;
        QTest::newRow("Return on nothing adds an empty entry")
            << ABC << one << -1 << QString() << Step::TypedReturn << 0
            << Around{ABC + QStringList{QString()}, -1, -1, QString(), true, one} << u"Eintrag hinzufügen"_s;
        QTest::newRow("Return changes the clicked entry, keeps its text and forgets it")
            << ABC << one << 1 << u"X"_s << Step::TypedReturn << 0
            << Around{{u"A"_s, u"X"_s, u"C"_s}, 1, -1, u"X"_s, true, one} << u"Eintrag ändern"_s;
        QTest::newRow("Return deletes the clicked entry, no neighbour steps in")
            << ABC << one << 1 << QString() << Step::TypedReturn << 0
            << Around{{u"A"_s, u"C"_s}, -1, -1, QString(), true, one} << u"Eintrag löschen"_s;
        QTest::newRow("a move up by one")
            << twelve << one << 1 << QString() << Step::MoveUp << 0
            << Around{u"e1 e0 e2 e3 e4 e5 e6 e7 e8 e9 e10 e11"_s.split(u' '), 0, 0, u"e1"_s, true, one}
            << u"Eintrag verschieben"_s;
        QTest::newRow("a move down by one takes the unconfirmed edit along")
            << twelve << one << 0 << u"e0!"_s << Step::MoveDown << 0
            << Around{u"e1 e0! e2 e3 e4 e5 e6 e7 e8 e9 e10 e11"_s.split(u' '), 1, 1, u"e0!"_s, true, one}
            << u"Eintrag verschieben"_s;
        QTest::newRow("a move up by ten")
            << twelve << one << 11 << QString() << Step::MoveUpTen << 0
            << Around{u"e0 e11 e1 e2 e3 e4 e5 e6 e7 e8 e9 e10"_s.split(u' '), 1, 1, u"e11"_s, true, one}
            << u"Eintrag verschieben"_s;
        QTest::newRow("a move down by ten")
            << twelve << one << 0 << QString() << Step::MoveDownTen << 0
            << Around{u"e1 e2 e3 e4 e5 e6 e7 e8 e9 e10 e0 e11"_s.split(u' '), 10, 10, u"e0"_s, true, one}
            << u"Eintrag verschieben"_s;
        QTest::newRow("Menü Löschen brings the whole list back, the edit field kept")
            << ABC << one << 1 << QString() << Step::ClearMenu << 0 << Around{{}, -1, -1, u"B"_s, false, one}
            << u"Menü löschen"_s;
        QTest::newRow("Öffnen brings the replaced list back, the edit field kept")
            << ABC << one << 0 << QString() << Step::Open << 0 << Around{{u"P"_s, u"Q"_s}, -1, -1, u"A"_s, false, one}
            << u"Menü öffnen"_s;
        QTest::newRow("a record dragged down between two")
            << ABCD << one << 0 << QString() << Step::DragRecord << 2
            << Around{{u"B"_s, u"A"_s, u"C"_s, u"D"_s}, 1, 1, u"A"_s, true, one} << u"Eintrag verschieben"_s;
        QTest::newRow("a record dragged below the last")
            << ABCD << one << 1 << QString() << Step::DragRecord << 4
            << Around{{u"A"_s, u"C"_s, u"D"_s, u"B"_s}, 3, 3, u"B"_s, true, one} << u"Eintrag verschieben"_s;
        QTest::newRow("a record dragged up to the top")
            << ABCD << one << 3 << QString() << Step::DragRecord << 0
            << Around{{u"D"_s, u"A"_s, u"B"_s, u"C"_s}, 0, 0, u"D"_s, true, one} << u"Eintrag verschieben"_s;
        QTest::newRow("a button dropped above the selected record moves it down")
            << ABCD << one << 2 << u"show_map"_s << Step::DropButton << 2
            << Around{{u"A"_s, u"B"_s, map, u"C"_s, u"D"_s}, 3, 3, u"C"_s, false, one} << u"Button show_map einfügen"_s;
        QTest::newRow("a button dropped below the last")
            << ABCD << one << -1 << u"show_map"_s << Step::DropButton << 4
            << Around{ABCD + QStringList{map}, -1, -1, QString(), false, one} << u"Button show_map einfügen"_s;
        // Numbered from the page field, as a click numbers it.
        QTest::newRow("the page turn dropped")
            << ABCD << u"7"_s << -1 << u"page"_s << Step::DropButton << 1
            << Around{{u"A"_s, u"MENUITEM|TASK_PAGE7|"_s, u"B"_s, u"C"_s, u"D"_s}, -1, -1, QString(), false, u"7"_s}
            << u"Button page einfügen"_s;
    }

    void recordStepTakenBackAndMadeAgain()
    {
        QFETCH(QStringList, opened);
        QFETCH(QString, page);
        QFETCH(int, selected);
        QFETCH(QString, text);
        QFETCH(Step, step);
        QFETCH(int, at);
        QFETCH(Around, made);
        QFETCH(QString, name);
        StepDesk desk;
        desk.openMenu(opened);
        desk.pageField()->setText(page);
        if (selected >= 0)
            desk.records->selectRow(selected);
        // Return and Enter take what stands in the edit field, even nothing.
        const bool typing = step == Step::TypedReturn || step == Step::TypedEnter;
        if (typing || (step != Step::ButtonClick && step != Step::DropButton && !text.isEmpty())) {
            desk.records->lineEdit()->selectAll();
            QTest::keyClick(desk.records->lineEdit(), Qt::Key_Backspace);
            QTest::keyClicks(desk.records->lineEdit(), text);
        }
        // Typing alone sets the flag; the step begins from what the user left.
        const Around before = desk.records_();

        switch (step) {
        case Step::ButtonClick: desk.library()->commandClicked(text); break;
        case Step::BlockLine: desk.click(Builder::BlockLine); break;
        case Step::PageHeader: desk.click(Builder::PageHeader); break;
        case Step::FirstPageItem: desk.click(Builder::FirstPageItem); break;
        case Step::TypedReturn: QTest::keyClick(desk.records->lineEdit(), Qt::Key_Return); break;
        case Step::TypedEnter: QTest::keyClick(desk.records->lineEdit(), Qt::Key_Enter); break;
        case Step::MoveUp: desk.press(u"cmdAuf"_s); break;
        case Step::MoveDown: desk.press(u"cmdAb"_s); break;
        case Step::MoveUpTen: desk.press(u"cmdAuf10"_s); break;
        case Step::MoveDownTen: desk.press(u"cmdAb10"_s); break;
        case Step::ClearMenu:
            desk.dialogs.answer(UserDialogs::Answer::Yes);
            desk.click(Builder::ClearMenu);
            break;
        case Step::Open: desk.openMenu({u"P"_s, u"Q"_s}, u"other.mnu"_s); break;
        case Step::DragRecord:
            QVERIFY(desk.dropOnRecords(*std::unique_ptr<QMimeData>(DragData::forRecord(selected)), at));
            break;
        case Step::DropButton:
            QVERIFY(desk.dropOnRecords(*std::unique_ptr<QMimeData>(DragData::forButton(text)), at));
            break;
        }
        QCOMPARE(desk.records_(), made);
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
        desk.focusVocabulary();
        if (selected >= 0)
            desk.vocabulary->selectRow(selected);
        desk.replaceVocabularyText(typed);
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

    // Alt+E puts the focus into the menu bar on its way to the menu; the
    // step taken back from there is the vocabulary's, back to its start.
    void theMenuBarKeepsTheVocabularysStep()
    {
        StepDesk desk;
        desk.click(Builder::BlockLine);
        desk.focusVocabulary();
        desk.replaceVocabularyText(u"x"_s);
        QTest::keyClick(desk.vocabulary->lineEdit(), Qt::Key_Return);
        desk.window.menuBar()->setFocus();
        QCOMPARE(desk.undoAction()->text(), u"&Rückgängig: Eintrag hinzufügen"_s);
        desk.trigger(u"mnuBeRueckgaengig"_s);
        QVERIFY(!desk.state.vocabularyModified);
        QCOMPARE(desk.state.recordList.count(), 1);
    }

    // Refused from outside, or a record dropped where it stands already:
    // nothing moves and nothing is recorded as a step.
    void dropThatChangesNothing_data()
    {
        QTest::addColumn<QString>("format"); // empty: our own drag of the second record
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("before");
        QTest::newRow("a record on its own upper half") << QString() << QByteArray() << 1;
        QTest::newRow("a record on the upper half of the next") << QString() << QByteArray() << 2;
        QTest::newRow("text from another program") << u"text/plain"_s << QByteArray("MENUITEM|TASK_ABOUT|") << 2;
        QTest::newRow("a file from the desktop") << u"text/uri-list"_s << QByteArray("file:///tmp/menu.mnu\r\n") << 2;
        QTest::newRow("a record from another window of the program")
            << u"application/x-qd5tastwerk-record"_s << QByteArray("0") << 2;
        QTest::newRow("a button from another window of the program")
            << u"application/x-qd5tastwerk-button"_s << QByteArray("about") << 2;
    }

    void dropThatChangesNothing()
    {
        QFETCH(QString, format);
        QFETCH(QByteArray, bytes);
        QFETCH(int, before);
        StepDesk desk;
        desk.openMenu(ABCD);
        desk.records->selectRow(1);
        QMimeData foreign;
        foreign.setData(format, bytes);
        const std::unique_ptr<QMimeData> own(DragData::forRecord(1));
        const bool taken = desk.dropOnRecords(format.isEmpty() ? *own : foreign, before);
        QVERIFY(format.isEmpty() || !taken);
        QCOMPARE(desk.state.recordList.entries(), ABCD);
        QCOMPARE(desk.records->text(), u"B"_s);
        QVERIFY(!desk.state.recordListModified);
        QCOMPARE(desk.undoAction()->text(), u"&Rückgängig: Menü öffnen"_s);
    }

    // A line between the two records shows where the drop would land, and
    // goes when the drag leaves.
    void dropPlaceShownWhileDragging()
    {
        StepDesk desk;
        desk.openMenu(ABCD);
        QListView *view = desk.records->listView();
        const QPoint linePoint(view->viewport()->width() - 8, view->visualRect(desk.state.recordList.index(2)).top());
        const auto darkness = [&] { return qGray(view->viewport()->grab().toImage().pixel(linePoint)); };
        const int before = darkness();
        const std::unique_ptr<QMimeData> data(DragData::forButton(u"about"_s));
        const QPoint at = view->visualRect(desk.state.recordList.index(2)).topLeft() + QPoint(4, 2);
        QDragEnterEvent enter(at, Qt::CopyAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(view->viewport(), &enter);
        QDragMoveEvent move(at, Qt::CopyAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(view->viewport(), &move);
        QVERIFY2(darkness() < before - 64, qPrintable(u"%1 against %2"_s.arg(darkness()).arg(before)));
        QDragLeaveEvent leave;
        QApplication::sendEvent(view->viewport(), &leave);
        QCOMPARE(darkness(), before);
        QCOMPARE(desk.state.recordList.entries(), ABCD);
    }

    void dragOntoTheVocabularyDoesNothing()
    {
        StepDesk desk;
        desk.openMenu(ABCD);
        const QStringList entries = desk.state.vocabulary.entries();
        const std::unique_ptr<QMimeData> data(DragData::forRecord(0));
        const QPoint at = desk.vocabulary->lineEdit()->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(desk.vocabulary->lineEdit(), &enter);
        QVERIFY(!enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(desk.vocabulary->lineEdit(), &drop);
        QCOMPARE(desk.vocabulary->text(), QString());
        QCOMPARE(desk.state.vocabulary.entries(), entries);
        QCOMPARE(desk.state.recordList.entries(), ABCD);
        QVERIFY(!desk.state.vocabularyModified);
    }
};

QTEST_MAIN(TestUndoSteps)
#include "tst_undosteps.moc"
