#pragma once

// Reports how long after its launch a process first painted its window, then ends it.
// The launcher puts its CLOCK_MONOTONIC reading, in nanoseconds, into TOLVANE_BENCH_T0 just
// before it starts the process, so the time includes loading the program and its libraries.
#include <time.h>

#include <cstdio>
#include <cstdlib>

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

class FirstPaintProbe : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            // Read the clock once this paint has been done and flushed to the screen.
            QTimer::singleShot(0, [] {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                const char* start = std::getenv("TOLVANE_BENCH_T0");
                const long long t0 = start != nullptr ? std::atoll(start) : 0;
                const long long t1 =
                    static_cast<long long>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
                std::printf("first_paint_ns=%lld\n", t1 - t0);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool painted_ = false;
};
