#include "Desk.h"
#include "help/HelpController.h"
#include "help/InfoWindow.h"
#include "help/TextWindow.h"

#include <QPlainTextEdit>
#include <QPointer>

#include <memory>

using namespace Qt::StringLiterals;

// The manual and history share one text window; the info window stands
// alone. All of them go with the main window.
class TestHelpWindows : public QObject
{
    Q_OBJECT

    std::unique_ptr<Desk> desk;
    HelpController *help() const { return desk->window.findChild<HelpController *>(u"helpController"_s); }
    QPlainTextEdit *textField() const { return help()->textWindow()->findChild<QPlainTextEdit *>(u"txtQD"_s); }

private slots:
    void init()
    {
        desk = std::make_unique<Desk>();
        desk->window.show();
    }
    void cleanup() { desk.reset(); }

    // Line by line as written, down to the blank that ends line 18.
    void manualAsWritten()
    {
        desk->trigger(u"mnuAnleitung"_s);
        QVERIFY(help()->textWindow()->isVisible() && !help()->textWindow()->parentWidget());
        const QStringList lines = textField()->toPlainText().split(u'\n');
        QCOMPARE(lines.size(), 19);
        QCOMPARE(lines.first(), u"Quonda Tastwerk 21.06.2005"_s);
        QVERIFY(lines.at(13).isEmpty());
        QCOMPARE(lines.at(17),
                 u"<Datei-Öffnen(.mnu Laden)> Zu bearbeitende Datei muss in einem Ordner des PC sein! "_s);
    }

    // Typed text is gone after the next click.
    void manualAndHistoryShareOneWindow()
    {
        desk->trigger(u"mnuAnleitung"_s);
        TextWindow *text = help()->textWindow();
        const QString manual = textField()->toPlainText();
        QTest::keyClicks(textField(), u"Notiz "_s);
        desk->trigger(u"mnuHistorie"_s);
        QCOMPARE(help()->textWindow(), text);
        QCOMPARE(text->windowTitle(), u"Historie"_s);
        QVERIFY(textField()->toPlainText().startsWith(u"Quonda Tastwerk Historie\n\nV 0.25 22.06.2005:\n"_s));
        desk->trigger(u"mnuAnleitung"_s);
        QCOMPARE(textField()->toPlainText(), manual);
    }

    void oneInfoWindowWhoseButtonsStartNothing()
    {
        desk->trigger(u"mnuInfo"_s);
        InfoWindow *info = help()->infoWindow();
        desk->trigger(u"mnuInfo"_s);
        QCOMPARE(help()->infoWindow(), info);
        for (const QString &name : {u"cmdInternet"_s, u"cmdeMail"_s})
            QTest::mouseClick(info->findChild<QPushButton *>(name), Qt::LeftButton);
        QCOMPARE(desk->dialogs.shown.size(), 0);
    }

    void closedWindowsAreMadeAfresh()
    {
        desk->trigger(u"mnuHistorie"_s);
        desk->trigger(u"mnuInfo"_s);
        const QPointer<TextWindow> text = help()->textWindow();
        help()->textWindow()->close();
        help()->infoWindow()->close();
        QVERIFY(!help()->textWindow() && !help()->infoWindow());
        desk->trigger(u"mnuHistorie"_s);
        QVERIFY(help()->textWindow() && help()->textWindow() != text.data());
    }

    void closingTheMainWindowClosesThem()
    {
        desk->trigger(u"mnuAnleitung"_s);
        desk->trigger(u"mnuInfo"_s);
        const QPointer<TextWindow> text = help()->textWindow();
        const QPointer<InfoWindow> info = help()->infoWindow();
        desk->trigger(u"mnuDEnde"_s);
        QVERIFY(!text->isVisible() && !info->isVisible());
        desk.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!text && !info);
    }
};

QTEST_MAIN(TestHelpWindows)
#include "tst_helpwindows.moc"
