#pragma once

#include "dialogs/UserDialogs.h"

#include <QStringList>

// A user who always picks the same files and answers every question with
// Yes, as the tests' scripted dialogs would, without a script to run dry.
// The boxes' texts are kept so that a run which met an error is noticed.
class BenchDialogs : public UserDialogs
{
public:
    void setOpenPath(const QString &path) { m_openPath = path; }
    void setSavePath(const QString &path) { m_savePath = path; }

    Answer message(const QString &text, Icon icon, Buttons buttons, const QString &title = {}) override;
    std::optional<QString> openFileName(const FileRequest &request) override;
    std::optional<QString> saveFileName(const FileRequest &request) override;

    const QStringList &messages() const { return m_messages; }
    void forgetMessages() { m_messages.clear(); }
    // The messages that are not `expected`, for a failure report.
    QString unexpectedMessages(const QString &expected = {}) const;

private:
    QString m_openPath;
    QString m_savePath;
    QStringList m_messages;
};
