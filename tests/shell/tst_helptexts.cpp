#include "shell/HelpTexts.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestHelpTexts : public QObject
{
    Q_OBJECT

private:
    static QList<int> emptyLines(const QStringList &lines)
    {
        QList<int> numbers;
        for (int i = 0; i < lines.size(); ++i) {
            if (lines.at(i).isEmpty())
                numbers << i + 1;
        }
        return numbers;
    }

private slots:
    void lineBreaksAreCrLf_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("manual") << HelpTexts::manual();
        QTest::newRow("history") << HelpTexts::history();
    }

    void lineBreaksAreCrLf()
    {
        QFETCH(QString, text);
        const qsizetype pairs = text.count(u"\r\n"_s);
        QVERIFY(pairs > 0);
        QCOMPARE(text.count(u'\r'), pairs);
        QCOMPARE(text.count(u'\n'), pairs);
        QVERIFY(!text.endsWith(u'\n'));
    }

    void manualLineByLine()
    {
        const QStringList lines = HelpTexts::manual().split(u"\r\n"_s);
        QCOMPARE(lines.size(), 19);
        QCOMPARE(emptyLines(lines), QList<int>{14});
        QCOMPARE(lines.at(0), u"Quonda Tastwerk 21.06.2005"_s);
        QCOMPARE(lines.at(2),
                 u"Zuerst auf <Buttons-Ordner Wählen> drücken und den Ordner mit den .gifs mit Doppelklick "
                 u"auswählen. Dann <Buttons-Laden>, File-List erscheint. Wenn die .gifs drin sind OK. Dann "
                 u"<Start/Weiter>."_s);
        QCOMPARE(lines.at(9), u"Lösch: Rec anklicken, oben in Text löschen und Return."_s);
        QCOMPARE(lines.at(17),
                 u"<Datei-Öffnen(.mnu Laden)> Zu bearbeitende Datei muss in einem Ordner des PC sein! "_s);
        QVERIFY(lines.at(18).endsWith(u"sollte man in Sicherheit außerhalb dieses Ordners bringen."_s));
        // Line 18 is the only one with a blank at either end.
        for (int i = 0; i < lines.size(); ++i) {
            if (i != 17)
                QCOMPARE(lines.at(i), lines.at(i).trimmed());
        }
    }

    void historyLineByLine()
    {
        const QStringList lines = HelpTexts::history().split(u"\r\n"_s);
        QCOMPARE(lines.size(), 16);
        QCOMPARE(emptyLines(lines), (QList<int>{2, 5, 8, 11, 14}));
        QCOMPARE(lines.at(2), u"V 0.25 22.06.2005:"_s);
        QCOMPARE(lines.at(6),
                 u"Div. kleinere Änderungen an Buttons, Bug Beschriftung Button zu Befehl Länge 0 abgefangen. "
                 u"CopyRight hinzu, Beschriftung der Quonda-Buttons 'Sans Light', ist schmäler."_s);
        QCOMPARE(lines.at(15), u"1. Ausgabe"_s);
        for (const QString &line : lines)
            QCOMPARE(line, line.trimmed());
    }
};

QTEST_APPLESS_MAIN(TestHelpTexts)
#include "tst_helptexts.moc"
