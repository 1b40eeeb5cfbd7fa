#include "ScriptedDialogs.h"
#include "shell/HelpController.h"
#include "shell/InfoWindow.h"
#include "shell/MainWindow.h"
#include "TestFolder.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

class TestInfoWindow : public QObject
{
    Q_OBJECT

private:
    static InfoWindow *showInfo(MainWindow &window)
    {
        window.findChild<QAction *>(u"mnuInfo"_s)->trigger();
        return window.help()->infoWindow();
    }

    static int infoWindowsOnScreen()
    {
        int count = 0;
        for (const QWidget *widget : QApplication::topLevelWidgets())
            count += widget->objectName() == u"frmQDInfo"_s && widget->isVisible() ? 1 : 0;
        return count;
    }

private slots:
    void controlsStandWhereTheyAreDrawn_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("picIcon") << u"picIcon"_s << u"frmQDInfo"_s << QRect(8, 16, 36, 36);
        QTest::newRow("title group") << u"fraInfo_0"_s << u"frmQDInfo"_s << QRect(0, 0, 249, 81);
        QTest::newRow("title") << u"lblInfo_0"_s << u"fraInfo_0"_s << QRect(48, 16, 193, 25);
        QTest::newRow("description group") << u"fraInfo_1"_s << u"frmQDInfo"_s << QRect(0, 80, 249, 49);
        QTest::newRow("description") << u"txtDank"_s << u"fraInfo_1"_s << QRect(8, 16, 233, 27);
        QTest::newRow("web group") << u"fraInfo_2"_s << u"frmQDInfo"_s << QRect(0, 128, 249, 145);
        QTest::newRow("web button") << u"cmdInternet"_s << u"fraInfo_2"_s << QRect(8, 112, 233, 25);
        QTest::newRow("mail group") << u"fraInfo_3"_s << u"frmQDInfo"_s << QRect(0, 272, 249, 113);
        QTest::newRow("address") << u"txtAdresse"_s << u"fraInfo_3"_s << QRect(40, 8, 169, 65);
        QTest::newRow("mail button") << u"cmdeMail"_s << u"fraInfo_3"_s << QRect(8, 80, 233, 25);
    }

    void controlsStandWhereTheyAreDrawn()
    {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QRect, geometry);
        TestFolder folder;
        ScriptedDialogs dialogs;
        MainWindow window(dialogs);
        InfoWindow *info = showInfo(window);
        auto *control = info->findChild<QWidget *>(name);
        QVERIFY2(control, qPrintable(name));
        QCOMPARE(control->parentWidget()->objectName(), parent);
        QCOMPARE(control->geometry(), geometry);
        QVERIFY(control->isVisible());
    }

    void textsAndLooks()
    {
        TestFolder folder;
        ScriptedDialogs dialogs;
        MainWindow window(dialogs);
        InfoWindow *info = showInfo(window);
        QVERIFY(!info->parentWidget());
        QCOMPARE(info->windowModality(), Qt::NonModal);
        QCOMPARE(info->windowTitle(), u"QD5 Tastwerk Info"_s);
        QCOMPARE(info->size(), QSize(250, 387));

        auto *title = info->findChild<QLabel *>(u"lblInfo_0"_s);
        QCOMPARE(title->text(), window.windowTitle());
        QCOMPARE(title->text(), u"QD5 Tastwerk V 0.25"_s);
        QVERIFY(title->font().bold());
        QCOMPARE(title->font().pointSizeF(), 12.0);
        QCOMPARE(title->palette().color(QPalette::WindowText), QColor(0, 0, 192));

        auto *description = info->findChild<QPlainTextEdit *>(u"txtDank"_s);
        QCOMPARE(description->toPlainText(), u"Zum Erstellen einer eigenen Menü-Folge für \nQuonda5 auf dem PC.\n"_s);
        QVERIFY(description->isReadOnly());
        QCOMPARE(description->palette().color(QPalette::Base), info->palette().color(QPalette::Window));
        auto *address = info->findChild<QPlainTextEdit *>(u"txtAdresse"_s);
        QVERIFY(address->toPlainText().isEmpty());

        auto *internet = info->findChild<QPushButton *>(u"cmdInternet"_s);
        QCOMPARE(internet->text(), u"Internet: http://"_s);
        QCOMPARE(internet->toolTip(), u"Internet vorher aufrufen!"_s);
        QCOMPARE(info->findChild<QPushButton *>(u"cmdeMail"_s)->text(), u"eMail: "_s);
    }

    void buttonsStartNothing()
    {
        TestFolder folder;
        ScriptedDialogs dialogs;
        MainWindow window(dialogs);
        window.show();
        InfoWindow *info = showInfo(window);
        const QWidgetList before = QApplication::topLevelWidgets();
        for (const QString &name : {u"cmdInternet"_s, u"cmdeMail"_s}) {
            auto *button = info->findChild<QPushButton *>(name);
            QVERIFY(button->isEnabled());
            QTest::mouseClick(button, Qt::LeftButton);
        }
        QCOMPARE(dialogs.shown.size(), 0);
        QCOMPARE(QApplication::topLevelWidgets().size(), before.size());
        QCOMPARE(window.help()->infoWindow(), info);
    }

    void infoTwiceIsOneWindow()
    {
        TestFolder folder;
        ScriptedDialogs dialogs;
        MainWindow window(dialogs);
        window.show();
        QPointer<InfoWindow> first = showInfo(window);
        QCOMPARE(showInfo(window), first.data());
        QCOMPARE(infoWindowsOnScreen(), 1);

        first->close();
        QVERIFY(!window.help()->infoWindow());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!first);
        InfoWindow *second = showInfo(window);
        QVERIFY(second);
        QCOMPARE(second->findChild<QLabel *>(u"lblInfo_0"_s)->text(), u"QD5 Tastwerk V 0.25"_s);
        QCOMPARE(infoWindowsOnScreen(), 1);
    }
};

QTEST_MAIN(TestInfoWindow)
#include "tst_infowindow.moc"
