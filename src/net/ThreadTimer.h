#pragma once
// The timer of the transport's time-outs.

#include <functional>

namespace kv {

// A periodic timer whose ticks are raised on the thread that calls Check() (the waits do, between
// their slices). Each change of a property restarts it; it runs while Interval is above 0, Enabled
// is true and OnTimer is assigned. Throws kv::Exception "No Timer" when the system gives none.
class TThreadTimer {
  public:
    TThreadTimer();
    ~TThreadTimer();
    TThreadTimer(const TThreadTimer&) = delete;
    TThreadTimer& operator=(const TThreadTimer&) = delete;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned milliseconds);
    void SetOnTimer(std::function<void()> onTimer);

    bool Running() const { return running_; }
    // The descriptor that becomes readable when a tick is due (-1 while not running), for poll().
    int Handle() const { return running_ ? fd_ : -1; }
    // Raises OnTimer once if one or more ticks are due.
    void Check();

  private:
    void Restart();

    bool enabled_ = true;
    unsigned interval_ = 1000;
    std::function<void()> onTimer_;
    int fd_ = -1;
    bool running_ = false;
};

}  // namespace kv
