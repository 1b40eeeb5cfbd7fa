#include "commandline/CommandLine.h"

#include "check/CheckCommand.h"
#include "help/ProgramInfo.h"

#include <QCommandLineParser>
#include <QDir>
#include <QList>
#include <QTextStream>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

struct Option
{
    QStringList names;
    QString description;
    CommandLine::Command command;
    // What the help calls the option's value; empty: it takes none.
    QString valueName = {};
};

// Every option of the program, in the order the help lists them. When
// several are given, the first of this list decides the command; whether a
// command needs a window is CommandLine::needsWindow's to say.
QList<Option> options()
{
    using Command = CommandLine::Command;
    return {
        {{u"h"_s, u"help"_s}, u"Zeigt diese Hilfe und beendet das Programm."_s, Command::ShowHelp},
        {{u"v"_s, u"version"_s}, u"Zeigt die Version und beendet das Programm."_s, Command::ShowVersion},
        {{u"check"_s}, u"Prüft die Menü-Datei DATEI, ohne ein Fenster zu öffnen."_s, Command::Check, u"DATEI"_s},
        {{u"buttons"_s}, u"Zu --check: der Button-Ordner mit den Bildern."_s, Command::OpenWindow, u"ORDNER"_s},
        {{u"vocabulary"_s}, u"Zu --check: die Vokabel-Datei statt Quonda.dat."_s, Command::OpenWindow, u"DATEI"_s},
    };
}

QString usage()
{
    return u"Aufruf: qd5tastwerk [OPTION …] [DATEI.mnu]\n"_s;
}

// "-h, --help" or "--check DATEI", as the help shows an option.
QString spelled(const QStringList &names, const QString &valueName = {})
{
    QStringList dashed;
    for (const QString &name : names)
        dashed << (name.size() == 1 ? u"-"_s : u"--"_s) + name;
    return dashed.join(u", "_s) + (valueName.isEmpty() ? QString() : u' ' + valueName);
}

bool takesValue(const QString &name)
{
    const QList<Option> known = options();
    return std::any_of(known.cbegin(), known.cend(), [&name](const Option &option) {
        return option.names.contains(name) && !option.valueName.isEmpty();
    });
}

// The arguments that stand for options, as they were typed: with their
// dashes, without a value after "=". A lone "-" is a file name.
QStringList optionsAsTyped(const QStringList &arguments)
{
    QStringList typed;
    for (const QString &argument : arguments.mid(1)) {
        if (argument == u"--"_s)
            break;
        if (argument.startsWith(u'-') && argument != u"-"_s)
            typed << argument;
    }
    return typed;
}

QString refusalFor(const QCommandLineParser &parser, const QStringList &arguments)
{
    const QStringList typed = optionsAsTyped(arguments);
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
        for (const QString &option : typed) {
            const QString name = option.section(u'=', 0, 0);
            if (QString(name).remove(0, name.startsWith(u"--"_s) ? 2 : 1) == unknown.constFirst())
                return u"Unbekannte Option „%1“."_s.arg(name);
        }
        return u"Unbekannte Option „%1“."_s.arg(spelled({unknown.constFirst()}));
    }
    // What is left: a value given to an option that takes none, or one
    // missing where it is needed.
    for (const QString &option : typed) {
        const QString name = option.section(u'=', 0, 0);
        const bool wantsValue = takesValue(QString(name).remove(0, name.startsWith(u"--"_s) ? 2 : 1));
        if (option.contains(u'=') && !wantsValue)
            return u"Die Option „%1“ nimmt keinen Wert."_s.arg(name);
        if (!option.contains(u'=') && wantsValue)
            return u"Die Option „%1“ braucht einen Wert."_s.arg(name);
    }
    return u"Die Befehlszeile ist fehlerhaft."_s;
}

} // namespace

