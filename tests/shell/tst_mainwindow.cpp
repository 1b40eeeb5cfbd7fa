#include "Desk.h"
#include "shell/EntryComboBox.h"
#include "shell/EntryListBox.h"
#include "shell/QtUserDialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListView>

using namespace Qt::StringLiterals;

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
        QAbstractItemView *rows = desk.window.recordListBox()->listView();
        desk.window.show();
        if (vocabulary) {
            EntryComboBox *box = desk.window.vocabularyBox();
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
