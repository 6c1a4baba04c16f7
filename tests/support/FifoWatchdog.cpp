#include "FifoWatchdog.h"

#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace testsupport {

FifoWatchdog::FifoWatchdog(std::string path) : path_(std::move(path)) {
    made_ = ::mkfifo(path_.c_str(), 0644) == 0;
    if (made_)
        thread_ = std::thread([this] { Watch(); });
}

FifoWatchdog::~FifoWatchdog() {
    Stop();
}

bool FifoWatchdog::Stop() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable())
        thread_.join();
    return released_;
}

void FifoWatchdog::Watch() {
    std::unique_lock<std::mutex> lock(mutex_);
    while (!stop_) {
        if (wake_.wait_for(lock, std::chrono::seconds(3), [this] { return stop_; }))
            return;
        // Opening for writing succeeds only while a reader waits in open().
        int fd = ::open(path_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0) {
            ::close(fd);
            released_ = true;
        }
    }
}

} // namespace testsupport
