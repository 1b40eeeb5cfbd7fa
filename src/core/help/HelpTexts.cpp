#include "help/HelpTexts.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace HelpTexts {

namespace {

// One entry per line of the text as the window shows it; long entries are
// single lines that the text field wraps. Blanks at the end of a line belong
// to the text.
const char16_t *const ManualLines[] = {
    u"Quonda Tastwerk 21.06.2005",
    u"Ablauf:",
    (u"Zuerst auf <Buttons-Ordner Wählen> drücken und den Ordner mit den .gifs mit Doppelklick "
     u"auswählen. Dann <Buttons-Laden>, File-List erscheint. Wenn die .gifs drin sind OK. Dann "
     u"<Start/Weiter>."),
    u"Dann wird <1. Zeile Menü> gedrückt.",
    u"Name des Menüs eingeben und Titel Menü drücken.",
    u"Jetzt die Buttons, die man will, max. 5 + umblättern.",
    u"Dann wieder Titel Menü....",
    u"Die erzeugte .mnu-Datei kann editiert werden.",
    u"Dazu: in Text oben schreiben und Return.",
    u"Lösch: Rec anklicken, oben in Text löschen und Return.",
    u"Ändern: Rec anklicken, oben ändern und Return.",
    u"Verschieben: Anklicken und schieben.",
    (u"Vor dem Speichern muss man noch in den Ordner der QuondaMnu.exe wechseln, sonst wird die "
     u"Quonda.mnu bei den Bildern gespeichert und es gibt beim nächsten Mal eine Fehlermeldung. "
     u"Man kann sie auch von dort v.H. ausschneiden."),
    u"",
    (u"Erstellt man sich selbst Buttons, müssen sie gleich groß sein wie die vorhandenen und den "
     u"Namen des Befehls haben den man darstellen will. Findet man neue Befehle, einfach Bild mit "
     u"Befehlsnamen machen, in Bilderordner und in unterer Datei hinzu mit Befehl (25 Zeichen "
     u"lang, auffüllen mit Blancs) und Button-Beschriftung."),
    (u"Der Button-Ordner darf nur Bilder mit der Suffix .gif enthalten!! Man kann auch "
     u"verschiedene Button-Ordner erstellen. Das Max. pro Ordner sind 100!"),
    (u"Ebenso kann die Datei mit dem Button-Text editiert werden. Unbedingt zu beachten ist, dass "
     u"die 25 Stellen des .gif-Namens + Blancs erhalten werden und keine Kommas verwendet "
     u"werden!! Diese Datei muss auch im Ordner der QuondaMnu.exe gespeichert werden!"),
    u"<Datei-Öffnen(.mnu Laden)> Zu bearbeitende Datei muss in einem Ordner des PC sein! ",
    (u"Deinstallieren: Unbedingt die mitgelieferten .gif-Dateien wieder in den Ordner der "
     u"QuondaMnu.exe kopieren, sonst spielt Windows verrückt und man muss 74x OK drücken. "
     u"Eventuelle editierte Dateien und eigene .gifs sollte man in Sicherheit außerhalb dieses "
     u"Ordners bringen."),
};

const char16_t *const HistoryLines[] = {
    u"Quonda Tastwerk Historie",
    u"",
    u"V 0.25 22.06.2005:",
    (u"Historie, Frams, Icon, ToolTipp-Texte, Info hinzu, Laufzeitfehler 481 bei Nicht-.gif-Bild "
     u"abgefangen. Menü erweitert, einige Commands ins menü verlegt. Menü Zeigen hinzu. Path "
     u"merken."),
    u"",
    u"V 0.24 21.06.2005:",
    (u"Div. kleinere Änderungen an Buttons, Bug Beschriftung Button zu Befehl Länge 0 abgefangen. "
     u"CopyRight hinzu, Beschriftung der Quonda-Buttons 'Sans Light', ist schmäler."),
    u"",
    u"V 0.23 20.06.2005:",
    u"Quonda.mnu ladbar aus PC-Verzeichnis. Schieben der einzelnen .mnu-Records",
    u"",
    u"V 0.22 20.06.2005:",
    u"Button-Liste unsichtbar.",
    u"",
    u"V 0.20 20.06.2005:",
    u"1. Ausgabe",
};

template<std::size_t N>
QString joined(const char16_t *const (&lines)[N])
{
    QStringList list;
    list.reserve(qsizetype(N));
    for (const char16_t *line : lines)
        list << QString::fromUtf16(line);
    return list.join(u"\r\n"_s);
}

} // namespace

QString manual()
{
    return joined(ManualLines);
}

QString history()
{
    return joined(HistoryLines);
}

} // namespace HelpTexts
