#include "model/MenuRecords.h"

#include <QLocale>

using namespace Qt::StringLiterals;

namespace MenuRecords {

QString blockLine()
{
    return u"MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|"_s;
}

QString pageHeader(const QString &page, const QString &title)
{
    return u"MENUPAGE|TASK_PAGE"_s + page + u'|' + title + u' ' + page + u'|';
}

QString firstPageItem()
{
    return u"MENUITEM|TASK_PAGE1|"_s;
}

QString itemForButton(const QString &commandName, const QString &pageField)
{
    const QString upper = QLocale().toUpper(commandName);
    if (commandName == u"page")
        return u"MENUITEM|TASK_"_s + upper + pageField + u'|';
    return u"MENUITEM|TASK_"_s + upper + u'|';
}

QString buttonTooltip(int buttonNumber, const QString &commandName)
{
    return u"%1 %2"_s.arg(buttonNumber, 3, 10, QChar(u'0')).arg(commandName);
}

} // namespace MenuRecords
