#pragma once

#include "platform/core/COleDateTime.h"

// Puts a clock of the test's own in place for the life of the object. Each reading
// advances it by `step` days, so that successive stamps can be told apart.
class FixedClock {
public:
    explicit FixedClock(double start, double step = 0.0) : m_next(start), m_step(step) {
        COleDateTime::SetClock([this] {
            const COleDateTime now(m_next);
            m_next += m_step;
            ++m_readings;
            return now;
        });
    }
    ~FixedClock() { COleDateTime::SetClock({}); }
    FixedClock(const FixedClock&) = delete;
    FixedClock& operator=(const FixedClock&) = delete;

    int Readings() const { return m_readings; }

private:
    double m_next;
    double m_step;
    int m_readings = 0;
};
