#pragma once

#include "model/EntryListModel.h"

#include <QString>

// What the whole program shares: the two lists, the loaded button file
// names and the flags and folders the file routines and the preview read.
// The main window owns one; every controller works on it.
struct ProgramState
{
    EntryListModel recordList;  // cboQDMenu(0): the menu being built
    EntryListModel vocabulary;  // cboQDMenu(1): command and caption lines
    EntryListModel buttonFiles; // lstButtons: names of the loaded button files

    bool recordListModified = false;
    bool vocabularyModified = false;

    QString buttonFolder; // ends in the platform's separator; empty = none chosen
    QString menuFile;     // the menu file last opened or saved; empty = none yet
    QString startDirectory;
    QString rememberedDirectory;
};
