#include "common/ClickableImage.h"
#include "common/QtUserDialogs.h"
#include "Desk.h"
#include "editor/EntryComboBox.h"
#include "editor/EntryListBox.h"
#include "GifBytes.h"
#include "help/HelpController.h"
#include "help/InfoWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListView>

using namespace Qt::StringLiterals;
using Answer = UserDialogs::Answer;

namespace {

// How a save at the end does not happen.
enum class Miss { QuestionCancelled, Refused, DialogCancelled, NotOverwritten, Failed };

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void controlsStandWhereTheyAreDrawn()
    {
        Desk desk;
        desk.window.show();
        QCOMPARE(desk.window.centralWidget()->size(), QSize(531, 547));
        // Twips turned into pixels, the composite list boxes included.
        QCOMPARE(desk.child(u"cmdQDButton_2"_s)->geometry(), QRect(8, 16, 113, 33));
        QCOMPARE(desk.child(u"cboQDMenu_0"_s)->geometry(), QRect(0, 408, 497, 103));
        QCOMPARE(desk.child(u"cboQDMenu_1"_s)->geometry(), QRect(0, 520, 529, 22));
        QVERIFY(!desk.child(u"lblQDMenu_0"_s)->isVisible() && !desk.child(u"Dir1"_s)->isVisible());
        for (const int unused : {1, 5, 7, 8})
            QVERIFY(!desk.child(u"cmdQDButton_%1"_s.arg(unused)));
        QCOMPARE(desk.child<QLabel>(u"imgQDMenu_0"_s)->pixmap().size(), QSize(80, 50));
        QVERIFY(desk.child(u"cboQDMenu_1"_s)->font().fixedPitch());
        // The vocabulary is read, and its edit field stays empty.
        const auto *vocabulary = desk.child<QComboBox>(u"cboQDMenu_1"_s);
        QVERIFY(vocabulary->count() > 0);
        QCOMPARE(vocabulary->currentIndex(), -1);
        QCOMPARE(vocabulary->currentText(), QString());
        QCOMPARE(desk.dialogs.shown.size(), 0);
    }

    // Many fonts draw the dots of capital umlauts above their ascent, where
    // a row of the usual height cuts them off. Both lists' rows leave room
    // for them above and below the centred line.
    void rowsHoldCapitalUmlauts_data()
    {
        QTest::addColumn<bool>("vocabulary");
        QTest::newRow("record list") << false;
        QTest::newRow("vocabulary, in the font of the record list") << true;
    }

    void rowsHoldCapitalUmlauts()
    {
        QFETCH(bool, vocabulary);
        Desk desk;
        desk.state.recordList.setEntries({u"Straße: ä ö ü ß Ä Ö Ü"_s});
        desk.state.vocabulary.setEntries({u"Straße: ä ö ü ß Ä Ö Ü"_s});
        QAbstractItemView *rows = desk.child<EntryListBox>(u"cboQDMenu_0"_s)->listView();
        desk.window.show();
        if (vocabulary) {
            EntryComboBox *box = desk.child<EntryComboBox>(u"cboQDMenu_1"_s);
            box->setFont(rows->font());
            box->showPopup();
            rows = box->view();
        }
        const QFontMetrics metrics(rows->font());
        const int above = -metrics.tightBoundingRect(u"ÄÖÜ"_s).top() - metrics.ascent();
        const int height = rows->visualRect(rows->model()->index(0, 0)).height();
        QVERIFY2(height >= metrics.height() + 2 * above,
                 qPrintable(u"row %1, line %2, dots %3 above it"_s.arg(height).arg(metrics.height()).arg(above)));
    }

    // Whatever keeps a save from happening keeps the window open as it was:
    // lists, flags, history, buttons, other windows and folder. "&Ende"
    // then asks again.
    void unsavedChangesKeepTheWindowOpen_data()
    {
        QTest::addColumn<bool>("menu");
        QTest::addColumn<Miss>("miss");
        QTest::newRow("menu: Abbrechen") << true << Miss::QuestionCancelled;
        QTest::newRow("menu: entry refused") << true << Miss::Refused;
        QTest::newRow("menu: dialog cancelled") << true << Miss::DialogCancelled;
        QTest::newRow("menu: write failed") << true << Miss::Failed;
        QTest::newRow("vocabulary: entry refused") << false << Miss::Refused;
        QTest::newRow("vocabulary: dialog cancelled") << false << Miss::DialogCancelled;
        QTest::newRow("vocabulary: not overwritten") << false << Miss::NotOverwritten;
        QTest::newRow("vocabulary: write failed") << false << Miss::Failed;
    }

