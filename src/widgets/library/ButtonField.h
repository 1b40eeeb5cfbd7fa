#pragma once

#include "library/BatchPlan.h"

#include <QObject>
#include <QPixmap>
#include <QStringList>

#include <vector>

class ClickableImage;
class QLabel;

// The members 1 … n of imgQDMenu and lblQDMenu: copies of the two hidden
// templates (member 0), which stay. Shows one batch at a time. A member's
// image and label are made when first asked for, which is when its batch
// is first shown: a folder of a hundred thousand files is taken over and
// released without making two hundred thousand widgets that would mostly
// never be seen, and without the window freezing meanwhile.
// The members lie on a see-through layer over the button area, their
// coordinates the area's own: after paging through a large folder its
// members are released by deleting the layer, where deleting each member
// from the area's list of children would shift all the others, every time.
class ButtonField : public QObject
{
    Q_OBJECT

public:
    ButtonField(ClickableImage *templateImage, QLabel *templateLabel, QObject *parent);

    int count() const { return int(m_members.size()); }
    // Members are counted from 1, as their numbers on the buttons are.
    ClickableImage *image(int member) { return made(member).image; }
    QLabel *label(int member) { return made(member).label; }

    // Adds members up to `count`, hidden, each starting as its template.
    void create(int count);
    void release();

    // Shows batch `batch` of the buttons `fileNames` in `folder`, captioned
    // from `vocabulary`. Returns the member whose name is not a GIF's, where
    // showing stopped, or 0 when the batch is complete.
    int showBatch(int batch, const QString &folder, const QStringList &fileNames, const QStringList &vocabulary);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    // The command of the clicked member's button file.
    void commandClicked(const QString &command);

private:
    struct Member
    {
        ClickableImage *image = nullptr;
        QLabel *label = nullptr;
        QString command;
    };

    Member &made(int member);
    void place(const BatchPlan::Member &member);
    void drag(int member);

    ClickableImage *m_templateImage;
    QLabel *m_templateLabel;
    QWidget *m_layer = nullptr;
    // The members the last batch showed, first to last; none: 0 and -1.
    int m_shownFirst = 0;
    int m_shownLast = -1;
    QPixmap m_templatePicture;
    std::vector<Member> m_members;
};
