// Saves the two large menus over one file, by turns and without end, with
// the program's own "&Speichern"; the save fault test kills it midway.
//   savefaults_helper FILE

#include "files/FileCommands.h"
#include "LargeMenu.h"
#include "model/ProgramState.h"
#include "ScriptedDialogs.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    if (argc != 2)
        return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    const QStringList menus[] = {LargeMenu::Second, LargeMenu::First};

    ProgramState state;
    ScriptedDialogs dialogs;
    FileCommands commands(state, dialogs);
    std::puts("saving");
    std::fflush(stdout);
    for (int turn = 0;; turn = 1 - turn) {
        state.recordList.setEntries(menus[turn]);
        dialogs.chooseFile(path);
        dialogs.answer(UserDialogs::Answer::Yes);
        if (commands.saveMenuFile() != SaveProcedure::Outcome::Saved)
            return 1;
        dialogs.shown.clear();
        std::puts("saved");
        std::fflush(stdout);
    }
}
