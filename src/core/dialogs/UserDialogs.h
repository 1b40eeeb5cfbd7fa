#pragma once

#include <QString>

#include <optional>

// The one seam for message boxes and file dialogs. The program shows Qt's
// boxes and dialogs through it; tests answer from a script. It needs no
// widget, so procedures that ask the user stay testable without a window.
class UserDialogs
{
public:
    enum class Icon { None, Exclamation, Question, Information, Critical };
    enum class Buttons { Ok, YesNo, YesNoCancel };
    enum class Answer { Ok, Yes, No, Cancel };

    // A file dialog described the way the program has always described it: the filter
    // is "description|pattern|description|pattern…", the index counts from 1.
    struct FileRequest
    {
        QString title;
        QString filter;
        int filterIndex = 1;
        // A file to propose: the dialog starts in its folder with its name
        // filled in. Empty: the dialog starts in the current directory.
        QString proposedPath;
    };

    virtual ~UserDialogs() = default;

    // A box given no title shows the application title "Quonda".
    virtual Answer message(const QString &text, Icon icon, Buttons buttons, const QString &title = {}) = 0;

    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<QString> openFileName(const FileRequest &request) = 0;
    virtual std::optional<QString> saveFileName(const FileRequest &request) = 0;
    // A folder to write into; nothing when the user cancelled. A seam that
    // shows no folders (a tool that answers nothing) cancels.
    virtual std::optional<QString> folderName(const QString & /*title*/) { return std::nullopt; }

    static QString applicationTitle()
    {
        using namespace Qt::StringLiterals;
        return u"Quonda"_s;
    }

    // A refusal: exclamation icon, OK button, the application title.
    void refuse(const QString &text) { message(text, Icon::Exclamation, Buttons::Ok); }
};
