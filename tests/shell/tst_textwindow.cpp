#include "ScriptedDialogs.h"
#include "shell/HelpController.h"
#include "shell/HelpTexts.h"
#include "shell/InfoWindow.h"
#include "shell/MainWindow.h"
#include "shell/TextWindow.h"
#include "TestFolder.h"

#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>

using namespace Qt::StringLiterals;

class TestTextWindow : public QObject
{
    Q_OBJECT

private:
    static void trigger(MainWindow &window, const QString &action) { window.findChild<QAction *>(action)->trigger(); }

    // What the text field holds for a text whose lines are joined by CR LF.
    static QString shownAs(const QString &text)
    {
        QString lines = text;
        return lines.replace(u"\r\n"_s, u"\n"_s);
    }

    static QPlainTextEdit *textField(MainWindow &window)
    {
        return window.help()->textWindow()->findChild<QPlainTextEdit *>(u"txtQD"_s);
    }

    static void deleteClosedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

private slots:
    void manualThenHistoryInOneWindow()
    {
        TestFolder folder;
        ScriptedDialogs dialogs;
        MainWindow window(dialogs);
        window.show();
        QVERIFY(!window.help()->textWindow());

        trigger(window, u"mnuAnleitung"_s);
        QPointer<TextWindow> text = window.help()->textWindow();
        QVERIFY(text);
        QVERIFY(text->isVisible());
        QVERIFY(!text->parentWidget());
        QCOMPARE(text->windowModality(), Qt::NonModal);
        QVERIFY(!text->windowIcon().isNull());
        QCOMPARE(text->size(), QSize(370, 202));
        QCOMPARE(text->windowTitle(), u"Anleitung"_s);
        QCOMPARE(textField(window)->toPlainText(), shownAs(HelpTexts::manual()));
        QCOMPARE(textField(window)->document()->blockCount(), 19);

        trigger(window, u"mnuHistorie"_s);
        QCOMPARE(window.help()->textWindow(), text.data());
        QCOMPARE(text->windowTitle(), u"Historie"_s);
        QCOMPARE(textField(window)->toPlainText(), shownAs(HelpTexts::history()));
        QCOMPARE(textField(window)->document()->blockCount(), 16);
        QCOMPARE(dialogs.shown.size(), 0);
    }

    void typedTextIsGoneAfterTheNextClick()
    {
        TestFolder folder;
        ScriptedDialogs dialogs;
        MainWindow window(dialogs);
        trigger(window, u"mnuHistorie"_s);
        QPlainTextEdit *field = textField(window);
        QVERIFY(!field->isReadOnly());
        field->moveCursor(QTextCursor::Start);
        QTest::keyClicks(field, u"Notiz "_s);
        QVERIFY(field->toPlainText().startsWith(u"Notiz Quonda"_s));

        trigger(window, u"mnuHistorie"_s);
        QCOMPARE(field->toPlainText(), shownAs(HelpTexts::history()));
    }

    void textFieldKeepsItsSize()
    {
        TestFolder folder;
        ScriptedDialogs dialogs;
        MainWindow window(dialogs);
        trigger(window, u"mnuAnleitung"_s);
        TextWindow *text = window.help()->textWindow();
        QPlainTextEdit *field = textField(window);
        const QRect fixed(0, 0, 369, 201);
        QCOMPARE(field->geometry(), fixed);
        QCOMPARE(text->findChild<QWidget *>(u"imgQDText"_s)->geometry(), fixed);

        text->resize(700, 500);
        QCOMPARE(field->geometry(), fixed);

        text->showMinimized();
        QVERIFY(text->isMinimized());
        field->setGeometry(10, 10, 50, 50); // stands for whatever the platform does to a minimised window
        text->showNormal();
        QVERIFY(!text->isMinimized());
        QCOMPARE(field->geometry(), fixed);
        QCOMPARE(text->windowTitle(), u"Anleitung"_s);

        // The menu brings a minimised window back into view.
        text->showMinimized();
        trigger(window, u"mnuHistorie"_s);
        QCOMPARE(window.help()->textWindow(), text);
        QVERIFY(!text->isMinimized());
        QCOMPARE(field->geometry(), fixed);
    }

    void closedWindowIsMadeAfresh()
    {
        TestFolder folder;
        ScriptedDialogs dialogs;
        MainWindow window(dialogs);
        trigger(window, u"mnuAnleitung"_s);
        QPointer<TextWindow> first = window.help()->textWindow();
        first->close();
        QVERIFY(!window.help()->textWindow());
        deleteClosedWindows();
        QVERIFY(!first);

        trigger(window, u"mnuHistorie"_s);
        QVERIFY(window.help()->textWindow());
        QCOMPARE(window.help()->textWindow()->windowTitle(), u"Historie"_s);
        QCOMPARE(textField(window)->toPlainText(), shownAs(HelpTexts::history()));
    }

    void closingTheMainWindowClosesBoth()
    {
        TestFolder folder;
        ScriptedDialogs dialogs;
        MainWindow window(dialogs);
        window.show();
        trigger(window, u"mnuAnleitung"_s);
        trigger(window, u"mnuInfo"_s);
        QPointer<TextWindow> text = window.help()->textWindow();
        QPointer<InfoWindow> info = window.help()->infoWindow();
        QVERIFY(text && info);

        trigger(window, u"mnuDEnde"_s);
        QVERIFY(!window.isVisible());
        QVERIFY(!text->isVisible());
        QVERIFY(!info->isVisible());
        deleteClosedWindows();
        QVERIFY(!text);
        QVERIFY(!info);
        QCOMPARE(dialogs.unexpected, 0);
    }

    void windowsLeftOpenGoWithTheMainWindow()
    {
        QPointer<TextWindow> text;
        QPointer<InfoWindow> info;
        {
            TestFolder folder;
            ScriptedDialogs dialogs;
            MainWindow window(dialogs);
            trigger(window, u"mnuHistorie"_s);
            trigger(window, u"mnuInfo"_s);
            text = window.help()->textWindow();
            info = window.help()->infoWindow();
        }
        QVERIFY(!text);
        QVERIFY(!info);
    }
};

QTEST_MAIN(TestTextWindow)
#include "tst_textwindow.moc"
