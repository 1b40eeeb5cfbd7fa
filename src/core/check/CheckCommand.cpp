#include "check/CheckCommand.h"

#include "check/MenuCheck.h"
#include "files/EntryFile.h"
#include "files/FileTexts.h"
#include "files/VocabularyFile.h"
#include "library/ButtonFileNames.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace CheckCommand {

namespace {

// The message "&Öffnen" shows, on one line.
QString failureText(const EntryFile::ReadResult &read)
{
    QString text = FileTexts::readFailure(read.status, read.size);
    return text.replace(u"\r\n\r\n"_s, u" "_s).replace(u"\r\n"_s, u" "_s);
}

void refuse(QTextStream &err, const QString &path, const QString &text)
{
    err << path << u": Fehler: "_s << text << u'\n';
    err.flush();
}

} // namespace

int run(const QString &menuPath, const QString &buttonsFolder, const QString &vocabularyPath, QTextStream &out,
        QTextStream &err)
{
    const EntryFile::ReadResult menu = EntryFile::read(menuPath);
    if (menu.status != EntryFile::Status::Ok) {
        refuse(err, menuPath, failureText(menu));
        return CannotRead;
    }

    QStringList buttonFiles;
    if (!buttonsFolder.isEmpty()) {
        if (!QFileInfo(buttonsFolder).isDir()) {
            refuse(err, buttonsFolder, u"Den Button-Ordner gibt es nicht."_s);
            return CannotRead;
        }
        buttonFiles = ButtonFileNames::list(buttonsFolder);
    }

    QStringList vocabulary;
    if (vocabularyPath.isEmpty()) {
        vocabulary = VocabularyFile::load(QDir::currentPath()).lines;
    } else {
        const EntryFile::ReadResult read = EntryFile::read(vocabularyPath);
        if (read.status != EntryFile::Status::Ok) {
            refuse(err, vocabularyPath, failureText(read));
            return CannotRead;
        }
        vocabulary = read.entries;
    }

    const QList<CheckFinding> findings = MenuCheck::run(menu.entries, buttonFiles, vocabulary);
    for (const CheckFinding &finding : findings) {
        out << menuPath;
        if (finding.line > 0)
            out << u':' << finding.line;
        out << (finding.severity == CheckFinding::Severity::Error ? u": Fehler: "_s : u": Warnung: "_s) << finding.text
            << u'\n';
    }
    out.flush();
    return MenuCheck::hasErrors(findings) ? ErrorsFound : NoErrors;
}

} // namespace CheckCommand
