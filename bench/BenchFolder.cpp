#include "BenchFolder.h"

#include "files/EntryFileFormat.h"
#include "library/ButtonFileNames.h"
#include "model/MenuRecords.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

namespace {

QString sourcePath(const QString &relative)
{
    return QDir(QStringLiteral(TASTWERK_SOURCE_DIR)).filePath(relative);
}

constexpr int CommandsPerPage = 5;
constexpr int RecordsPerPage = CommandsPerPage + 2; // with the header and the page turn

} // namespace

BenchFolder::BenchFolder()
{
    if (!m_dir.isValid()) {
        m_error = u"no temporary folder: "_s + m_dir.errorString();
        return;
    }
    if (!QFile::copy(sourcePath(u"data/Quonda.dat"_s), filePath(u"Quonda.dat"_s))) {
        m_error = u"cannot copy data/Quonda.dat"_s;
        return;
    }
    if (!copyButtons())
        return;
    m_buttonNames = ButtonFileNames::list(buttonFolder());
    enter();
}

bool BenchFolder::copyButtons()
{
    const QDir source(sourcePath(u"data/buttons"_s));
    const QStringList ours = source.entryList({u"*.gif"_s}, QDir::Files, QDir::Name);
    if (ours.isEmpty() || !QDir(path()).mkdir(u"buttons"_s)) {
        m_error = u"no button set in data/buttons"_s;
        return false;
    }
    // Our set has fewer than a full folder's 100 pictures; the rest are
    // copies under names of their own, so every button loads a file.
    const QDir target(buttonFolder());
    for (int i = 0; i < ButtonCount; ++i) {
        const QString &original = ours.at(i % ours.size());
        const QString name = i < ours.size() ? original : u"zusatz_%1.gif"_s.arg(i, 3, 10, QChar(u'0'));
        if (!QFile::copy(source.filePath(original), target.filePath(name))) {
            m_error = u"cannot copy the button "_s + original;
            return false;
        }
    }
    return true;
}

QString BenchFolder::buttonPath(const QString &name) const
{
    return QDir(buttonFolder()).filePath(name);
}

QStringList BenchFolder::commands() const
{
    QStringList commands;
    for (const QString &name : m_buttonNames) {
        if (name != u"page.gif")
            commands.append(name.chopped(4));
    }
    return commands;
}

QString BenchFolder::makeButtonFolder(const QString &name, int count, bool pictures) const
{
    if (!QDir(path()).mkdir(name))
        return {};
    // Written directly: QFile::copy waits for each copy to reach the disk.
    QList<QByteArray> contents;
    for (const QString &button : m_buttonNames) {
        QFile source(buttonPath(button));
        if (!pictures || !source.open(QIODevice::ReadOnly))
            break;
        contents.append(source.readAll());
    }
    const QDir target(filePath(name));
    for (int i = 1; i <= count; ++i) {
        QFile file(target.filePath(u"knopf_%1.gif"_s.arg(i, 6, 10, QChar(u'0'))));
        if (!file.open(QIODevice::WriteOnly))
            return {};
        if (pictures && file.write(contents.at(i % contents.size())) < 0)
            return {};
    }
    return target.path();
}

void BenchFolder::enter() const
{
    QDir::setCurrent(path());
}

QStringList BenchFolder::menu(int records, const QStringList &commands)
{
    QStringList menu;
    menu.reserve(records);
    menu.append(MenuRecords::blockLine());
    qsizetype command = 0;
    for (int page = 1; menu.size() + RecordsPerPage <= records; ++page) {
        const QString number = QString::number(page);
        menu.append(MenuRecords::pageHeader(number, u"Menü"_s));
        for (int i = 0; i < CommandsPerPage; ++i)
            menu.append(MenuRecords::itemForButton(commands.at(command++ % commands.size()), number));
        menu.append(MenuRecords::itemForButton(u"page"_s, QString::number(page + 1)));
    }
    while (menu.size() < records)
        menu.append(MenuRecords::itemForButton(commands.at(command++ % commands.size()), {}));
    menu.last() = MenuRecords::firstPageItem();
    return menu;
}

QString BenchFolder::writeMenu(const QString &name, const QStringList &records) const
{
    const EntryFileFormat::Encoded encoded = EntryFileFormat::encode(records);
    QFile file(filePath(name));
    if (!encoded.ok() || !file.open(QIODevice::WriteOnly) || file.write(encoded.bytes) != encoded.bytes.size())
        return {};
    return file.fileName();
}
