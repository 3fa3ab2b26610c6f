// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <array>
#include <optional>
#include <string>

#include "model/form.h"
#include "model/stacking.h"
#include "ui/picture_cache.h"

namespace quillane::ui {

// The green table with every control of the window but the push buttons: pictures, labels
// and lines are painted here in stacking order, and a click goes to the topmost visible
// control under the mouse, which passes it on only if it is an enabled face or the stock.
class TableView : public QWidget {
    Q_OBJECT

  public:
    explicit TableView(const Form& form, QWidget* parent = nullptr);

    // The control a click at this point of the widget would reach, if any.
    std::optional<ControlRef> controlAt(QPointF point) const;
    const Form& form() const { return form_; }
    // Schedules a repaint of just the places where a control changed since the last call.
    void refresh();
    // What a completed left click on the control does: passes it on if the control takes input.
    void press(ControlRef control);

  signals:
    void faceClicked(int index);
    void stockClicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void paintControl(QPainter& painter, ControlRef control);
    void paintLabel(QPainter& painter, ControlRef control);

    // What each painted control looked like at the last refresh, in stacking order.
    struct Appearance {
        bool visible = false;
        QRect rect;
        std::string caption;
        friend bool operator==(const Appearance&, const Appearance&) = default;
    };
    Appearance appearanceOf(ControlRef control) const;

    const Form& form_;
    std::array<Appearance, paintedControlCount> shown_;
    PictureCache pictures_;
    std::optional<ControlRef> pressed_;
};

}  // namespace quillane::ui
