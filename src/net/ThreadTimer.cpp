#include "net/ThreadTimer.h"

#include <sys/timerfd.h>
#include <unistd.h>

#include <cstdint>

#include "base/Exception.h"

namespace kv {

TThreadTimer::TThreadTimer() = default;

TThreadTimer::~TThreadTimer() {
    if (fd_ >= 0) ::close(fd_);
}

void TThreadTimer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Restart();
}

void TThreadTimer::SetInterval(unsigned milliseconds) {
    interval_ = milliseconds;
    Restart();
}

void TThreadTimer::SetOnTimer(std::function<void()> onTimer) {
    onTimer_ = std::move(onTimer);
    Restart();
}

void TThreadTimer::Restart() {
    bool wanted = interval_ > 0 && enabled_ && onTimer_;
    if (!wanted) {
        if (running_) {
            itimerspec off{};
            ::timerfd_settime(fd_, 0, &off, nullptr);
        }
        running_ = false;
        return;
    }
    if (fd_ < 0) {
        fd_ = ::timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
        if (fd_ < 0) {
            running_ = false;
            throw Exception("No Timer");
        }
    }
    itimerspec period{};
    period.it_value.tv_sec = interval_ / 1000;
    period.it_value.tv_nsec = static_cast<long>(interval_ % 1000) * 1000000L;
    period.it_interval = period.it_value;
    if (::timerfd_settime(fd_, 0, &period, nullptr) != 0) {
        running_ = false;
        throw Exception("No Timer");
    }
    running_ = true;
}

void TThreadTimer::Check() {
    if (!running_) return;
    std::uint64_t ticks = 0;
    if (::read(fd_, &ticks, sizeof ticks) == static_cast<ssize_t>(sizeof ticks) && ticks > 0) {
        auto onTimer = onTimer_;
        if (onTimer) onTimer();
    }
}

}  // namespace kv
