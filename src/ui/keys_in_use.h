// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

namespace quillane::ui {

// Whether the player's last input, anywhere in the application, was a key rather than the
// mouse: it watches every key and button press before its receiver has it.
class KeysInUse : public QObject {
    Q_OBJECT

  public:
    explicit KeysInUse(QObject* parent = nullptr);

    bool inUse() const { return inUse_; }

  signals:
    // The player went from the mouse to the keys, or back.
    void changed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool inUse_ = false;
};

}  // namespace quillane::ui
