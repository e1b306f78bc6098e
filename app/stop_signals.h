#pragma once

#include <QtGlobal>
#include <functional>
#include <memory>

class QSocketNotifier;

// For as long as it lives, SIGINT, SIGTERM and SIGHUP no longer end the
// program at once: each calls the handler from the event loop, so the program
// can stop its tools and end in order. A signal the program was started with
// ignored stays ignored. One at a time; on Windows it does nothing.
class StopOnSignals
{
public:
    explicit StopOnSignals(std::function<void()> handler);
    ~StopOnSignals();
    StopOnSignals(const StopOnSignals &) = delete;
    StopOnSignals &operator=(const StopOnSignals &) = delete;

    // The last of those signals that came, 0 while none has.
    int signalNumber() const;

private:
    void drain();

    std::function<void()> m_handler;
    std::unique_ptr<QSocketNotifier> m_notifier;
    int m_pipe[2] = {-1, -1};
};
