// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "paint_watch.h"

#include <QEvent>
#include <QWidget>
#include <chrono>
#include <cstdio>

#include "monotonic_clock.h"

namespace quillane::bench {

namespace {

// How long a player looks at the window before the first click or key.
constexpr std::chrono::milliseconds firstLook{500};

}  // namespace

bool PaintWatch::notify(QObject* receiver, QEvent* event) {
    const int paintsBefore = paints_;
    if (receiver == watched_ && event->type() == QEvent::Paint) {
        ++paints_;
        paintedSize_ = watched_->size();
    }
    ++depth_;
    const bool handled = QApplication::notify(receiver, event);
    --depth_;
    // An input's repaint comes in an update; a resize's in the window's resize or expose.
    const QEvent::Type type = event->type();
    if ((type == QEvent::UpdateRequest || type == QEvent::Resize || type == QEvent::Expose) &&
        paints_ != paintsBefore)
        paintedNs_ = monotonicNanoseconds();
    if (depth_ == 0 && paints_ > 0 && !reported_) {
        reported_ = true;
        std::printf("first-paint-ns %lld\n", monotonicNanoseconds());
        std::fflush(stdout);
        // A player's first input comes a moment after the window shows, by when the window
        // has drawn its pictures ahead.
        if (onFirstPaint) {
            firstLook_.setSingleShot(true);
            connect(&firstLook_, &QTimer::timeout, this, onFirstPaint);
            firstLook_.start(firstLook);
        }
    }
    return handled;
}

}  // namespace quillane::bench
