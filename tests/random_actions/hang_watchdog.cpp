// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#include "tests/random_actions/hang_watchdog.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace random_actions {

HangWatchdog::HangWatchdog(int limitSeconds, const QString &replayHint)
    : thread_([this, limitSeconds, hint = replayHint.toStdString()](const std::stop_token &stop) {
          using namespace std::chrono_literals;
          int lastSeen = -1;
          auto lastChange = std::chrono::steady_clock::now();
          while (!stop.stop_requested()) {
              std::this_thread::sleep_for(100ms);
              const int seen = finished_.load();
              const auto now = std::chrono::steady_clock::now();
              if (seen != lastSeen) {
                  lastSeen = seen;
                  lastChange = now;
              } else if (now - lastChange > std::chrono::seconds(limitSeconds)) {
                  std::fprintf(stderr, "HANG: action %d has not ended after %d s (%s)\n", seen + 1,
                               limitSeconds, hint.c_str());
                  std::abort();
              }
          }
      }) {}

HangWatchdog::~HangWatchdog() {
    thread_.request_stop();
}

} // namespace random_actions
