// SPDX-FileCopyrightText: 2026 The Dovrenta developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <csignal>
#include <sys/resource.h>

// While it lives, no file this process writes may grow past one byte, as on a full disk, for
// root too; the signal such a write raises is ignored, so the write fails with an error instead.
class FileSizeLimit {
public:
    FileSizeLimit()
        : previousSignal_(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit full = previous_;
        full.rlim_cur = 1;
        setrlimit(RLIMIT_FSIZE, &full);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousSignal_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    void (*previousSignal_)(int);
    rlimit previous_{};
};
