#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>

namespace tambrel::soak {

// Resident memory of this process in kB, -1 when /proc cannot tell.
inline long RssKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    }
    return -1;
}

// Watches the window's thread from beside it: an operation that never
// returns cannot report itself. Past the limit it prints what was being
// done and ends the process.
class Watchdog {
public:
    explicit Watchdog(std::chrono::seconds limit) : limit_(limit), thread_([this] { watch(); }) {}
    ~Watchdog() {
        {
            std::lock_guard lock(mutex_);
            stop_ = true;
        }
        wake_.notify_one();
        thread_.join();
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

    void begin(std::string what) {
        std::lock_guard lock(mutex_);
        what_ = std::move(what);
        started_ = Clock::now();
        busy_ = true;
    }
    void end() {
        std::lock_guard lock(mutex_);
        busy_ = false;
    }

private:
    using Clock = std::chrono::steady_clock;

    void watch() {
        std::unique_lock lock(mutex_);
        while (!stop_) {
            wake_.wait_for(lock, std::chrono::milliseconds(200));
            if (busy_ && Clock::now() - started_ > limit_) {
                std::fprintf(stderr, "FAIL: the window gave no answer for %lld s\n%s\n",
                             static_cast<long long>(limit_.count()), what_.c_str());
                std::fflush(stderr);
                std::_Exit(1);
            }
        }
    }

    const std::chrono::seconds limit_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::string what_;
    Clock::time_point started_;
    bool busy_ = false;
    bool stop_ = false;
    std::thread thread_;  // last: starts once everything it reads is made
};

}  // namespace tambrel::soak
