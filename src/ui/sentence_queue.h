// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <optional>
#include <string>

#include "ui/announcer.h"

namespace quillane::ui {

class TableView;

// What a listening screen reader has yet to hear of the window: what changed on the table, and
// the one sentence that says what the last input did, what a key of the table's asked to hear,
// or why a key did nothing. It hears them once the new frame is painted, and before any later
// input is handled.
class SentenceQueue : public QObject {
    Q_OBJECT

  public:
    SentenceQueue(TableView* table, QWidget* window);

    // Has a listening screen reader told this once the frame is painted, after whatever it has
    // yet to hear.
    void say(std::string sentence);
    // Tells a listening screen reader what the last input changed, if it has not been told.
    void tellScreenReader();

  protected:
    bool event(QEvent* event) override;

  private:
    TableView* table_;
    Announcer announcer_;
    // The sentence that says what the last input did, until a screen reader is told it.
    std::optional<std::string> untold_;
};

}  // namespace quillane::ui
