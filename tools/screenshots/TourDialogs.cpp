#include "TourDialogs.h"

UserDialogs::Answer TourDialogs::message(const QString &text, Icon, Buttons buttons, const QString &)
{
    shown << text;
    return buttons == Buttons::Ok ? Answer::Ok : Answer::No;
}

std::optional<QString> TourDialogs::openFileName(const FileRequest &request)
{
    shown << request.title;
    return std::nullopt;
}

std::optional<QString> TourDialogs::saveFileName(const FileRequest &request)
{
    shown << request.title;
    return std::nullopt;
}
