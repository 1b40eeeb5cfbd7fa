// Every text a person reads, exactly: captions, tooltips and window titles,
// then each box and file dialog in the order one session meets them.

#include "Desk.h"

#include <QApplication>
#include <QMenuBar>

using namespace Qt::StringLiterals;
using Kind = ScriptedDialogs::Kind;
using Icon = UserDialogs::Icon;
using Buttons = UserDialogs::Buttons;

namespace {

QString box(Kind kind, const QString &text, const QString &title = {}, Icon icon = Icon::None,
            Buttons buttons = Buttons::Ok, const QString &filter = {})
{
    return QStringList{QString::number(int(kind)),    text,  title, QString::number(int(icon)),
                       QString::number(int(buttons)), filter}
        .join(u" ¦ "_s);
}

QStringList menuTexts(const QList<QAction *> &actions)
{
    QStringList result;
    for (const QAction *action : actions)
        result << (action->isSeparator() ? u"-"_s : action->text());
    return result;
}

} // namespace

class TestUserTexts : public QObject
{
    Q_OBJECT

private slots:
    void windowTexts()
    {
        Desk desk;
        desk.window.show();
        desk.chooseFolder(desk.folder.path());
        desk.trigger(u"mnuBLaden"_s); // the file list
        desk.state.buttonFiles.setEntries({u"a.gif"_s});
        desk.state.recordList.setEntries({u"x"_s});
        desk.click(Builder::ShowMenu); // the preview
        desk.trigger(u"mnuEUebersicht"_s);
        desk.trigger(u"mnuInfo"_s);
        desk.trigger(u"mnuAnleitung"_s);
        desk.trigger(u"mnuEPruefen"_s);
        const auto find = [](const QString &name) -> QObject * {
            for (QWidget *top : QApplication::topLevelWidgets()) {
                if (QObject *found = top->objectName() == name ? top : top->findChild<QObject *>(name))
                    return top->isVisible() ? found : nullptr;
            }
            return nullptr;
        };
        const QList<std::tuple<QString, const char *, QString>> texts = {
            {u"frmQuonda"_s, "windowTitle", u"QD5 Tastwerk V 0.25"_s},
            {u"cmdQDButton_2"_s, "text", u"&Start/Weiter"_s},
            {u"cmdQDButton_2"_s, "toolTip", u"Buttons Blättern"_s},
            {u"cmdQDButton_9"_s, "text", u"&Menü Zeigen"_s},
            {u"cmdQDButton_0"_s, "text", u"&Menü Löschen"_s},
            {u"cmdQDButton_3"_s, "toolTip", u"Allererste Zeile"_s},
            {u"cmdQDButton_4"_s, "text", u"Titel &Menü"_s},
            {u"cmdQDButton_6"_s, "toolTip", u"Am Ende des Menüs"_s},
            {u"cmdAuf"_s, "toolTip", u"Auf 1"_s},
            {u"cmdAb10"_s, "toolTip", u"Ab 10"_s},
            {u"txtTitel_0"_s, "text", u"1"_s},
            {u"Label1"_s, "text", u"Menü-Titel"_s},
            {u"lblQDMenu_0"_s, "text", u"Test Test Test Test Test Test"_s},
            {u"imgQDMenu_0"_s, "toolTip", u"Version anzeigen"_s},
            {u"Frame2"_s, "title", u"Steuerung"_s},
            {u"frmQDBilder"_s, "windowTitle", u"File-List"_s},
            {u"cmdFileList_0"_s, "text", u"OK"_s},
            {u"cmdFileList_1"_s, "text", u"Abbruch"_s},
            {u"frmQDMenu"_s, "windowTitle", u"Quonda Menu"_s},
            {u"lblMenu"_s, "text", u"Haupmenü 1 von 6"_s},
            {u"frmQDUebersicht"_s, "windowTitle", u"Menü-Übersicht"_s},
            {u"cmdBilder"_s, "text", u"Als Bilder speichern…"_s},
            {u"cmdPdf"_s, "text", u"Als PDF speichern…"_s},
            {u"lblKeineSeite"_s, "text", u"Das Menü hat noch keine Seite."_s},
            {u"frmQDInfo"_s, "windowTitle", u"QD5 Tastwerk Info"_s},
            {u"lblInfo_0"_s, "text", u"QD5 Tastwerk V 0.25"_s},
            {u"txtDank"_s, "plainText", u"Zum Erstellen einer eigenen Menü-Folge für \nQuonda5 auf dem PC.\n"_s},
            {u"cmdInternet"_s, "text", u"Internet: http://"_s},
            {u"cmdInternet"_s, "toolTip", u"Internet vorher aufrufen!"_s},
            {u"cmdeMail"_s, "text", u"eMail: "_s},
            {u"frmQDText"_s, "windowTitle", u"Anleitung"_s},
            {u"frmQDPruefen"_s, "windowTitle", u"Menü prüfen"_s},
        };
        for (const auto &[name, property, text] : texts) {
            const QObject *object = find(name);
            QVERIFY2(object, qPrintable(name));
            QCOMPARE(object->property(property).toString(), text);
        }
        QCOMPARE(menuTexts(desk.window.menuBar()->actions()),
                 (QStringList{u"&Datei"_s, u"B&earbeiten"_s, u"&Buttons"_s, u"E&xtras"_s, u"&Anleitung"_s,
                              u"&Historie"_s, u"&Info"_s}));
        QCOMPARE(menuTexts(desk.child<QMenu>(u"mnuDatei"_s)->actions()),
                 (QStringList{u"&Öffnen"_s, u"&Speichern"_s, u"-"_s, u"&Ende"_s}));
        QCOMPARE(menuTexts(desk.child<QMenu>(u"mnuBearbeiten"_s)->actions()),
                 (QStringList{u"&Rückgängig"_s, u"&Wiederherstellen"_s}));
        QCOMPARE(menuTexts(desk.child<QMenu>(u"mnuButtons"_s)->actions()),
                 (QStringList{u"&Ordner Wählen"_s, u"&Laden"_s}));
        QCOMPARE(menuTexts(desk.child<QMenu>(u"mnuExtras"_s)->actions()),
                 (QStringList{u"Menü &prüfen"_s, u"Menü-Ü&bersicht"_s}));
        QCOMPARE(desk.child<QAction>(u"mnuEUebersicht"_s)->shortcut(), QKeySequence(Qt::Key_F8));
    }

