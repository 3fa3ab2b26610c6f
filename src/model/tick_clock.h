// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

namespace quillane {

// Timer1 ticks once a millisecond from the moment the window exists. Rather than wake the
// process a thousand times a second, the clock counts the milliseconds that have passed on a
// monotonic clock, and the window hands the ticks due to the timer handler just before it
// handles any other event. Since ticks only ever run between events, the outcome is the same.
class TickClock {
  public:
    using Clock = std::chrono::steady_clock;
    using Now = std::function<Clock::time_point()>;

    explicit TickClock(Now now = &Clock::now) : now_(std::move(now)), start_(now_()) {}

    // Ticks that have fallen due since the last call (or since creation).
    std::uint64_t takeDueTicks() {
        const auto elapsed =
            std::chrono::duration_cast<std::chrono::milliseconds>(now_() - start_).count();
        const auto total = static_cast<std::uint64_t>(elapsed < 0 ? 0 : elapsed);
        const std::uint64_t due = total > delivered_ ? total - delivered_ : 0;
        delivered_ += due;
        return due;
    }

  private:
    Now now_;
    Clock::time_point start_;
    std::uint64_t delivered_ = 0;
};

}  // namespace quillane