CommandLine CommandLine::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    // "-help" is "--help"; no one types single-letter options run together here.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QList<Option> known = options();
    for (const Option &option : known)
        parser.addOption(QCommandLineOption(option.names, option.description, option.valueName));

    CommandLine line;
    if (!parser.parse(arguments)) {
        line.command = Command::Refuse;
        line.refusal = refusalFor(parser, arguments);
        return line;
    }
    for (const Option &option : known) {
        if (option.command != Command::OpenWindow && parser.isSet(option.names.constFirst())) {
            line.command = option.command;
            break;
        }
    }
    QStringList files = parser.positionalArguments();
    if (line.command == Command::Check) {
        line.checkFile = parser.value(u"check"_s);
        line.buttonsFolder = parser.value(u"buttons"_s);
        line.vocabularyFile = parser.value(u"vocabulary"_s);
        if (!files.isEmpty()) {
            line.command = Command::Refuse;
            line.refusal = u"„--check“ prüft eine Datei; „%1“ ist zu viel."_s.arg(files.constFirst());
        }
        return line;
    }
    if (line.command != Command::OpenWindow)
        return line;
    for (const QString &name : {u"buttons"_s, u"vocabulary"_s}) {
        if (parser.isSet(name)) {
            line.command = Command::Refuse;
            line.refusal = u"Die Option „--%1“ gilt nur zusammen mit „--check“."_s.arg(name);
            return line;
        }
    }
    if (!files.isEmpty()) {
        // Made absolute now: opening the file changes the current directory.
        line.menuFile = QDir::current().absoluteFilePath(files.takeFirst());
        line.ignoredFiles = files;
    }
    return line;
}

QStringList CommandLine::arguments(int argc, const char *const *argv)
{
    QStringList decoded;
    for (int i = 0; i < argc; ++i)
        decoded << QString::fromLocal8Bit(argv[i]);
    return decoded;
}

bool CommandLine::needsWindow() const
{
    switch (command) {
    case Command::OpenWindow: return true;
    case Command::ShowHelp:
    case Command::ShowVersion:
    case Command::Check:
    case Command::Refuse: return false;
    }
    return true;
}

int CommandLine::runWithoutWindow(QTextStream &out, QTextStream &err) const
{
    switch (command) {
    case Command::ShowHelp: out << helpText(); return Success;
    case Command::ShowVersion: out << versionText(); return Success;
    case Command::Check: return CheckCommand::run(checkFile, buttonsFolder, vocabularyFile, out, err);
    case Command::Refuse:
        err << u"qd5tastwerk: "_s << refusal << u'\n' << usage() << u"„qd5tastwerk --help“ zeigt alle Optionen.\n"_s;
        return UsageError;
    case Command::OpenWindow: break;
    }
    return Success;
}

QString CommandLine::helpText()
{
    QString text = usage()
                   + u"Stellt das eigene Menü eines Navigationsgeräts der Generation 5 aus\n"
                     u"Button-Bildern zusammen.\n"
                     u"\n"
                     u"Ohne Option öffnet sich das Hauptfenster. Eine DATEI.mnu wird darin\n"
                     u"geöffnet wie mit „Datei“ → „Öffnen“; ein Dateiname, der mit „-“\n"
                     u"beginnt, steht nach „--“.\n"
                     u"\n"
                     u"Optionen:\n"_s;
    const QList<Option> known = options();
    qsizetype width = 0;
    for (const Option &option : known)
        width = std::max(width, spelled(option.names, option.valueName).size());
    for (const Option &option : known)
        text += u"  "_s + spelled(option.names, option.valueName).leftJustified(width + 3) + option.description + u'\n';
    return text
           + u"\n"
             u"--check schreibt eine Zeile je Fund („DATEI:ZEILE: Fehler: …“) und endet\n"
             u"mit 0 ohne Fehler, mit 1 bei Fehlern und mit 2, wenn DATEI nicht lesbar ist.\n"_s;
}

QString CommandLine::versionText()
{
    return u"QD5 Tastwerk "_s + ProgramInfo::version() + u'\n';
}

QString CommandLine::ignoredFilesNotice(const QStringList &files)
{
    return u"Beim Start wird nur eine Datei geöffnet. Nicht geöffnet:\r\n\r\n"_s + files.join(u"\r\n"_s);
}