    // No box is answered: questions get No, file dialogs are cancelled.
    void boxesAndDialogs()
    {
        Desk desk;
        const auto open = [&](const QString &path) {
            desk.dialogs.chooseFile(path);
            desk.trigger(u"mnuDLaden"_s);
        };
        const auto save = [&](const QString &path) {
            desk.dialogs.chooseFile(path);
            desk.trigger(u"mnuDSpeichern"_s);
        };
        open(desk.folder.filePath(u"gone.mnu"_s));
        open(desk.folder.write(u"nul.mnu"_s, QByteArray("a\0b", 3)));
        QFile big(desk.folder.filePath(u"big.mnu"_s));
        QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(50 * 1000 * 1000));
        big.close();
        open(big.fileName());
        desk.state.recordList.setEntries({u"a"_s});
        desk.press(u"cmdAb"_s);
        desk.trigger(u"mnuDLaden"_s);
        desk.trigger(u"mnuBLaden"_s);
        desk.click(Builder::NextBatch);
        desk.click(Builder::ShowMenu);
        desk.click(Builder::ClearMenu);
        save(desk.folder.write(u"menu.mnu"_s, "old\r\n"));
        save(desk.folder.path());
        desk.state.recordList.setEntries({u"a"_s, u"MENUPAGE|TASK_PAGE2|Łódź 2|"_s});
        desk.trigger(u"mnuDSpeichern"_s);
        desk.folder.write(u"set/readme.txt"_s, "x");
        desk.loadButtons(desk.folder.filePath(u"set"_s));
        desk.click(Builder::NextBatch);
        desk.state.vocabularyModified = true;
        desk.window.close();

