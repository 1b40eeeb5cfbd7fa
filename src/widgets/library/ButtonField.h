#pragma once

#include "library/BatchPlan.h"

#include <QObject>
#include <QPixmap>
#include <QStringList>

#include <vector>

class ClickableImage;
class QLabel;

// The created members 1 … n of imgQDMenu and lblQDMenu: copies of the two
// hidden templates (member 0), which stay. Shows one batch at a time.
class ButtonField : public QObject
{
    Q_OBJECT

public:
    ButtonField(ClickableImage *templateImage, QLabel *templateLabel, QObject *parent);

    int count() const { return int(m_images.size()); }
    // Members are counted from 1, as their numbers on the buttons are.
    ClickableImage *image(int member) const { return m_images.at(std::size_t(member - 1)); }
    QLabel *label(int member) const { return m_labels.at(std::size_t(member - 1)); }

    // Adds members up to `count`, hidden, each starting as its template.
    void create(int count);
    void release();

    // Shows batch `batch` of the buttons `fileNames` in `folder`, captioned
    // from `vocabulary`. Returns the member whose name is not a GIF's, where
    // showing stopped, or 0 when the batch is complete.
    int showBatch(int batch, const QString &folder, const QStringList &fileNames, const QStringList &vocabulary);

signals:
    // The command of the clicked member's button file.
    void commandClicked(const QString &command);

private:
    void place(const BatchPlan::Member &member);
    void listenTo(int member);
    void drag(int member);

    ClickableImage *m_templateImage;
    QLabel *m_templateLabel;
    QPixmap m_templatePicture;
    std::vector<ClickableImage *> m_images;
    std::vector<QLabel *> m_labels;
    std::vector<bool> m_listening;
    std::vector<QString> m_commands;
};
