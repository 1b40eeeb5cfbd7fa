#pragma once

struct CommandLine;
class MainWindow;
class UserDialogs;

// The program's start once its command line asked for the window. main()
// and the tests go through the same steps.
namespace ProgramStart {

// Places and shows the window, then opens the menu file the line named.
void show(MainWindow &window, UserDialogs &dialogs, const CommandLine &commandLine);

} // namespace ProgramStart
