#pragma once
// The engine's only source of the time: the program passes the system clock, tests a
// fixed one.

#include <chrono>

namespace vimo {

class Clock {
public:
    virtual ~Clock() = default;
    virtual std::chrono::system_clock::time_point now() const = 0;
};

class SystemClock final : public Clock {
public:
    std::chrono::system_clock::time_point now() const override {
        return std::chrono::system_clock::now();
    }
};

} // namespace vimo
