#include "Desk.h"
#include "shell/HelpController.h"
#include "shell/HelpTexts.h"
#include "shell/InfoWindow.h"
#include "shell/TextWindow.h"

#include <QPlainTextEdit>
#include <QPointer>

using namespace Qt::StringLiterals;

namespace {

// What the text field holds for a text whose lines are joined by CR LF.
QString shownAs(QString text)
{
    return text.replace(u"\r\n"_s, u"\n"_s);
}

} // namespace

// The manual and history share one text window; the info window stands
// alone. All of them go with the main window.
class TestHelpWindows : public QObject
{
    Q_OBJECT

private slots:
    void textsLineByLine()
    {
        for (const QString &text : {HelpTexts::manual(), HelpTexts::history()}) {
            // Lines joined by CR LF, no line break of another kind, none at the end.
            QCOMPARE(text.count(u'\r'), text.count(u"\r\n"_s));
            QCOMPARE(text.count(u'\n'), text.count(u"\r\n"_s));
            QVERIFY(!text.endsWith(u'\n'));
        }
        const QStringList manual = HelpTexts::manual().split(u"\r\n"_s);
        QCOMPARE(manual.size(), 19);
        QCOMPARE(manual.indexOf(QString()), 13);
        QCOMPARE(manual.at(9), u"Lösch: Rec anklicken, oben in Text löschen und Return."_s);
        // The only line with a blank at either end.
        QCOMPARE(manual.at(17),
                 u"<Datei-Öffnen(.mnu Laden)> Zu bearbeitende Datei muss in einem Ordner des PC sein! "_s);
        for (int i = 0; i < manual.size(); ++i)
            QVERIFY(i == 17 || manual.at(i) == manual.at(i).trimmed());
        const QStringList history = HelpTexts::history().split(u"\r\n"_s);
        QCOMPARE(history.size(), 16);
        QCOMPARE(history.count(QString()), 5);
        QCOMPARE(history.at(2), u"V 0.25 22.06.2005:"_s);
    }

    void oneWindowEachMadeAfreshWhenClosed()
    {
        Desk desk;
        desk.window.show();
        desk.trigger(u"mnuAnleitung"_s);
        QPointer<TextWindow> text = desk.window.help()->textWindow();
        auto *field = text->findChild<QPlainTextEdit *>(u"txtQD"_s);
        QVERIFY(text->isVisible() && !text->parentWidget());
        QCOMPARE(field->toPlainText(), shownAs(HelpTexts::manual()));

        // Typed text is gone after the next click.
        field->moveCursor(QTextCursor::Start);
        QTest::keyClicks(field, u"Notiz "_s);
        desk.trigger(u"mnuHistorie"_s);
        QCOMPARE(desk.window.help()->textWindow(), text.data());
        QCOMPARE(field->toPlainText(), shownAs(HelpTexts::history()));

        // The text field keeps its size, also after a minimised window comes back.
        const QRect fixed(0, 0, 369, 201);
        text->resize(700, 500);
        text->showMinimized();
        field->setGeometry(10, 10, 50, 50); // stands for whatever the platform does to a minimised window
        desk.trigger(u"mnuAnleitung"_s);
        QVERIFY(!text->isMinimized());
        QCOMPARE(field->geometry(), fixed);

        QPointer<InfoWindow> info = desk.window.help()->infoWindow();
        QVERIFY(!info);
        desk.trigger(u"mnuInfo"_s);
        info = desk.window.help()->infoWindow();
        desk.trigger(u"mnuInfo"_s);
        QCOMPARE(desk.window.help()->infoWindow(), info.data());
        for (const QString &name : {u"cmdInternet"_s, u"cmdeMail"_s}) // they start nothing
            QTest::mouseClick(info->findChild<QPushButton *>(name), Qt::LeftButton);
        QCOMPARE(desk.dialogs.shown.size(), 0);

        text->close();
        info->close();
        QVERIFY(!desk.window.help()->textWindow() && !desk.window.help()->infoWindow());
        desk.trigger(u"mnuHistorie"_s);
        QVERIFY(desk.window.help()->textWindow());
        QCOMPARE(desk.window.help()->textWindow()->windowTitle(), u"Historie"_s);
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
            text = desk.window.help()->textWindow();
            info = desk.window.help()->infoWindow();
            desk.trigger(u"mnuDEnde"_s);
            QVERIFY(!text->isVisible() && !info->isVisible());
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!text && !info);
    }
};

QTEST_MAIN(TestHelpWindows)
#include "tst_helpwindows.moc"
