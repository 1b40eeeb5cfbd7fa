#pragma once

#include <QObject>
#include <QPointer>

class InfoWindow;
class TextWindow;

// "&Anleitung", "&Historie" and "&Info": the text window and the
// information window. Each exists at most once, is made when first asked
// for and made afresh after it was closed.
class HelpController : public QObject
{
    Q_OBJECT

public:
    explicit HelpController(QObject *parent);
    ~HelpController() override;

    void showManual();
    void showHistory();
    void showInfo();
    void closeText();
    void closeInfo();

    // The open windows, null while closed.
    TextWindow *textWindow() const;
    InfoWindow *infoWindow() const;

private:
    void showText(const QString &caption, const QString &text);

    // Top-level windows of their own, without an owner; they delete
    // themselves when closed.
    QPointer<TextWindow> m_text;
    QPointer<InfoWindow> m_info;
};
