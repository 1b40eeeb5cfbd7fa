#include "Desk.h"
#include "shell/QtUserDialogs.h"

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
        const struct
        {
            const char16_t *name;
            QRect geometry;
            bool visible;
        } controls[] = {
            {u"lblQDMenu_0", {0, 48, 80, 30}, false},   {u"cmdQDButton_2", {8, 16, 113, 33}, true},
            {u"cboQDMenu_0", {0, 408, 497, 103}, true}, {u"cboQDMenu_1", {0, 520, 529, 22}, true},
            {u"Dir1", {240, 32, 153, 366}, false},
        };
        for (const auto &control : controls) {
            const QWidget *widget = desk.child(QString::fromUtf16(control.name));
            QVERIFY2(widget, qPrintable(QString::fromUtf16(control.name)));
            QCOMPARE(widget->geometry(), control.geometry);
            QCOMPARE(widget->isVisible(), control.visible);
        }
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
