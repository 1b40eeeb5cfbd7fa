// The built program, run the way a person runs it in a terminal that has
// no display: the commands that answer there must not need one.

#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

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
};

QTEST_GUILESS_MAIN(TestProgramRun)
#include "tst_programrun.moc"
