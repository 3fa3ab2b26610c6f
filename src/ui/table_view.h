// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTimer>
#include <QWidget>
#include <optional>

#include "access/key_table.h"
#include "access/table_cursor.h"
#include "access/table_reading.h"
#include "model/form.h"
#include "ui/access_key_offers.h"
#include "ui/keys_in_use.h"
#include "ui/table_painter.h"
#include "ui/table_scale.h"

namespace quillane::ui {

class GraphicalButton;

// How a press reached the table: a click, or a press by assistive technology, stays silent when
// it does nothing; a key says why.
enum class PressedBy { pointer, keyboard };

// The green table with every control of the window but the push buttons: its painter paints
// pictures, labels and lines in stacking order, and a click goes to the topmost control under
// the mouse that catches clicks. Whether it reaches a handler is for the routing to decide.
// Both read the table as the last refresh found it, and so does the accessibility layer.
// The table shows as large as the widget allows, keeping its proportions (TableScale); its
// controls' places stay the form's.
//
// While it has the keyboard focus, a cursor stands on one of its cards or the stock, drawn as
// a ring once the player uses the keys (tableKeys): the arrow keys, Home and End move it, the
// rank keys and those of the stock and the waste pile take it straight there, and Space or
// Enter press what lies under it. A player who only uses the mouse never sees it.
class TableView : public QWidget {
    Q_OBJECT

  public:
    explicit TableView(const Form& form, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    // The control a click at this point of the widget would reach, if any.
    std::optional<ControlRef> controlAt(QPointF point) const;
    // How the table stands in the widget, and where a rectangle of the table, in the table's
    // own logical pixels, shows in the widget.
    const TableScale& scale() const { return scale_; }
    QRect onScreen(QRect tableRect) const { return scale_.covering(tableRect); }
    const Form& form() const { return form_; }
    // Reads the table afresh, settles the cursor, and schedules a repaint of just the places
    // where a control changed since the last reading.
    void refresh();
    const TableReading& reading() const { return reading_; }
    // Acts on a control as a completed click on it does; assistive technology presses here.
    void press(ControlRef control, PressedBy by = PressedBy::pointer);
    // What the keyboard's cursor stands on, whether or not the table has the focus.
    std::optional<ControlRef> underCursor() const;
    // The push button of this kind, which stands on the table, once the window has made it.
    GraphicalButton* button(ControlKind kind) const;

  signals:
    // The table was read afresh.
    void refreshed();
    // Named in full, so that string-based connections and signal spies match the type.
    void pressed(quillane::ControlRef control, quillane::ui::PressedBy by);
    // The cursor went to another card, or the table took or lost the focus.
    void cursorMoved();
    // A key has something to say: the game's state, the table at a glance, the keys, or why it
    // left the cursor where it was.
    void says(const QString& sentence);
    // An access key was pressed while this widget or one of its buttons had the focus, before
    // any button acted on it.
    void accessKeyOffered(char key);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // The density pictures are drawn at: the screen's, times the table's scale.
    qreal pictureRatio() const;
    // The area of the widget a rectangle of the table covers, whole device pixels included.
    QRect repaintArea(QRect tableRect) const;
    // The ring around the card or stock under the cursor, in the table's logical pixels.
    QRect cursorRing() const;
    bool ringShows() const { return keysInUse_.inUse() && hasFocus(); }
    void moveCursor(CursorMove move);
    void placeCursor(Place to);
    // Takes the cursor straight to a place, or says why it stays.
    void goTo(std::optional<Place> to, const KeyBinding& key);
    // Acts on a key of the table's own, those that only say something wherever the focus is in
    // the table and the others while the table has it; returns whether it took the key. A key
    // held down moves the cursor on, but does anything else only once.
    bool takeKey(const KeyBinding& key, bool repeated);

    const Form& form_;
    // The table as the last refresh read it, and as the one before; the two swap places.
    TableReading reading_;
    TableReading previous_;
    TablePainter painter_;
    TableScale scale_;
    bool picturesAhead_ = false;
    QTimer picturesAheadTimer_;
    // Says the cursor moved once the focus has turned, after the toolkit has told of it.
    QTimer focusTurnedTimer_;
    std::optional<ControlRef> pressed_;
    std::optional<Place> cursor_;
    AccessKeyOffers accessKeys_;
    // The ring shows only while the player uses the keys.
    KeysInUse keysInUse_;
};

}  // namespace quillane::ui
