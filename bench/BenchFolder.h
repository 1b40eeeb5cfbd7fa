#pragma once

#include <QStringList>
#include <QTemporaryDir>

// The benchmark's working folder, made current: our vocabulary as
// "Quonda.dat", a button folder of 100 of our pictures, and the menu files
// the scenarios open and save.
class BenchFolder
{
public:
    static constexpr int ButtonCount = 100;

    BenchFolder();
    BenchFolder(const BenchFolder &) = delete;
    BenchFolder &operator=(const BenchFolder &) = delete;

    bool isValid() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }

    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }
    QString buttonFolder() const
    {
        using namespace Qt::StringLiterals;
        return m_dir.filePath(u"buttons"_s);
    }
    // The button files as the file list shows them, and their full paths.
    QStringList buttonNames() const { return m_buttonNames; }
    QString buttonPath(const QString &name) const;
    // The commands of the button set, without ".gif".
    QStringList commands() const;

    // A further button folder `name` of `count` files; with `pictures` each
    // is one of ours, else each is empty (for what never reads them).
    // Returns its path, or empty on failure.
    QString makeButtonFolder(const QString &name, int count, bool pictures) const;

    // Makes the folder current again; the program moves about.
    void enter() const;

    // A menu as the builder makes it: the block line, then pages of a
    // header, five commands and a page turn, the last page ending with the
    // arrow back to page 1.
    static QStringList menu(int records, const QStringList &commands);
    // Writes `records` as a menu file; returns its path, or empty on failure.
    QString writeMenu(const QString &name, const QStringList &records) const;

private:
    bool copyButtons();

    QTemporaryDir m_dir;
    QStringList m_buttonNames;
    QString m_error;
};
