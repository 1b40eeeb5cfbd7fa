#include "ShutdownSignals.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#endif

#ifdef Q_OS_UNIX
namespace {

constexpr std::array<int, 3> Caught{SIGTERM, SIGINT, SIGHUP};

// Set before the handlers are and cleared after they are gone.
volatile sig_atomic_t writeEnd = -1;
std::array<struct sigaction, Caught.size()> previousActions{};

void noteSignal(int /*signal*/)
{
    const int savedErrno = errno;
    const char byte = 1;
    // A full pipe holds enough signals already.
    [[maybe_unused]] const ssize_t written = ::write(writeEnd, &byte, 1);
    errno = savedErrno;
}

// Neither end blocks, nor goes to a program started from here.
bool makePipe(std::array<int, 2> &ends)
{
    if (::pipe(ends.data()) != 0)
        return false;
    for (const int end : ends) {
        const int flags = ::fcntl(end, F_GETFL);
        if (::fcntl(end, F_SETFD, FD_CLOEXEC) != 0 || flags < 0 || ::fcntl(end, F_SETFL, flags | O_NONBLOCK) != 0) {
            ::close(ends[0]);
            ::close(ends[1]);
            return false;
        }
    }
    return true;
}

} // namespace
#endif

ShutdownSignals::ShutdownSignals(QObject *parent)
    : QObject(parent)
{
#ifdef Q_OS_UNIX
    std::array<int, 2> ends{};
    if (writeEnd >= 0 || !makePipe(ends))
        return;
    m_readEnd = ends[0];
    writeEnd = ends[1];
    m_notifier = new QSocketNotifier(m_readEnd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &ShutdownSignals::takeSignals);

    struct sigaction action = {};
    action.sa_handler = noteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < Caught.size(); ++i)
        ::sigaction(Caught.at(i), &action, &previousActions.at(i));
#endif
}

ShutdownSignals::~ShutdownSignals()
{
#ifdef Q_OS_UNIX
    if (m_readEnd < 0)
        return;
    for (std::size_t i = 0; i < Caught.size(); ++i)
        ::sigaction(Caught.at(i), &previousActions.at(i), nullptr);
    delete m_notifier;
    ::close(writeEnd);
    writeEnd = -1;
    ::close(m_readEnd);
#endif
}

void ShutdownSignals::takeSignals()
{
#ifdef Q_OS_UNIX
    std::array<char, 64> bytes{};
    while (::read(m_readEnd, bytes.data(), bytes.size()) > 0) { }
#endif
    emit received();
}
