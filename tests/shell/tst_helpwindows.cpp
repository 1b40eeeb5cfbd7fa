#include "Desk.h"
#include "help/HelpController.h"
#include "help/InfoWindow.h"
#include "help/TextWindow.h"

#include <QPlainTextEdit>
#include <QPointer>

using namespace Qt::StringLiterals;

// The manual and history share one text window; the info window stands
// alone. All of them go with the main window.
class TestHelpWindows : public QObject
{
    Q_OBJECT

private slots:
    void oneWindowEachMadeAfreshWhenClosed()
    {
        Desk desk;
        desk.window.show();
        HelpController *help = desk.window.findChild<HelpController *>(u"helpController"_s);
        desk.trigger(u"mnuAnleitung"_s);
        QPointer<TextWindow> text = help->textWindow();
        QVERIFY(text->isVisible() && !text->parentWidget());
        auto *field = text->findChild<QPlainTextEdit *>(u"txtQD"_s);
        const QString manual = field->toPlainText();
        // Line by line as written, down to the blank that ends line 18.
        const QStringList lines = manual.split(u'\n');
        QCOMPARE(lines.size(), 19);
        QCOMPARE(lines.first(), u"Quonda Tastwerk 21.06.2005"_s);
        QVERIFY(lines.at(13).isEmpty());
        QCOMPARE(lines.at(17),
                 u"<Datei-Öffnen(.mnu Laden)> Zu bearbeitende Datei muss in einem Ordner des PC sein! "_s);
        // Typed text is gone after the next click.
        QTest::keyClicks(field, u"Notiz "_s);
        desk.trigger(u"mnuHistorie"_s);
        QCOMPARE(help->textWindow(), text.data());
        QCOMPARE(text->windowTitle(), u"Historie"_s);
        QVERIFY(field->toPlainText().startsWith(u"Quonda Tastwerk Historie\n\nV 0.25 22.06.2005:\n"_s));
        desk.trigger(u"mnuAnleitung"_s);
        QCOMPARE(field->toPlainText(), manual);

        desk.trigger(u"mnuInfo"_s);
        QPointer<InfoWindow> info = help->infoWindow();
        desk.trigger(u"mnuInfo"_s);
        QCOMPARE(help->infoWindow(), info.data());
        for (const QString &name : {u"cmdInternet"_s, u"cmdeMail"_s}) // they start nothing
            QTest::mouseClick(info->findChild<QPushButton *>(name), Qt::LeftButton);
        QCOMPARE(desk.dialogs.shown.size(), 0);

        text->close();
        info->close();
        QVERIFY(!help->textWindow() && !help->infoWindow());
        desk.trigger(u"mnuHistorie"_s);
        QVERIFY(help->textWindow() && help->textWindow() != text.data());
    }

    void closingTheMainWindowClosesThem()
    {
        QPointer<TextWindow> text;
        QPointer<InfoWindow> info;
        {
            Desk desk;
            desk.window.show();
            desk.trigger(u"mnuAnleitung"_s);
            desk.trigger(u"mnuInfo"_s);
            text = desk.window.findChild<HelpController *>(u"helpController"_s)->textWindow();
            info = desk.window.findChild<HelpController *>(u"helpController"_s)->infoWindow();
            desk.trigger(u"mnuDEnde"_s);
            QVERIFY(!text->isVisible() && !info->isVisible());
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!text && !info);
    }
};

QTEST_MAIN(TestHelpWindows)
#include "tst_helpwindows.moc"
