#include "platform/core/COleDateTime.h"

#include <chrono>
#include <cmath>
#include <ctime>

namespace {

using std::chrono::days;
using std::chrono::sys_days;

constexpr sys_days kEpoch = sys_days{std::chrono::year{1899} / 12 / 30};

COleDateTime::Clock& CurrentClock() {
    static COleDateTime::Clock clock;
    return clock;
}

COleDateTime SystemNow() {
    const std::time_t now = std::time(nullptr);
    // Converting to local time costs more than the rest of making a record; within one
    // second the answer is the same, so the last one is kept (per thread).
    thread_local std::time_t lastTime = -1;
    thread_local COleDateTime lastValue;
    if (now == lastTime) {
        return lastValue;
    }
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    lastValue = COleDateTime::FromDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                                           local.tm_hour, local.tm_min, local.tm_sec);
    lastTime = now;
    return lastValue;
}

} // namespace

COleDateTime COleDateTime::FromDateTime(int year, int month, int day, int hour, int minute,
                                        int second) {
    const std::chrono::year_month_day ymd{std::chrono::year{year},
                                          std::chrono::month{static_cast<unsigned>(month)},
                                          std::chrono::day{static_cast<unsigned>(day)}};
    if (!ymd.ok() || hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 ||
        second > 59) {
        return COleDateTime(0.0, invalid);
    }
    const auto whole = static_cast<double>((sys_days{ymd} - kEpoch).count());
    const double fraction = (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
    return COleDateTime(whole >= 0 ? whole + fraction : whole - fraction);
}

COleDateTime COleDateTime::GetCurrentTime() {
    const Clock& clock = CurrentClock();
    return clock ? clock() : SystemNow();
}

void COleDateTime::SetClock(Clock clock) {
    CurrentClock() = std::move(clock);
}

COleDateTime::Parts COleDateTime::GetParts() const {
    double whole = std::trunc(m_dt);
    double fraction = std::fabs(m_dt - whole);
    auto seconds = static_cast<long long>(std::llround(fraction * 86400.0));
    if (seconds >= 86400) {
        seconds -= 86400;
        whole += m_dt >= 0 ? 1 : -1;
    }
    const std::chrono::year_month_day ymd{kEpoch + days{static_cast<long long>(whole)}};
    return Parts{static_cast<int>(ymd.year()),
                 static_cast<int>(static_cast<unsigned>(ymd.month())),
                 static_cast<int>(static_cast<unsigned>(ymd.day())),
                 static_cast<int>(seconds / 3600),
                 static_cast<int>(seconds / 60 % 60),
                 static_cast<int>(seconds % 60)};
}
