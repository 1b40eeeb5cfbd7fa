#include "common/GermanTranslation.h"
#include "common/QtUserDialogs.h"
#include "editor/EntryListBox.h"
#include "MainWindow.h"
#include "MenuBarClicks.h"
#include "TestFolder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

struct Box
{
    QString text;
    QStringList buttons;
    Qt::TextFormat format;
};

} // namespace

// The end of the program on a real X server, with the boxes a person sees:
// a change that is not saved keeps the window open until the person says
// "Nein" to it.
class TestClosing : public QObject
{
    Q_OBJECT

    QList<Box> m_boxes;
    QStringList m_answers;
    QPointer<QMessageBox> m_answered;
    QTimer m_watch;

    // Each box that shows, one after the other, gets the next of `answers`
    // clicked; its text and buttons are noted.
    void answerBoxes(const QStringList &answers)
    {
        m_answers = answers;
        m_watch.start();
    }

    void answerShownBox()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || box == m_answered || m_answers.isEmpty())
            return;
        m_answered = box;
        const QString answer = m_answers.takeFirst();
        Box seen{box->text(), {}, box->textFormat()};
        QAbstractButton *chosen = nullptr;
        for (QAbstractButton *button : box->buttons()) {
            seen.buttons << button->text();
            if (button->text() == answer)
                chosen = button;
        }
        seen.buttons.sort(); // the box orders them as the platform wants
        m_boxes << seen;
        chosen ? chosen->click() : box->reject();
    }

private slots:
    void initTestCase()
    {
        m_watch.setInterval(10);
        connect(&m_watch, &QTimer::timeout, this, &TestClosing::answerShownBox);
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
        const QStringList threeButtons{u"&Ja"_s, u"&Nein"_s, u"Abbrechen"_s}; // sorted

        answerBoxes({u"Abbrechen"_s});
        QVERIFY(MenuBarClicks::choose(window.menuBar(), u"&Datei"_s, u"&Ende"_s));
        QVERIFY(window.isVisible());
        QCOMPARE(m_boxes.size(), 1);
        QCOMPARE(m_boxes.at(0).text, question);
        QCOMPARE(m_boxes.at(0).buttons, threeButtons);
        QCOMPARE(m_boxes.at(0).format, Qt::PlainText); // entries and file names are quoted as they are

        // "Ł" is refused before any file dialog.
        answerBoxes({u"&Ja"_s, u"OK"_s});
        QVERIFY(MenuBarClicks::choose(window.menuBar(), u"&Datei"_s, u"&Ende"_s));
        QCOMPARE(m_boxes.size(), 3);
        QVERIFY(m_boxes.at(2).text.startsWith(u"Die Datei wurde nicht gespeichert."_s));
        QVERIFY(window.isVisible());
        QCOMPARE(window.state().recordList.entries(), entries);
        QVERIFY(window.state().recordListModified);

        answerBoxes({u"&Nein"_s});
        QVERIFY(MenuBarClicks::choose(window.menuBar(), u"&Datei"_s, u"&Ende"_s));
        QCOMPARE(m_boxes.size(), 4);
        QVERIFY(!window.isVisible());
        QVERIFY(QDir(folder.path()).entryList(QDir::Files).isEmpty());
    }
};

QTEST_MAIN(TestClosing)
#include "tst_closing.moc"
