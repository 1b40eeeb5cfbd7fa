#include "common/GermanTranslation.h"
#include "common/QtUserDialogs.h"
#include "editor/EntryListBox.h"
#include "MainWindow.h"
#include "TestFolder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

// The end of the program on a real X server, with the boxes a person sees:
// a change that is not saved keeps the window open until the person says
// "Nein" to it.
class TestClosing : public QObject
{
    Q_OBJECT

    // Each box that shows, one after the other, gets the next answer
    // clicked; its text and its buttons are noted.
    QStringList m_answers;
    QStringList m_texts;
    QStringList m_buttons;
    QPointer<QMessageBox> m_answered;
    QTimer m_watch;

    void answerShownBox()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || box == m_answered || m_answers.isEmpty())
            return;
        m_answered = box;
        const QString answer = m_answers.takeFirst();
        // Entries and file names are quoted as they are.
        m_texts << (box->textFormat() == Qt::PlainText ? box->text() : u"(not plain text) "_s + box->text());
        m_buttons.clear();
        QAbstractButton *chosen = nullptr;
        for (QAbstractButton *button : box->buttons()) {
            m_buttons << button->text();
            if (button->text() == answer)
                chosen = button;
        }
        m_buttons.sort(); // the box orders them as the platform wants
        chosen ? chosen->click() : box->reject();
    }

private slots:
    void initTestCase()
    {
        m_watch.setInterval(10);
        connect(&m_watch, &QTimer::timeout, this, &TestClosing::answerShownBox);
        m_watch.start();
        QCOMPARE(QGuiApplication::platformName(), u"xcb"_s);
        QVERIFY2(GermanTranslation::install(*QCoreApplication::instance()), "Qt's German translation is missing");
    }

    void unsavedMenuKeepsTheWindowOpen()
    {
        TestFolder folder;
        QtUserDialogs dialogs;
        MainWindow window(dialogs);
        dialogs.setParent(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QLineEdit *edit = window.findChild<EntryListBox *>(u"cboQDMenu_0"_s)->lineEdit();
        // keyClicks types ASCII only.
        QTest::keyClicks(edit, u"MENUPAGE|TASK_PAGE1|"_s);
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, u"Ł"_s, Qt::NoModifier);
        QTest::keyClicks(edit, u"odz 1|"_s);
        QTest::keyClick(edit, Qt::Key_Return);
        const QStringList entries{u"MENUPAGE|TASK_PAGE1|Łodz 1|"_s};
        QCOMPARE(window.state().recordList.entries(), entries);
        const QString question = u"Das Menü wurde geändert. Änderungen speichern?"_s;

        m_answers = {u"Abbrechen"_s};
        QVERIFY(!window.close()); // what "&Ende" does
        QCOMPARE(m_texts, QStringList{question});
        QCOMPARE(m_buttons, (QStringList{u"&Ja"_s, u"&Nein"_s, u"Abbrechen"_s}));

        // "Ł" is refused before any file dialog.
        m_answers = {u"&Ja"_s, u"OK"_s};
        QVERIFY(!window.close());
        QCOMPARE(m_texts.size(), 3);
        QVERIFY(m_texts.at(2).startsWith(u"Die Datei wurde nicht gespeichert."_s));
        QCOMPARE(window.state().recordList.entries(), entries);
        QVERIFY(window.state().recordListModified);

        m_answers = {u"&Nein"_s};
        QVERIFY(window.close());
        QCOMPARE(m_texts.size(), 4);
        QVERIFY(QDir(folder.path()).entryList(QDir::Files).isEmpty());
    }
};

QTEST_MAIN(TestClosing)
#include "tst_closing.moc"
