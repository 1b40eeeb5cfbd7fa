// A million records opened, cleared and brought back by undo exist once:
// the list that comes back is the very one that was opened, not a copy.

#include "Desk.h"

#include <QFile>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

constexpr int Records = 1'000'000;

// The peak resident memory of this process so far, as Linux counts it.
QString peakMemory()
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return u"unknown"_s;
    const auto match = QRegularExpression(u"VmHWM:\\s*(\\d+) kB"_s).match(QString::fromLatin1(status.readAll()));
    return match.hasMatch() ? u"%1 MB"_s.arg(match.captured(1).toLongLong() / 1024) : u"unknown"_s;
}

} // namespace

class TestUndoMemory : public QObject
{
    Q_OBJECT

private slots:
    void clearedMillionComesBackUncopied()
    {
        Desk desk;
        QByteArray bytes;
        bytes.reserve(Records * 28);
        for (int record = 0; record < Records; ++record)
            bytes += "MENUITEM|TASK_" + QByteArray::number(record) + "|\r\n";
        desk.dialogs.chooseFile(desk.folder.write(u"large.mnu"_s, bytes));
        bytes = {};
        qInfo("before opening: peak %s", qPrintable(peakMemory()));
        desk.trigger(u"mnuDLaden"_s);
        QCOMPARE(desk.state.recordList.count(), Records);
        const QString *opened = desk.state.recordList.entries().constData();
        qInfo("opened: peak %s", qPrintable(peakMemory()));

        desk.dialogs.answer(UserDialogs::Answer::Yes);
        desk.click(Builder::ClearMenu);
        QVERIFY(desk.state.recordList.isEmpty());
        desk.trigger(u"mnuBeRueckgaengig"_s);
        QCOMPARE(desk.state.recordList.count(), Records);
        QCOMPARE(desk.state.recordList.entries().constData(), opened);
        QCOMPARE(desk.state.recordList.at(Records - 1), u"MENUITEM|TASK_999999|"_s);
        desk.trigger(u"mnuBeWiederherstellen"_s);
        desk.trigger(u"mnuBeRueckgaengig"_s);
        QCOMPARE(desk.state.recordList.entries().constData(), opened);
        QVERIFY(!desk.recordHistory()->differs());
        qInfo("opened, cleared, undone, redone, undone: peak %s", qPrintable(peakMemory()));
        QCOMPARE(desk.dialogs.unexpected, 0);
    }
};

QTEST_MAIN(TestUndoMemory)
#include "tst_undomemory.moc"
