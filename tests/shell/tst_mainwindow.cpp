#include "common/ClickableImage.h"
#include "common/QtUserDialogs.h"
#include "Desk.h"
#include "editor/EntryComboBox.h"
#include "editor/EntryListBox.h"
#include "GifBytes.h"
#include "help/HelpController.h"
#include "help/InfoWindow.h"
#include "help/TextWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRegularExpression>

using namespace Qt::StringLiterals;
using Answer = UserDialogs::Answer;

namespace {

// How a save at the end does not happen.
enum class Miss { QuestionCancelled, Refused, DialogCancelled, NotOverwritten, Failed };

// The manual and history share one text window; the info window stands
// alone.
HelpController *help(const Desk &desk)
{
    return desk.window.findChild<HelpController *>(u"helpController"_s);
}

QString shownText(const Desk &desk)
{
    return help(desk)->textWindow()->findChild<QPlainTextEdit *>(u"txtQD"_s)->toPlainText();
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void windowAsItOpens()
    {
        Desk desk;
        desk.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&desk.window));
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
        QVERIFY(desk.child(u"cboQDMenu_0"_s)->isAncestorOf(QApplication::focusWidget()));
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
    // lists, flags, buttons, help windows and folder. Once the change is
    // taken back, "&Ende" ends and leaves the start folder current.
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
        desk.trigger(u"mnuAnleitung"_s);
        HelpController *help = ::help(desk);
        EntryListModel &list = menu ? desk.state.recordList : desk.state.vocabulary;
        QLineEdit *edit = menu ? desk.child<EntryListBox>(u"cboQDMenu_0"_s)->lineEdit()
                               : desk.child<EntryComboBox>(u"cboQDMenu_1"_s)->lineEdit();
        edit->setFocus();
        edit->setText(miss == Miss::Refused ? u"MENUPAGE|TASK_PAGE1|Łódź 1|"_s : u"MENUITEM|TASK_ABOUT|"_s);
        QTest::keyClick(edit, Qt::Key_Return);
        const QStringList entries = list.entries();
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
        QVERIFY(desk.dialogs.allAnswersUsed());
        QVERIFY(desk.window.isVisible());
        QCOMPARE(list.entries(), entries);
        QVERIFY(menu ? desk.state.recordListModified : desk.state.vocabularyModified);
        QVERIFY(desk.buttonField().image(1)->isVisible());
        QVERIFY(help->infoWindow()->isVisible() && help->textWindow()->isVisible());
        // A file chosen in the dialog made its own folder current.
        if (miss != Miss::Failed && miss != Miss::NotOverwritten)
            QCOMPARE(QDir::currentPath(), here);

        edit->setFocus();
        desk.trigger(u"mnuBeRueckgaengig"_s);
        desk.trigger(u"mnuDEnde"_s);
        QVERIFY(!desk.window.isVisible());
        QCOMPARE(desk.buttonField().count(), 0);
        QVERIFY(!help->infoWindow() && !help->textWindow());
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

    // Line by line as written, down to the blank that ends line 18.
    void manualAsWritten()
    {
        Desk desk;
        desk.window.show();
        desk.trigger(u"mnuAnleitung"_s);
        QVERIFY(help(desk)->textWindow()->isVisible() && !help(desk)->textWindow()->parentWidget());
        const QStringList lines = shownText(desk).split(u'\n');
        QCOMPARE(lines.size(), 19);
        QCOMPARE(lines.first(), u"Quonda Tastwerk 21.06.2005"_s);
        QVERIFY(lines.at(13).isEmpty());
        QCOMPARE(lines.at(17),
                 u"<Datei-Öffnen(.mnu Laden)> Zu bearbeitende Datei muss in einem Ordner des PC sein! "_s);
    }

    // Typed text is gone after the next click.
    void manualAndHistoryShareOneWindow()
    {
        Desk desk;
        desk.window.show();
        desk.trigger(u"mnuAnleitung"_s);
        TextWindow *text = help(desk)->textWindow();
        const QString manual = shownText(desk);
        QTest::keyClicks(text->findChild<QPlainTextEdit *>(u"txtQD"_s), u"Notiz "_s);
        desk.trigger(u"mnuHistorie"_s);
        QCOMPARE(help(desk)->textWindow(), text);
        QCOMPARE(text->windowTitle(), u"Historie"_s);
        QVERIFY(shownText(desk).startsWith(u"Quonda Tastwerk Historie\n\nV 0.25 22.06.2005:\n"_s));
        desk.trigger(u"mnuAnleitung"_s);
        QCOMPARE(shownText(desk), manual);
    }

    void historyNamesEachVersionWithItsDate()
    {
        Desk desk;
        desk.trigger(u"mnuHistorie"_s);
        const QStringList versions = shownText(desk).split(u'\n').filter(QRegularExpression(u"^V \\d"_s));
        QCOMPARE(versions, (QStringList{u"V 0.25 22.06.2005:"_s, u"V 0.24 21.06.2005:"_s, u"V 0.23 20.06.2005:"_s,
                                        u"V 0.22 20.06.2005:"_s, u"V 0.20 20.06.2005:"_s}));
    }

    // One of each while open, whose buttons start nothing; made afresh once closed.
    void oneWindowOfEachUntilClosed()
    {
        Desk desk;
        desk.window.show();
        desk.trigger(u"mnuHistorie"_s);
        desk.trigger(u"mnuInfo"_s);
        const QPointer<TextWindow> text = help(desk)->textWindow();
        InfoWindow *info = help(desk)->infoWindow();
        desk.trigger(u"mnuInfo"_s);
        QCOMPARE(help(desk)->infoWindow(), info);
        for (const QString &name : {u"cmdInternet"_s, u"cmdeMail"_s})
            QTest::mouseClick(info->findChild<QPushButton *>(name), Qt::LeftButton);
        QCOMPARE(desk.dialogs.shown.size(), 0);
        help(desk)->textWindow()->close();
        info->close();
        QVERIFY(!help(desk)->textWindow() && !help(desk)->infoWindow());
        desk.trigger(u"mnuHistorie"_s);
        QVERIFY(help(desk)->textWindow() && help(desk)->textWindow() != text.data());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
