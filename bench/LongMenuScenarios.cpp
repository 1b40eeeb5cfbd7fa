#include "common/ClickableImage.h"
#include "editor/EntryListBox.h"
#include "EventLoop.h"
#include "files/FileCommands.h"
#include "library/ButtonField.h"
#include "library/ButtonFileNames.h"
#include "LongMenu.h"
#include "model/MenuRecords.h"
#include "Scenarios.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

constexpr int Middle = LongMenu::Middle;

// A Return typed into the record list's edit field, pressed and released.
void typeReturn(QLineEdit *edit)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, u"\r"_s);
    QCoreApplication::sendEvent(edit, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, u"\r"_s);
    QCoreApplication::sendEvent(edit, &release);
}

QString noteFailure(const QString &failure, const QString &more)
{
    return failure.isEmpty() ? more : failure;
}

Outcome clickOnButton(LongMenu &menu, const QString &command, const ComparisonRunner &runner)
{
    EntryListModel &list = menu.shown.window.state().recordList;
    // One step shows the first batch, whose buttons then answer clicks.
    menu.shown.child<QPushButton>(u"cmdQDButton_2"_s)->click();
    EventLoop::settle();
    ClickableImage *button = menu.shown.buttonField().image(1);
    const QString appended = MenuRecords::itemForButton(command, menu.shown.child<QLineEdit>(u"txtTitel_0"_s)->text());
    QString failure;
    const auto removeLast = [&list, &failure, &appended] {
        if (list.count() != LongMenu::Records + 1 || list.at(list.count() - 1) != appended)
            failure = u"the click appended no record "_s + appended;
        list.remove(list.count() - 1);
        EventLoop::settle();
    };
    QStringListModel &floor = menu.floorModel;
    Comparison comparison{
        .title = u"7. A click on a button picture, 1,000,000 records"_s,
        .oursDoes = u"the click: the record made and appended, the record list's view updated"_s,
        .floorDoes = u"append one string to a QStringListModel of 1,000,000 lines shown in a QListView of the "
                     "same size"_s,
        .limit = 1.5,
        .ours = Comparison::Side::timed(
            [&] {
                emit button->clicked();
                EventLoop::settle();
            },
            {}, removeLast),
        .floor = Comparison::Side::timed(
            [&] {
                floor.insertRows(floor.rowCount(), 1);
                floor.setData(floor.index(floor.rowCount() - 1), appended);
                EventLoop::settle();
            },
            {},
            [&] {
                floor.removeRows(floor.rowCount() - 1, 1);
                EventLoop::settle();
            }),
    };
    Outcome outcome = runner.run(comparison);
    outcome.failure = noteFailure(failure, menu.shown.dialogs.unexpectedMessages());
    return outcome;
}

Outcome returnChanging(LongMenu &menu, const ComparisonRunner &runner)
{
    EntryListModel &list = menu.shown.window.state().recordList;
    const std::array<QString, 2> texts{menu.records.at(Middle) + u'x', menu.records.at(Middle)};
    std::size_t ourTurn = 0;
    std::size_t floorTurn = 0;
    QString failure;
    QStringListModel &floor = menu.floorModel;
    Comparison comparison{
        .title = u"8. Return on record 500,000, changed"_s,
        .oursDoes = u"Return in the record list's edit field: the selected record replaced, the view updated"_s,
        .floorDoes = u"setData on that line of the QStringListModel"_s,
        .limit = 1.5,
        .ours = Comparison::Side::timed(
            [&] {
                typeReturn(menu.box->lineEdit());
                EventLoop::settle();
            },
            [&] {
                menu.box->selectRow(Middle);
                menu.box->setText(texts.at(ourTurn++ % 2));
                EventLoop::settle();
            },
            [&] {
                if (list.count() != LongMenu::Records || list.at(Middle) != texts.at((ourTurn - 1) % 2))
                    failure = u"Return did not change record 500,000"_s;
            }),
        .floor = Comparison::Side::timed([&] {
            floor.setData(floor.index(Middle), texts.at(floorTurn++ % 2));
            EventLoop::settle();
        }),
    };
    Outcome outcome = runner.run(comparison);
    outcome.failure = noteFailure(failure, menu.shown.dialogs.unexpectedMessages());
    menu.restore();
    return outcome;
}

Outcome returnDeleting(LongMenu &menu, const ComparisonRunner &runner)
{
    EntryListModel &list = menu.shown.window.state().recordList;
    const QString record = menu.records.at(Middle);
    QString failure;
    QStringListModel &floor = menu.floorModel;
    Comparison comparison{
        .title = u"9. Return with empty text on record 500,000, deleted"_s,
        .oursDoes = u"Return in the emptied edit field: the selected record removed, the view updated"_s,
        .floorDoes = u"removeRows of that line of the QStringListModel"_s,
        .limit = 1.5,
        .ours = Comparison::Side::timed(
            [&] {
                typeReturn(menu.box->lineEdit());
                EventLoop::settle();
            },
            [&] {
                menu.box->selectRow(Middle);
                menu.box->setText({});
                EventLoop::settle();
            },
            [&] {
                if (list.count() != LongMenu::Records - 1)
                    failure = u"Return did not delete record 500,000"_s;
                list.insert(Middle, record);
                EventLoop::settle();
            }),
        .floor = Comparison::Side::timed(
            [&] {
                floor.removeRows(Middle, 1);
                EventLoop::settle();
            },
            {},
            [&] {
                floor.insertRows(Middle, 1);
                floor.setData(floor.index(Middle), record);
                EventLoop::settle();
            }),
    };
    Outcome outcome = runner.run(comparison);
    outcome.failure = noteFailure(failure, menu.shown.dialogs.unexpectedMessages());
    menu.restore();
    return outcome;
}

