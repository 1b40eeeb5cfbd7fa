// The menu "B&earbeiten": where it stands, what its two commands say and
// which list they act on, and how undoing meets the changed flag.

#include "Desk.h"
#include "editor/EntryComboBox.h"
#include "editor/EntryListBox.h"

#include <QApplication>
#include <QDialog>
#include <QMenuBar>

using namespace Qt::StringLiterals;

namespace {

struct MenuDesk : Desk
{
    EntryListBox *records = child<EntryListBox>(u"cboQDMenu_0"_s);
    EntryComboBox *vocabulary = child<EntryComboBox>(u"cboQDMenu_1"_s);

    MenuDesk()
    {
        window.show();
        QApplication::setActiveWindow(&window);
    }
    // Typed into the list's edit field, then Return.
    void type(const QString &text, QWidget *field = nullptr) const
    {
        field = field ? field : records->lineEdit();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }
};

} // namespace

class TestUndoMenu : public QObject
{
    Q_OBJECT

private slots:
    void theMenuBarKeepsToOneRow()
    {
        MenuDesk desk;
        QVERIFY(QTest::qWaitForWindowExposed(&desk.window));
        QMenuBar *bar = desk.window.menuBar();
        const QList<QAction *> menus = bar->actions();
        // One row: every entry on the level of the first.
        for (QAction *menu : menus)
            QCOMPARE(bar->actionGeometry(menu).top(), bar->actionGeometry(menus.first()).top());
        // The controls below keep their height, right under the bar.
        QCOMPARE(desk.window.height(), bar->height() + 547);
    }

    void greyedOutWithNothingToTakeBack()
    {
        MenuDesk desk;
        QVERIFY(!desk.undoAction()->isEnabled() && !desk.redoAction()->isEnabled());

        desk.click(Builder::BlockLine);
        QVERIFY(desk.undoAction()->isEnabled() && !desk.redoAction()->isEnabled());
        desk.trigger(u"mnuBeRueckgaengig"_s);
        QVERIFY(!desk.undoAction()->isEnabled() && desk.redoAction()->isEnabled());
        QCOMPARE(desk.undoAction()->text(), u"&Rückgängig"_s);
    }

    // A command name with "&" shows it, not an access key.
    void stepNamesKeepTheirAmpersands()
    {
        MenuDesk desk;
        desk.library()->commandClicked(u"tom&jerry"_s);
        QCOMPARE(desk.undoAction()->text(), u"&Rückgängig: Button tom&&jerry einfügen"_s);
    }

