#include "common/QtUserDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

using namespace Qt::StringLiterals;

QtUserDialogs::QtUserDialogs(QWidget *parent)
    : m_parent(parent)
{
}

UserDialogs::Answer QtUserDialogs::message(const QString &text, Icon icon, Buttons buttons, const QString &title)
{
    QMessageBox box(m_parent);
    box.setWindowTitle(title.isEmpty() ? applicationTitle() : title);
    // The texts quote entries and file names, which may hold markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    switch (icon) {
    case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
    case Icon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Icon::Critical: box.setIcon(QMessageBox::Critical); break;
    }
    if (buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
    }
    if (buttons == Buttons::YesNoCancel) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
        switch (box.exec()) {
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        default: return Answer::Cancel;
        }
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return Answer::Ok;
}

std::optional<QString> QtUserDialogs::openFileName(const FileRequest &request)
{
    return runFileDialog(request, false);
}

std::optional<QString> QtUserDialogs::saveFileName(const FileRequest &request)
{
    return runFileDialog(request, true);
}

std::optional<QString> QtUserDialogs::folderName(const QString &title)
{
    QFileDialog dialog(m_parent, title, QDir::currentPath());
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

QStringList QtUserDialogs::nameFilters(const QString &barSeparatedFilter)
{
    const QStringList parts = barSeparatedFilter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString &description = parts.at(i);
        const QString pattern = QString(parts.at(i + 1)).replace(u';', u' ');
        // Qt reads the patterns from the parentheses of the description.
        QString filter = description.contains(u'(') ? description : description + u" ("_s + pattern + u')';
#ifndef Q_OS_WIN
        // "*.*" means every file only on Windows; elsewhere it hides names without a dot.
        filter.replace(u"(*.*)"_s, u"(*)"_s);
#endif
        filters << filter;
    }
    return filters;
}

std::optional<QString> QtUserDialogs::runFileDialog(const FileRequest &request, bool save)
{
    QFileDialog dialog(m_parent, request.title, QDir::currentPath());
    if (!request.proposedPath.isEmpty()) {
        const QFileInfo proposed(request.proposedPath);
        dialog.setDirectory(proposed.absolutePath());
        dialog.selectFile(proposed.fileName());
    }
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The save procedure asks its own overwrite question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    const QStringList filters = nameFilters(request.filter);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters.at(request.filterIndex - 1));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}
