#include "common/QtUserDialogs.h"
#include "Desk.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>

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
