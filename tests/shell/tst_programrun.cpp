// The built program, run the way a person runs it: in a terminal that has
// no display, the commands that answer there must not need one; and the
// signals of a desktop logging out, of Ctrl+C and of a closed terminal end
// it as "&Ende" does.

#include "ShutdownSignals.h"
#include "TestFolder.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
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

class TestProgramRun : public QObject
{
    Q_OBJECT

private slots:
    void answersWithoutADisplay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QByteArray>("err");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("help")
            << QStringList{u"--help"_s}
            << u"Aufruf: qd5tastwerk [OPTION …] [DATEI.mnu]\n"
               u"Stellt das eigene Menü eines Navigationsgeräts der Generation 5 aus\n"
               u"Button-Bildern zusammen.\n"
               u"\n"
               u"Ohne Option öffnet sich das Hauptfenster. Eine DATEI.mnu wird darin\n"
               u"geöffnet wie mit „Datei“ → „Öffnen“; ein Dateiname, der mit „-“\n"
               u"beginnt, steht nach „--“.\n"
               u"\n"
               u"Optionen:\n"
               u"  -h, --help           Zeigt diese Hilfe und beendet das Programm.\n"
               u"  -v, --version        Zeigt die Version und beendet das Programm.\n"
               u"  --check DATEI        Prüft die Menü-Datei DATEI, ohne ein Fenster zu öffnen.\n"
               u"  --buttons ORDNER     Zu --check: der Button-Ordner mit den Bildern.\n"
               u"  --vocabulary DATEI   Zu --check: die Vokabel-Datei statt Quonda.dat.\n"
               u"\n"
               u"--check schreibt eine Zeile je Fund („DATEI:ZEILE: Fehler: …“) und endet\n"
               u"mit 0 ohne Fehler, mit 1 bei Fehlern und mit 2, wenn DATEI nicht lesbar ist.\n"_s.toUtf8()
            << QByteArray() << 0;
        QTest::newRow("version") << QStringList{u"--version"_s} << QByteArray("QD5 Tastwerk 0.25\n") << QByteArray()
                                 << 0;
        QTest::newRow("unknown option") << QStringList{u"--farbe"_s, u"menu.mnu"_s} << QByteArray()
                                        << u"qd5tastwerk: Unbekannte Option „--farbe“.\n"
                                           u"Aufruf: qd5tastwerk [OPTION …] [DATEI.mnu]\n"
                                           u"„qd5tastwerk --help“ zeigt alle Optionen.\n"_s.toUtf8()
                                        << 2;
        // The checker's answer comes from the window-less program as well.
        QTest::newRow("check") << QStringList{u"--check"_s, u"/nicht/da.mnu"_s} << QByteArray()
                               << u"/nicht/da.mnu: Fehler: Fehler beim Öffnen der Datei.\n"_s.toUtf8() << 2;
    }

    void answersWithoutADisplay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, out);
        QFETCH(QByteArray, err);
        QFETCH(int, exitCode);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        // With none of these a window could not open: Qt would abort.
        for (const QString &name : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s})
            environment.remove(name);
        program.setProcessEnvironment(environment);
        program.start(QString::fromUtf8(TASTWERK_PROGRAM), arguments);
        QVERIFY2(program.waitForFinished(), qPrintable(program.errorString()));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.readAllStandardError(), err);
        QCOMPARE(program.readAllStandardOutput(), out);
        QCOMPARE(program.exitCode(), exitCode);
    }

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

    // A later signal reaches the event loop as well as the first: a close
    // that was cancelled must not leave the program deaf to the next one.
    void everySignalIsReceived()
    {
#ifndef Q_OS_UNIX
        QFAIL("needs Unix signals");
#else
        ShutdownSignals shutdownSignals;
        QSignalSpy received(&shutdownSignals, &ShutdownSignals::received);
        ::raise(SIGTERM);
        QCoreApplication::processEvents();
        QCOMPARE(received.size(), 1);
        ::raise(SIGINT);
        QCoreApplication::processEvents();
        QCOMPARE(received.size(), 2);
#endif
    }
};

QTEST_GUILESS_MAIN(TestProgramRun)
#include "tst_programrun.moc"
