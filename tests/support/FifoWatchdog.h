#pragma once
// A named pipe where a file is expected, and a watchdog for readers that would wait
// on it: if the pipe is still there after a few seconds, the watchdog opens it for
// writing, which lets a reader stuck in open() go on, and records that it had to.

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace testsupport {

class FifoWatchdog {
public:
    // Makes the pipe at path and starts watching.
    explicit FifoWatchdog(std::string path);
    ~FifoWatchdog();
    FifoWatchdog(const FifoWatchdog&) = delete;
    FifoWatchdog& operator=(const FifoWatchdog&) = delete;

    bool Made() const { return made_; }
    // Stops watching; true when a reader had to be released (it blocked on the pipe).
    bool Stop();

private:
    void Watch();

    std::string path_;
    bool made_ = false;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stop_ = false;
    bool released_ = false;
    std::thread thread_;
};

} // namespace testsupport
