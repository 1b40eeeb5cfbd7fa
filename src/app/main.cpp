#include "check/CheckCommand.h"
#include "common/GermanTranslation.h"
#include "common/QtUserDialogs.h"
#include "common/WindowPlacement.h"
#include "MainWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>

#include <cstring>

using namespace Qt::StringLiterals;

namespace {

// "--check" runs before any application object exists: it needs no
// display and opens no window.
int runCheck(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    const QCommandLineOption check(u"check"_s, u"Prüft eine Menü-Datei."_s, u"DATEI"_s);
    const QCommandLineOption buttons(u"buttons"_s, u"Der Button-Ordner für die Bilder."_s, u"ORDNER"_s);
    const QCommandLineOption vocabulary(u"vocabulary"_s, u"Die Vokabel-Datei."_s, u"DATEI"_s);
    parser.addOptions({check, buttons, vocabulary});

    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);
    if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()) {
        err << (parser.errorText().isEmpty() ? u"Unbekanntes Argument: "_s + parser.positionalArguments().join(u' ')
                                             : parser.errorText())
            << u'\n';
        return CheckCommand::CannotRead;
    }
    return CheckCommand::run(parser.value(check), parser.value(buttons), parser.value(vocabulary), out, err);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && std::strcmp(argv[1], "--check") == 0)
        return runCheck(argc, argv);

    QApplication app(argc, argv);
    QApplication::setApplicationName(u"QD5 Tastwerk"_s);
    GermanTranslation::install(app);

    QtUserDialogs dialogs;
    MainWindow window(dialogs);
    dialogs.setParent(&window);
    window.adjustSize();
    window.setGeometry(WindowPlacement::centredOnScreen(window.size(), window.screen()->availableGeometry()));
    window.show();
    return QApplication::exec();
}