Outcome moveByTen(LongMenu &menu, const ComparisonRunner &runner)
{
    EntryListModel &list = menu.shown.window.state().recordList;
    const QString record = menu.records.at(Middle);
    QPushButton *downTen = menu.shown.child<QPushButton>(u"cmdAb10"_s);
    QString failure;
    QStringListModel &floor = menu.floorModel;
    Comparison comparison{
        .title = u"10. A move by ten at record 500,000"_s,
        .oursDoes = u"\"Ab 10\" with record 500,000 selected: moved, selected again at its new place, the view "
                    "updated"_s,
        .floorDoes = u"moveRows of that line of the QStringListModel ten places down"_s,
        .limit = 1.5,
        .ours = Comparison::Side::timed(
            [&] {
                downTen->click();
                EventLoop::settle();
            },
            [&] {
                menu.box->selectRow(Middle);
                EventLoop::settle();
            },
            [&] {
                if (list.at(Middle + 10) != record || menu.box->currentRow() != Middle + 10)
                    failure = u"the record was not moved by ten"_s;
                list.remove(Middle + 10);
                list.insert(Middle, record);
                EventLoop::settle();
            }),
        .floor = Comparison::Side::timed(
            [&] {
                floor.moveRows({}, Middle, 1, {}, Middle + 11);
                EventLoop::settle();
            },
            {},
            [&] {
                floor.moveRows({}, Middle + 10, 1, {}, Middle);
                EventLoop::settle();
            }),
    };
    Outcome outcome = runner.run(comparison);
    outcome.failure = noteFailure(failure, menu.shown.dialogs.unexpectedMessages());
    menu.restore();
    return outcome;
}

Outcome clearMenu(LongMenu &menu, const ComparisonRunner &runner)
{
    EntryListModel &list = menu.shown.window.state().recordList;
    QPushButton *clear = menu.shown.child<QPushButton>(u"cmdQDButton_0"_s);
    QString failure;
    QStringListModel &floor = menu.floorModel;
    menu.shown.dialogs.forgetMessages();
    Comparison comparison{
        .title = u"12. \"&Menü Löschen\", 1,000,000 records"_s,
        .oursDoes = u"the click and Yes to its question: the record list emptied, the view updated"_s,
        .floorDoes = u"setStringList({}) on the QStringListModel"_s,
        .limit = 1.5,
        .ours = Comparison::Side::timed(
            [&] {
                clear->click();
                EventLoop::settle();
            },
            [&] { menu.restore(); },
            [&] {
                if (!list.isEmpty())
                    failure = u"the record list was not emptied"_s;
            }),
        .floor = Comparison::Side::timed(
            [&] {
                floor.setStringList({});
                EventLoop::settle();
            },
            [&] { menu.restore(); }),
    };
    Outcome outcome = runner.run(comparison);
    outcome.failure = noteFailure(failure, menu.shown.dialogs.unexpectedMessages(u"Menü wirklich Löschen? "_s));
    menu.restore();
    return outcome;
}

// The question at shut-down asks only when the record list differs from
// what its file held.
QList<Outcome> shutDownCheck(LongMenu &menu, const ComparisonRunner &runner)
{
    EntryListModel &list = menu.shown.window.state().recordList;
    // Taken as saved with the list as it stands, as after "&Öffnen".
    FileCommands commands(menu.shown.window.state(), menu.shown.dialogs);
    const QStringList saved = menu.records;
    QStringList floorList = menu.records;
    bool differs = false;
    bool floorEqual = false;
    QList<Outcome> outcomes;

    Comparison unchanged{
        .title = u"13. The shut-down's check for changes, unchanged list"_s,
        .oursDoes = u"whether the record list of 1,000,000 records differs from its file, nothing changed"_s,
        .floorDoes = u"compare two equal QStringLists of 1,000,000 lines"_s,
        .limit = 1.5,
        .ours = Comparison::Side::timed([&] { differs = commands.menuDiffersFromFile(); }),
        .floor = Comparison::Side::timed([&] { floorEqual = floorList == saved; }),
    };
    // The two lists are apart in memory, as a file read and a list edited are.
    floorList.detach();
    outcomes.append(runner.run(unchanged));
    if (differs || !floorEqual)
        outcomes.last().failure = u"an unchanged list was taken as changed"_s;

    list.replace(LongMenu::Records - 1, menu.records.constLast() + u'x');
    floorList.last() += u'x';
    Comparison changed = unchanged;
    changed.title = u"14. The shut-down's check for changes, changed list"_s;
    changed.oursDoes = u"whether the record list of 1,000,000 records differs from its file, its last record changed"_s;
    changed.floorDoes = u"compare two QStringLists of 1,000,000 lines that differ in the last"_s;
    outcomes.append(runner.run(changed));
    if (!differs || floorEqual)
        outcomes.last().failure = u"a changed list was taken as unchanged"_s;
    menu.restore();
    return outcomes;
}

} // namespace

QList<Outcome> Scenarios::longMenu(BenchFolder &folder, const ComparisonRunner &runner,
                                   const std::function<bool(int)> &wanted)
{
    LongMenu menu(folder);
    menu.shown.loadButtons(folder);
    QList<Outcome> outcomes;
    if (wanted(7))
        outcomes.append(clickOnButton(menu, ButtonFileNames::commandName(folder.buttonNames().constFirst()), runner));
    if (wanted(8))
        outcomes.append(returnChanging(menu, runner));
    if (wanted(9))
        outcomes.append(returnDeleting(menu, runner));
    if (wanted(10))
        outcomes.append(moveByTen(menu, runner));
    if (wanted(12))
        outcomes.append(clearMenu(menu, runner));
    if (wanted(13) || wanted(14))
        outcomes.append(shutDownCheck(menu, runner));
    return outcomes;
}
