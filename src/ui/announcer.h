// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

namespace quillane::ui {

// A hidden widget whose accessible role is Notification and whose name is one announcement.
class Notice : public QWidget {
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
    QWidget* window_;
    QPointer<Notice> notice_;
};

}  // namespace quillane::ui
