#include "ScriptedDialogs.h"
#include "shell/MainWindow.h"
#include "shell/QtUserDialogs.h"
#include "TestFolder.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void captionAndClientArea()
    {
        TestFolder folder;
        ScriptedDialogs dialogs;
        MainWindow window(dialogs);
        QCOMPARE(window.windowTitle(), u"QD5 Tastwerk V 0.25"_s);
        QCOMPARE(window.centralWidget()->size(), QSize(531, 547));
        QCOMPARE(dialogs.shown.size(), 0);
    }

    void controlsStandWhereTheyAreDrawn_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<bool>("visible");
        QTest::newRow("Picture1") << u"Picture1"_s << QRect(0, 0, 400, 405) << true;
        QTest::newRow("template image") << u"imgQDMenu_0"_s << QRect(0, 0, 80, 50) << false;
        QTest::newRow("template label") << u"lblQDMenu_0"_s << QRect(0, 48, 80, 30) << false;
        QTest::newRow("Frame2") << u"Frame2"_s << QRect(400, 0, 129, 407) << true;
        QTest::newRow("Start/Weiter") << u"cmdQDButton_2"_s << QRect(8, 16, 113, 33) << true;
        QTest::newRow("Pfeil") << u"cmdQDButton_6"_s << QRect(8, 368, 113, 33) << true;
        QTest::newRow("page field") << u"txtTitel_0"_s << QRect(88, 336, 33, 25) << true;
        QTest::newRow("title field") << u"txtTitel_1"_s << QRect(8, 336, 81, 25) << true;
        QTest::newRow("record list") << u"cboQDMenu_0"_s << QRect(0, 408, 497, 103) << true;
        QTest::newRow("Auf 10") << u"cmdAuf10"_s << QRect(504, 408, 25, 25) << true;
        QTest::newRow("Ab 10") << u"cmdAb10"_s << QRect(504, 488, 25, 25) << true;
        QTest::newRow("vocabulary") << u"cboQDMenu_1"_s << QRect(0, 520, 529, 22) << true;
        QTest::newRow("Drive1") << u"Drive1"_s << QRect(240, 8, 153, 21) << false;
        QTest::newRow("Dir1") << u"Dir1"_s << QRect(240, 32, 153, 366) << false;
        QTest::newRow("lstButtons") << u"lstButtons"_s << QRect(344, 416, 113, 121) << false;
    }

    void controlsStandWhereTheyAreDrawn()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(bool, visible);
        TestFolder folder;
        ScriptedDialogs dialogs;
        MainWindow window(dialogs);
        window.show();
        auto *control = window.findChild<QWidget *>(name);
        QVERIFY2(control, qPrintable(name));
        QCOMPARE(control->geometry(), geometry);
        QCOMPARE(control->isVisible(), visible);
    }

    void textsAndFaces()
    {
        TestFolder folder;
        ScriptedDialogs dialogs;
        MainWindow window(dialogs);
        auto button = [&](const QString &name) { return window.findChild<QPushButton *>(name); };
        QCOMPARE(button(u"cmdQDButton_2"_s)->text(), u"&Start/Weiter"_s);
        QCOMPARE(button(u"cmdQDButton_2"_s)->toolTip(), u"Buttons Blättern"_s);
        QCOMPARE(button(u"cmdQDButton_2"_s)->palette().color(QPalette::Button), QColor(0, 128, 0));
        QCOMPARE(button(u"cmdQDButton_9"_s)->text(), u"&Menü Zeigen"_s);
        QCOMPARE(button(u"cmdQDButton_0"_s)->text(), u"&Menü Löschen"_s);
        QCOMPARE(button(u"cmdQDButton_3"_s)->toolTip(), u"Allererste Zeile"_s);
        QCOMPARE(button(u"cmdQDButton_4"_s)->text(), u"Titel &Menü"_s);
        QCOMPARE(button(u"cmdQDButton_6"_s)->toolTip(), u"Am Ende des Menüs"_s);
        QCOMPARE(button(u"cmdQDButton_2"_s)->font().pointSizeF(), 9.75);
        QVERIFY(button(u"cmdQDButton_2"_s)->font().bold());
        for (const int unused : {1, 5, 7, 8})
            QVERIFY(!button(u"cmdQDButton_%1"_s.arg(unused)));
        QCOMPARE(button(u"cmdAuf10"_s)->palette().color(QPalette::Button), QColor(192, 64, 0));
        QCOMPARE(button(u"cmdAuf"_s)->toolTip(), u"Auf 1"_s);
        QCOMPARE(button(u"cmdAb"_s)->toolTip(), u"Ab 1"_s);
        QCOMPARE(button(u"cmdAb10"_s)->toolTip(), u"Ab 10"_s);
        QCOMPARE(window.findChild<QLineEdit *>(u"txtTitel_0"_s)->text(), u"1"_s);
        QCOMPARE(window.findChild<QLabel *>(u"Label1"_s)->text(), u"Menü-Titel"_s);
        QCOMPARE(window.findChild<QLabel *>(u"lblQDMenu_0"_s)->text(), u"Test Test Test Test Test Test"_s);
        QCOMPARE(window.findChild<QWidget *>(u"imgQDMenu_0"_s)->toolTip(), u"Version anzeigen"_s);
        QCOMPARE(window.findChild<QGroupBox *>(u"Frame2"_s)->title(), u"Steuerung"_s);
        QVERIFY(window.findChild<QWidget *>(u"cboQDMenu_1"_s)->font().fixedPitch());
        QVERIFY(!window.findChild<QLabel *>(u"imgQDMenu_0"_s)->pixmap().isNull());
        QCOMPARE(window.findChild<QLabel *>(u"imgQDMenu_0"_s)->pixmap().size(), QSize(80, 50));
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
        QCOMPARE(QtUserDialogs::nameFilters(u"Menüs|*.mnu"_s), (QStringList{u"Menüs (*.mnu)"_s}));
    }

    void menuBarInOrder()
    {
        TestFolder folder;
        ScriptedDialogs dialogs;
        MainWindow window(dialogs);
        QStringList top;
        for (QAction *action : window.menuBar()->actions())
            top << action->text();
        QCOMPARE(top, (QStringList{u"&Datei"_s, u"&Buttons"_s, u"&Anleitung"_s, u"&Historie"_s, u"&Info"_s}));
        QStringList datei;
        for (QAction *action : window.findChild<QMenu *>(u"mnuDatei"_s)->actions())
            datei << (action->isSeparator() ? u"-"_s : action->text());
        QCOMPARE(datei, (QStringList{u"&Öffnen"_s, u"&Speichern"_s, u"-"_s, u"&Ende"_s}));
        QStringList buttons;
        for (QAction *action : window.findChild<QMenu *>(u"mnuButtons"_s)->actions())
            buttons << action->text();
        QCOMPARE(buttons, (QStringList{u"&Ordner Wählen"_s, u"&Laden"_s}));
        QVERIFY(window.findChild<QAction *>(u"mnuBOrdnerWae"_s)->isEnabled());
        QVERIFY(window.findChild<QAction *>(u"mnuBLaden"_s)->isEnabled());
    }

    void focusStartsInTheRecordList()
    {
        TestFolder folder;
        ScriptedDialogs dialogs;
        MainWindow window(dialogs);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QWidget *recordList = window.findChild<QWidget *>(u"cboQDMenu_0"_s);
        QVERIFY(recordList->isAncestorOf(QApplication::focusWidget()));
    }

    void endReturnsToTheStartDirectory()
    {
        TestFolder folder;
        QDir(folder.path()).mkdir(u"elsewhere"_s);
        ScriptedDialogs dialogs;
        MainWindow window(dialogs);
        window.show();
        QDir::setCurrent(folder.filePath(u"elsewhere"_s));
        window.findChild<QAction *>(u"mnuDEnde"_s)->trigger();
        QVERIFY(!window.isVisible());
        QCOMPARE(QDir::currentPath(), QDir(folder.path()).canonicalPath());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
