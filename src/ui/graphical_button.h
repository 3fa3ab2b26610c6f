// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPushButton>

#include "model/control_ref.h"

namespace quillane::ui {

// A push button in the graphical style: its whole face is filled with its own colour inside
// a raised edge that sinks while it is pressed. Painting it directly is much cheaper to set
// up than a style sheet, and keeps every other behaviour of a push button but two: its access
// key clicks it at once, where a push button would play a press lasting a tenth of a second
// and click at its end, after input that came later; and the focus follows the access key
// only if the button still shows and is enabled after the click.
class GraphicalButton : public QPushButton {
    // A class name of its own, so that the accessibility factory for it is asked before Qt's
    // own for push buttons.
    Q_OBJECT

  public:
    // `ownSize` is its size on the table at the table's own size; it paints itself scaled from
    // there to whatever size it is given.
    GraphicalButton(ControlKind kind, const QString& caption, const QColor& face, QSize ownSize,
                    QWidget* parent);

    // The form's push button that this one shows.
    ControlKind kind() const { return kind_; }

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    ControlKind kind_;
    QColor face_;
    QSize ownSize_;
};

}  // namespace quillane::ui
