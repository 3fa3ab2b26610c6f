// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTimer>
#include <QWidget>
#include <optional>

#include "model/form.h"
#include "model/table_reading.h"
#include "ui/picture_cache.h"

namespace quillane::ui {

// The green table with every control of the window but the push buttons: pictures, labels
// and lines are painted here in stacking order, and a click goes to the topmost control under
// the mouse that catches clicks. Whether it reaches a handler is for the routing to decide.
// Both read the table as the last refresh found it, and so does the accessibility layer.
class TableView : public QWidget {
    Q_OBJECT

  public:
    explicit TableView(const Form& form, QWidget* parent = nullptr);

    // The control a click at this point of the widget would reach, if any.
    std::optional<ControlRef> controlAt(QPointF point) const;
    const Form& form() const { return form_; }
    // Reads the table afresh, and schedules a repaint of just the places where a control
    // changed since the last reading.
    void refresh();
    const TableReading& reading() const { return reading_; }
    // Counts the refreshes: what is worked out from a reading holds until the next one.
    unsigned revision() const { return revision_; }
    // Acts on a control as a completed click on it does; assistive technology presses here.
    void press(ControlRef control);

  signals:
    // Named in full, so that string-based connections and signal spies match the type.
    void pressed(quillane::ControlRef control);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void paintControl(QPainter& painter, const Look& look, const std::string& caption);
    // Draws every picture the table may show, and every label as it stands now, before they
    // are first needed, so that no move of the first game waits for them.
    void drawPicturesAhead();
    // A label's text colour: its own, or the system's button text.
    QColor labelText(const Look& look) const;
    // The area a control's look covers on the screen, whole device pixels included.
    QRect repaintArea(const Look& look) const;

    const Form& form_;
    // The table as the last refresh read it, and as the one before; the two swap places.
    TableReading reading_;
    TableReading previous_;
    PictureCache pictures_;
    bool picturesAhead_ = false;
    QTimer picturesAheadTimer_;
    std::optional<ControlRef> pressed_;
    unsigned revision_ = 0;
};

}  // namespace quillane::ui