    void keysReachTheListFromEveryField_data()
    {
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("Ctrl+Z undoes") << QKeyCombination(Qt::CTRL, Qt::Key_Z) << QStringList{u"a"_s};
        QTest::newRow("Ctrl+Shift+Z redoes")
            << QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_Z) << QStringList{u"a"_s, u"b"_s, u"c"_s};
        QTest::newRow("Ctrl+Y redoes") << QKeyCombination(Qt::CTRL, Qt::Key_Y) << QStringList{u"a"_s, u"b"_s, u"c"_s};
    }

    // The edit fields would take these keys for their own typing.
    void keysReachTheListFromEveryField()
    {
        QFETCH(QKeyCombination, key);
        QFETCH(QStringList, after);
        MenuDesk desk;
        QVERIFY(QTest::qWaitForWindowActive(&desk.window));
        for (const QString &entry : {u"a"_s, u"b"_s, u"c"_s})
            desk.type(entry);
        desk.trigger(u"mnuBeRueckgaengig"_s); // something to redo as well
        QTest::keyClicks(desk.records->lineEdit(), u"typed"_s);
        QTest::keyClick(desk.records->lineEdit(), key.key(), key.keyboardModifiers());
        QCOMPARE(desk.state.recordList.entries(), after);
    }

    // With nothing left to undo the key does nothing at all, not even in the field.
    void keysIdleWithNothingToUndo()
    {
        MenuDesk desk;
        QVERIFY(QTest::qWaitForWindowActive(&desk.window));
        desk.click(Builder::BlockLine);
        desk.trigger(u"mnuBeRueckgaengig"_s);
        QLineEdit *title = desk.titleField();
        title->setFocus();
        QTest::keyClicks(title, u"Titel"_s);
        QTest::keyClick(title, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(title->text(), u"Titel"_s);
    }

    void actsOnTheListWithTheFocus()
    {
        MenuDesk desk;
        QVERIFY(QTest::qWaitForWindowActive(&desk.window));
        desk.state.vocabulary.setEntries({u"v"_s});
        desk.type(u"r"_s);
        desk.vocabulary->setFocus();
        desk.type(u"w"_s, desk.vocabulary->lineEdit());
        QCOMPARE(desk.undoAction()->text(), u"&Rückgängig: Eintrag hinzufügen"_s);

        desk.trigger(u"mnuBeRueckgaengig"_s);
        QCOMPARE(desk.state.vocabulary.entries(), QStringList{u"v"_s});
        QCOMPARE(desk.state.recordList.entries(), QStringList{u"r"_s});

        // Neither list has the focus: the record list's history.
        desk.titleField()->setFocus();
        QCOMPARE(desk.redoAction()->text(), u"&Wiederherstellen"_s);
        desk.trigger(u"mnuBeRueckgaengig"_s);
        QVERIFY(desk.state.recordList.isEmpty());
        QCOMPARE(desk.state.vocabulary.entries(), QStringList{u"v"_s});

        desk.vocabulary->setFocus();
        QCOMPARE(desk.redoAction()->text(), u"&Wiederherstellen: Eintrag hinzufügen"_s);
        desk.trigger(u"mnuBeWiederherstellen"_s);
        QCOMPARE(desk.state.vocabulary.entries(), (QStringList{u"v"_s, u"w"_s}));
        QVERIFY(desk.state.recordList.isEmpty());
    }

    void nothingHappensWhileABoxWaits()
    {
        MenuDesk desk;
        desk.click(Builder::BlockLine);
        desk.click(Builder::BlockLine);
        desk.trigger(u"mnuBeRueckgaengig"_s);
        QDialog box(&desk.window);
        box.setModal(true);
        box.show();
        QCOMPARE(QApplication::activeModalWidget(), &box);
        desk.trigger(u"mnuBeRueckgaengig"_s);
        desk.trigger(u"mnuBeWiederherstellen"_s);
        QCOMPARE(desk.state.recordList.count(), 1);
        box.close();
        desk.trigger(u"mnuBeRueckgaengig"_s);
        QCOMPARE(desk.state.recordList.count(), 0);
    }

    void undoneFromTheSavedFileIsChanged()
    {
        MenuDesk desk;
        desk.type(u"A"_s);
        desk.dialogs.chooseFile(desk.folder.filePath(u"menu.mnu"_s));
        desk.trigger(u"mnuDSpeichern"_s);
        QVERIFY(!desk.state.recordListModified);
        desk.trigger(u"mnuBeRueckgaengig"_s);
        QVERIFY(desk.state.recordListModified); // as it was before the Return
        desk.trigger(u"mnuBeWiederherstellen"_s);
        QVERIFY(!desk.state.recordListModified); // back at the saved state
    }

    // Only a step that changed the page field takes it back (tst_undosteps).
    void pageFieldTakenBackOnlyByItsOwnSteps()
    {
        MenuDesk desk;
        desk.type(u"a"_s);
        desk.pageField()->setText(u"5"_s);
        desk.trigger(u"mnuBeRueckgaengig"_s);
        QCOMPARE(desk.pageField()->text(), u"5"_s);
    }

    // A change past the history cannot be taken back in order: the history
    // ends there, and the menu counts as changed.
    void aChangePastTheHistoryEndsIt()
    {
        MenuDesk desk;
        desk.click(Builder::BlockLine);
        desk.state.recordList.append(u"x"_s);
        QVERIFY(!desk.undoAction()->isEnabled());
        QVERIFY(desk.recordHistory()->differs());
    }
};

QTEST_MAIN(TestUndoMenu)
#include "tst_undomenu.moc"