    void unsavedChangesKeepTheWindowOpen()
    {
        QFETCH(bool, menu);
        QFETCH(Miss, miss);
        Desk desk;
        desk.folder.write(u"buttons/about.gif"_s, GifBytes::filled(QSize(80, 50), 0x336699));
        desk.window.show();
        QApplication::setActiveWindow(&desk.window);
        desk.loadButtons(desk.folder.filePath(u"buttons"_s));
        desk.click(Builder::NextBatch);
        desk.trigger(u"mnuInfo"_s);
        auto *help = desk.window.findChild<HelpController *>(u"helpController"_s);
        EntryListModel &list = menu ? desk.state.recordList : desk.state.vocabulary;
        const QStringList before = list.entries();
        QLineEdit *edit = menu ? desk.child<EntryListBox>(u"cboQDMenu_0"_s)->lineEdit()
                               : desk.child<EntryComboBox>(u"cboQDMenu_1"_s)->lineEdit();
        edit->setFocus();
        edit->setText(miss == Miss::Refused ? u"MENUPAGE|TASK_PAGE1|Łódź 1|"_s : u"MENUITEM|TASK_ABOUT|"_s);
        QTest::keyClick(edit, Qt::Key_Return);
        const QStringList entries = list.entries();
        QCOMPARE(entries.size(), before.size() + 1);
        const QString here = QDir::currentPath();

        if (menu)
            desk.dialogs.answer(miss == Miss::QuestionCancelled ? Answer::Cancel : Answer::Yes);
        if (miss == Miss::DialogCancelled)
            desk.dialogs.cancelFileDialog();
        if (miss == Miss::NotOverwritten) {
            desk.dialogs.chooseFile(desk.folder.write(u"list.txt"_s, "old\r\n"));
            desk.dialogs.answer(Answer::No);
        }
        if (miss == Miss::Failed)
            desk.dialogs.chooseFile(desk.folder.filePath(u"vanished/list.txt"_s));
        desk.trigger(u"mnuDEnde"_s);
        QVERIFY(desk.window.isVisible());
        QCOMPARE(list.entries(), entries);
        QVERIFY(menu ? desk.state.recordListModified : desk.state.vocabularyModified);
        QCOMPARE(desk.buttonField().count(), 1);
        QVERIFY(desk.buttonField().image(1)->isVisible());
        QVERIFY(help->infoWindow() && help->infoWindow()->isVisible());
        // Not back in the start folder; a file chosen in the dialog made its
        // own folder current.
        if (miss != Miss::Failed && miss != Miss::NotOverwritten)
            QCOMPARE(QDir::currentPath(), here);
        QVERIFY(desk.dialogs.allAnswersUsed());
        edit->setFocus();
        desk.trigger(u"mnuBeRueckgaengig"_s);
        QCOMPARE(list.entries(), before);
        desk.trigger(u"mnuBeWiederherstellen"_s);
        QCOMPARE(list.entries(), entries);

        // Taken back, the change asks nothing more; "Nein" ends without it.
        if (menu)
            desk.dialogs.answer(Answer::No);
        else
            desk.trigger(u"mnuBeRueckgaengig"_s);
        desk.trigger(u"mnuDEnde"_s);
        QVERIFY(!desk.window.isVisible());
        QCOMPARE(desk.buttonField().count(), 0);
        QVERIFY(!help->infoWindow());
        QCOMPARE(QDir::currentPath(), QDir(desk.folder.path()).canonicalPath());
        QCOMPARE(desk.dialogs.unexpected, 0);
    }

    void fileFiltersForQtsDialog()
    {
        const QStringList filters = QtUserDialogs::nameFilters(u"Dateien (*.mnu)|*.mnu|Alle Dateien (*.*)|*.*"_s);
#ifdef Q_OS_WIN
        QCOMPARE(filters, (QStringList{u"Dateien (*.mnu)"_s, u"Alle Dateien (*.*)"_s}));
#else
        // Elsewhere "*.*" would hide the names without a dot.
        QCOMPARE(filters, (QStringList{u"Dateien (*.mnu)"_s, u"Alle Dateien (*)"_s}));
#endif
    }

    void focusStartsInTheRecordListAndEndReturnsToTheStart()
    {
        Desk desk;
        QDir(desk.folder.path()).mkdir(u"elsewhere"_s);
        desk.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&desk.window));
        QVERIFY(desk.child(u"cboQDMenu_0"_s)->isAncestorOf(QApplication::focusWidget()));
        QDir::setCurrent(desk.folder.filePath(u"elsewhere"_s));
        desk.trigger(u"mnuDEnde"_s);
        QVERIFY(!desk.window.isVisible());
        QCOMPARE(QDir::currentPath(), QDir(desk.folder.path()).canonicalPath());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
