#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP (a desktop logging out, Ctrl+C, a closed
// terminal) into a Qt signal, so that they end the program the way "&Ende"
// does, questions included, instead of at once. The handler only writes a
// byte into a pipe; the event loop reads it. One object at a time; the
// handlers that were there before come back when it goes. Where these
// signals do not exist it does nothing.
class ShutdownSignals : public QObject
{
    Q_OBJECT

public:
    explicit ShutdownSignals(QObject *parent = nullptr);
    ~ShutdownSignals() override;
    ShutdownSignals(const ShutdownSignals &) = delete;
    ShutdownSignals &operator=(const ShutdownSignals &) = delete;

signals:
    // Once for any number of signals that came since the last time.
    void received();

private:
    void takeSignals();

    QSocketNotifier *m_notifier = nullptr;
    int m_readEnd = -1;
};
