#pragma once

#include <functional>

// A date and time as a day count since midnight at the start of 30 December 1899; the
// fraction is the time of day. Before that midnight the whole part counts back while the
// fraction still counts forward: 29 December 1899 06:00 is -1.25.
class COleDateTime {
public:
    enum DateTimeStatus { valid = 0, invalid = 1, null = 2 };

    COleDateTime() = default; // the zero date: day 0.0, valid
    explicit COleDateTime(double days, DateTimeStatus status = valid)
        : m_dt(days), m_status(status) {}

    // Day count of a calendar date and time; the status is invalid for an impossible one.
    static COleDateTime FromDateTime(int year, int month, int day, int hour, int minute,
                                     int second);

    // The current local date and time, from the clock in force (the system clock unless a
    // test has put a clock of its own in place).
    static COleDateTime GetCurrentTime();
    using Clock = std::function<COleDateTime()>;
    static void SetClock(Clock clock); // an empty clock restores the system clock

    struct Parts {
        int year, month, day, hour, minute, second;
    };
    // The calendar parts of a valid date-time, to the nearest second.
    Parts GetParts() const;

    DateTimeStatus GetStatus() const { return m_status; }

    friend bool operator==(const COleDateTime&, const COleDateTime&) = default;

    double m_dt = 0.0;
    DateTimeStatus m_status = valid;
};
