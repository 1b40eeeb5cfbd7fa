#include "commandline/CommandLine.h"

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
    };
}

QString usage()
{
    return u"Aufruf: qd5tastwerk [OPTION …] [DATEI.mnu]\n"_s;
}

// "-h, --help", as the help shows an option.
QString spelled(const QStringList &names)
{
    QStringList dashed;
    for (const QString &name : names)
        dashed << (name.size() == 1 ? u"-"_s : u"--"_s) + name;
    return dashed.join(u", "_s);
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
    // No option of ours takes a value, so the one fault left is a value given to one.
    for (const QString &option : typed) {
        if (option.contains(u'='))
            return u"Die Option „%1“ nimmt keinen Wert."_s.arg(option.section(u'=', 0, 0));
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
        parser.addOption(QCommandLineOption(option.names, option.description));

    CommandLine line;
    if (!parser.parse(arguments)) {
        line.command = Command::Refuse;
        line.refusal = refusalFor(parser, arguments);
        return line;
    }
    for (const Option &option : known) {
        if (parser.isSet(option.names.constFirst())) {
            line.command = option.command;
            return line;
        }
    }
    QStringList files = parser.positionalArguments();
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
    case Command::Refuse: return false;
    }
    return true;
}

int CommandLine::runWithoutWindow(QTextStream &out, QTextStream &err) const
{
    switch (command) {
    case Command::ShowHelp: out << helpText(); return Success;
    case Command::ShowVersion: out << versionText(); return Success;
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
        width = std::max(width, spelled(option.names).size());
    for (const Option &option : known)
        text += u"  "_s + spelled(option.names).leftJustified(width + 3) + option.description + u'\n';
    return text;
}

QString CommandLine::versionText()
{
    return u"QD5 Tastwerk "_s + ProgramInfo::version() + u'\n';
}

QString CommandLine::ignoredFilesNotice(const QStringList &files)
{
    return u"Beim Start wird nur eine Datei geöffnet. Nicht geöffnet:\r\n\r\n"_s + files.join(u"\r\n"_s);
}