        const QString menuFilter = u"Dateien (*.mnu)|*.mnu|Alle Dateien (*.*)|*.*"_s;
        const QString openTitle = u"Quonda .mnu Öffnen"_s;
        const QString saveTitle = u"Datei speichern unter"_s;
        const QString changed = u"Das Menü wurde geändert. Änderungen speichern?"_s;
        const QStringList expected = {
            box(Kind::OpenFile, {}, openTitle, Icon::None, Buttons::Ok, menuFilter),
            box(Kind::Message, u"Fehler beim Öffnen der Datei."_s, openTitle),
            box(Kind::OpenFile, {}, openTitle, Icon::None, Buttons::Ok, menuFilter),
            box(Kind::Message,
                u"Fehler beim Öffnen der Datei.\r\n\r\nDie Datei enthält Nullbytes und ist keine "
                u"Textdatei."_s,
                openTitle),
            box(Kind::OpenFile, {}, openTitle, Icon::None, Buttons::Ok, menuFilter),
            box(Kind::Message,
                u"Fehler beim Öffnen der Datei.\r\n\r\nDie Datei ist 47,7 MB groß; geöffnet werden Dateien bis 40 MB."_s,
                openTitle),
            box(Kind::Message, u"Bitte erst einen Eintrag selektieren!"_s, {}, Icon::Exclamation),
            box(Kind::Message, changed, {}, Icon::Question, Buttons::YesNoCancel),
            box(Kind::OpenFile, {}, openTitle, Icon::None, Buttons::Ok, menuFilter),
            box(Kind::Message, u"Bitte Ordner\r\nAuswählen!"_s, {}, Icon::Exclamation),
            box(Kind::Message, u"Bitte Buttons zuerst Laden!"_s, {}, Icon::Exclamation),
            box(Kind::Message, u"Bitte Buttons und .mnu zuerst Laden!"_s, {}, Icon::Exclamation),
            box(Kind::Message, u"Menü wirklich Löschen? "_s, u"Bestätigung!"_s, Icon::Question, Buttons::YesNo),
            box(Kind::SaveFile, {}, saveTitle, Icon::None, Buttons::Ok, menuFilter),
            box(Kind::Message, u"Datei existiert bereits. Überschreiben?"_s, saveTitle, Icon::None, Buttons::YesNo),
            box(Kind::SaveFile, {}, saveTitle, Icon::None, Buttons::Ok, menuFilter),
            box(Kind::Message, u"Fehler beim Schreiben der Datei."_s, saveTitle),
            box(Kind::Message,
                u"Die Datei wurde nicht gespeichert.\r\n\r\nDer Eintrag in Zeile 2 enthält das Zeichen „Ł“ (U+0141), "
                u"das der Zeichensatz der Datei (Windows-1252) nicht kennt.\r\n\r\nMENUPAGE|TASK_PAGE2|Łódź 2|\r\n\r\n"
                u"Bitte ändern Sie diesen Eintrag und speichern Sie dann erneut."_s,
                {}, Icon::Exclamation),
            box(Kind::Message,
                u"Ihr Button-Ordner enthält\r\nNicht-.gif-Dateien!\r\nBitte entfernen und neu Starten!"_s, {},
                Icon::Exclamation),
            box(Kind::Message, changed, {}, Icon::Question, Buttons::YesNoCancel),
            box(Kind::SaveFile, {}, saveTitle, Icon::None, Buttons::Ok,
                u"Dateien (*.dat)|*.dat|Alle Dateien (*.*)|*.*"_s),
        };
        QStringList shown;
        for (const ScriptedDialogs::Shown &each : std::as_const(desk.dialogs.shown))
            shown << box(each.kind, each.text, each.title, each.icon, each.buttons, each.filter);
        QCOMPARE(shown, expected);
    }
};

QTEST_MAIN(TestUserTexts)
#include "tst_usertexts.moc"
