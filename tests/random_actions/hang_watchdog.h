// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Kelvorn R&D

#pragma once

#include <QString>

#include <atomic>
#include <thread>

namespace random_actions {

// Aborts the process, naming the action that hangs, when the count of finished actions
// stays the same for `limitSeconds`. A hang inside a nested event loop would otherwise
// only end with CTest's timeout, which tells nothing about where it hung.
class HangWatchdog {
public:
    HangWatchdog(int limitSeconds, const QString &replayHint);
    ~HangWatchdog();
    HangWatchdog(const HangWatchdog &) = delete;
    HangWatchdog &operator=(const HangWatchdog &) = delete;

    // Called after each action.
    void finished(int actionCount) { finished_.store(actionCount); }

private:
    std::atomic<int> finished_{0};
    std::jthread thread_;
};

} // namespace random_actions
