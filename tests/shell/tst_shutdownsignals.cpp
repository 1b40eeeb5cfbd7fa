#include "Desk.h"
#include "ShutdownSignals.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QThread>

#ifdef Q_OS_UNIX
#include <csignal>
#endif

using namespace Qt::StringLiterals;

namespace {

// Whether the process handles `signal` itself, as its status in /proc says.
bool catches(qint64 pid, int signal)
{
    QFile status(u"/proc/%1/status"_s.arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("SigCgt:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (signal - 1)) & 1U;
    }
    return false;
}

} // namespace

// The signals of a desktop logging out, of Ctrl+C and of a closed terminal
// end the program as "&Ende" does, and ask what it asks.
class TestShutdownSignals : public QObject
{
    Q_OBJECT

private slots:
    void programEndsAsEndDoes_data()
    {
        QTest::addColumn<int>("signal");
#ifdef Q_OS_UNIX
        QTest::newRow("SIGTERM, logging out") << int(SIGTERM);
        QTest::newRow("SIGINT, Ctrl+C") << int(SIGINT);
        QTest::newRow("SIGHUP, terminal closed") << int(SIGHUP);
#else
        QTest::newRow("no Unix signals") << 0;
#endif
    }

    void programEndsAsEndDoes()
    {
#ifndef Q_OS_LINUX
        QFAIL("needs Unix signals and /proc to see when the program has taken them over");
#endif
        QFETCH(int, signal);
        const TestFolder folder; // no Quonda.dat: no box at the start
        QProcess program;
        program.start(QStringLiteral(TASTWERK_PROGRAM), {});
        QVERIFY2(program.waitForStarted(), qPrintable(program.errorString()));
        // Until the program has its handler, the signal would end it the hard way.
        const QDeadlineTimer patience(60 * 1000);
        while (!catches(program.processId(), signal) && !patience.hasExpired() && program.state() == QProcess::Running)
            QThread::msleep(10);
        if (!catches(program.processId(), signal)) {
            program.kill();
            program.waitForFinished();
            QFAIL("the program never took the signal over");
        }
#ifdef Q_OS_UNIX
        ::kill(pid_t(program.processId()), signal);
#endif
        QVERIFY(program.waitForFinished());
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
    }

    void signalAsksAboutUnsavedChanges()
    {
#ifndef Q_OS_UNIX
        QFAIL("needs Unix signals");
#else
        Desk desk;
        ShutdownSignals shutdownSignals;
        connect(&shutdownSignals, &ShutdownSignals::received, &desk.window, &QWidget::close);
        desk.window.show();
        desk.state.recordList.append(u"MENUITEM|TASK_ABOUT|"_s);

        desk.dialogs.answer(UserDialogs::Answer::Cancel);
        ::raise(SIGTERM);
        QCoreApplication::processEvents();
        QCOMPARE(desk.dialogs.messages(), QStringList{u"Das Menü wurde geändert. Änderungen speichern?"_s});
        QVERIFY(desk.window.isVisible());

        desk.dialogs.answer(UserDialogs::Answer::No);
        ::raise(SIGINT);
        QCoreApplication::processEvents();
        QCOMPARE(desk.dialogs.messages().size(), 2);
        QVERIFY(!desk.window.isVisible());
        QCOMPARE(desk.dialogs.unexpected, 0);
#endif
    }
};

QTEST_MAIN(TestShutdownSignals)
#include "tst_shutdownsignals.moc"
