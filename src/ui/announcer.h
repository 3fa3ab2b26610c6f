// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <array>
#include <cstddef>

namespace quillane::ui {

// A hidden widget whose accessible role is Notification and whose name is one announcement.
class Notice : public QWidget {
    Q_OBJECT

  public:
    using QWidget::QWidget;
};

// The hidden widget that holds the notices, whose accessible role is StatusBar: a screen reader
// says a notice in a status bar without calling it a notification.
class NoticeBoard : public QWidget {
    Q_OBJECT

  public:
    using QWidget::QWidget;
};

// Tells assistive technology a sentence, as a screen reader speaks it without moving focus.
class Announcer {
  public:
    explicit Announcer(QWidget* window) : window_(window) {}
    void announce(const QString& sentence);

  private:
    // A screen reader asks a notice for its name only when it comes to the notice's event, by
    // which time further sentences may have come: each takes the next notice in turn, so that
    // none is renamed before this many more have been said.
    static constexpr std::size_t noticeCount = 8;

    QWidget* window_;
    QPointer<NoticeBoard> board_;
    std::array<Notice*, noticeCount> notices_{};
    std::size_t next_ = 0;
};

}  // namespace quillane::ui
