// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <QSize>
#include <QTimer>
#include <functional>

class QWidget;

namespace quillane::bench {

// The probe's application: counts paints of one widget, and reports the first time a top-level
// event that painted it has been handled completely (the paint flushed to the screen).
class PaintWatch : public QApplication {
    Q_OBJECT

  public:
    using QApplication::QApplication;

    void watch(QWidget* widget) { watched_ = widget; }
    int paints() const { return paints_; }
    // When the last update that painted the watched widget, and flushed it, ended.
    long long paintedNs() const { return paintedNs_; }
    // The watched widget's size when it was last painted.
    QSize paintedSize() const { return paintedSize_; }
    // Called a player's first look after the first paint.
    std::function<void()> onFirstPaint;

    bool notify(QObject* receiver, QEvent* event) override;

  private:
    QWidget* watched_ = nullptr;
    int paints_ = 0;
    long long paintedNs_ = 0;
    QSize paintedSize_;
    int depth_ = 0;
    bool reported_ = false;
    QTimer firstLook_;
};

}  // namespace quillane::bench
