#pragma once

#include <QStringList>

// Where the "&Datei" commands learn whether the record list differs from
// its file, and through which an opened file replaces the list. The window
// hands over its history, which makes opening a step of its own and counts
// a list undone back to its file as unchanged; without one, ChangeTracker
// compares the entries.
class MenuChanges
{
public:
    virtual ~MenuChanges() = default;

    virtual bool differs() const = 0;
    // The list's entries are now what the file holds.
    virtual void markSaved() = 0;
    // The entries of an opened file replace the list; they are what the file holds.
    virtual void replaceWithFile(QStringList entries) = 0;

protected:
    MenuChanges() = default;
    MenuChanges(const MenuChanges &) = default;
    MenuChanges &operator=(const MenuChanges &) = default;
};
