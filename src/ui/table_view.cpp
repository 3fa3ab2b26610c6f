// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/table_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <utility>

#include "access/glance.h"
#include "access/spoken.h"
#include "model/stacking.h"
#include "ui/graphical_button.h"
#include "ui/qt_convert.h"
#include "ui/table_keys.h"

namespace quillane::ui {

TableView::TableView(const Form& form, QWidget* parent) : QWidget(parent), form_(form) {
    // The table is never smaller than its own size, and grows with the window.
    setMinimumSize(tableSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
    readTable(form_, reading_);
    picturesAheadTimer_.setSingleShot(true);
    picturesAheadTimer_.setInterval(0);
    // Only at the table's own size: drawn ahead at a grown one, the pictures would hold memory
    // in proportion to their area, about 24 MiB more at four times the size; there they are
    // drawn as they first show, as after any resize.
    connect(&picturesAheadTimer_, &QTimer::timeout, this, [this] {
        if (scale_.scale() == 1) painter_.drawAhead(reading_, pictureRatio(), palette());
    });
    focusTurnedTimer_.setSingleShot(true);
    focusTurnedTimer_.setInterval(0);
    connect(&focusTurnedTimer_, &QTimer::timeout, this, &TableView::cursorMoved);
    connect(&keysInUse_, &KeysInUse::changed, this, [this] { update(repaintArea(cursorRing())); });
}

QSize TableView::sizeHint() const {
    return tableSize;
}

qreal TableView::pictureRatio() const {
    return devicePixelRatioF() * scale_.scale();
}

// At a fractional density a control's edges fall inside device pixels, which its picture paints
// but a repaint of the logical pixels it covers may leave out; one logical pixel more on each
// side takes them in.
QRect TableView::repaintArea(QRect tableRect) const {
    const QRect rect = onScreen(tableRect);
    const qreal ratio = pictureRatio();
    return ratio == std::floor(ratio) ? rect : rect.adjusted(-1, -1, 1, 1);
}

// Only the view scales: the buttons stand where their controls do, the pictures are drawn anew
// at the size they now show, and those of the size left behind are let go as they are.
void TableView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    scale_.fit(size(), devicePixelRatioF());
    for (GraphicalButton* each : findChildren<GraphicalButton*>())
        each->setGeometry(onScreen(toQRect(viewOf(form_, {each->kind(), 0}).look.rect)));
}

void TableView::refresh() {
    const QRect ringBefore = cursorRing();
    std::swap(previous_, reading_);
    readTable(form_, reading_);
    cursor_ = cursorAfterMove(form_, reading_, cursor_);
    if (cursorRing() != ringBefore) update(repaintArea(ringBefore | cursorRing()));
    // Clipping every picture against a region of many pieces costs more than painting the
    // area around them once, and so does working out such a region.
    constexpr int mostPieces = 8;
    constexpr int mostAreas = 2 * mostPieces;
    QRegion changed;
    QRect around;
    int areas = 0;
    const auto add = [&](QRect area) {
        around |= area;
        if (++areas <= mostAreas) changed += area;
    };
    forEachChangedLook(previous_, reading_, [&](const Look& was, const Look& now) {
        if (was.visible) add(repaintArea(toQRect(was.rect)));
        if (now.visible) add(repaintArea(toQRect(now.rect)));
    });
    update(areas > mostAreas || changed.rectCount() > mostPieces ? QRegion(around) : changed);
    emit refreshed();
}

std::optional<ControlRef> TableView::controlAt(QPointF point) const {
    const QPointF onTable = scale_.toTable(point);
    return quillane::controlAt(reading_, twips(onTable.x()), twips(onTable.y()));
}

void TableView::paintEvent(QPaintEvent* event) {
    // Once the window has first shown, and before any input, while the player looks at it.
    if (!std::exchange(picturesAhead_, true)) picturesAheadTimer_.start();
    QPainter painter(this);
    const auto cursor = ringShows() ? underCursor() : std::nullopt;
    const auto ringAt = cursor ? std::optional(stackingPositionOf(*cursor)) : std::nullopt;
    // The window refreshes after every handler, so the last reading is the form's.
    painter_.paint(painter, *event, scale_, reading_, ringAt, cursorRing(), palette());
}

std::optional<ControlRef> TableView::underCursor() const {
    return cursor_ ? quillane::underCursor(reading_, *cursor_) : std::nullopt;
}

QRect TableView::cursorRing() const {
    const auto cursor = underCursor();
    if (!cursor) return {};
    return TablePainter::ringAround(
        toQRect(reading_.views.at(stackingPositionOf(*cursor)).look.rect));
}

void TableView::moveCursor(CursorMove move) {
    if (cursor_) placeCursor(cursorStep(reading_, *cursor_, move));
}

void TableView::placeCursor(Place to) {
    if (to == cursor_) return;
    update(repaintArea(cursorRing()));
    cursor_ = to;
    update(repaintArea(cursorRing()));
    emit cursorMoved();
}

// A key that finds the cursor there already says what it stands on, which the screen reader
// was told of before.
void TableView::goTo(std::optional<Place> to, const KeyBinding& key) {
    if (!to) {
        emit says(toQString(spoken::nowhereToGo(form_, key)));
    } else if (to == cursor_) {
        emit says(toQString(speechOf(form_, *underCursor()).name));
    } else {
        placeCursor(*to);
    }
}

void TableView::keyPressEvent(QKeyEvent* event) {
    const KeyBinding* key = tableKeyOf(event->key(), event->modifiers());
    if (key == nullptr || !takeKey(*key, event->isAutoRepeat())) QWidget::keyPressEvent(event);
}

// Before any button acts on a key that may be its access key, the key is offered to the focus:
// this table, or one of its buttons and then this table. Whether the key's button takes it is
// known here, as the button stands before the key.
bool TableView::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && event->spontaneous()) {
        if (const auto key = accessKeys_.firstOffer(*static_cast<QKeyEvent*>(event)))
            emit accessKeyOffered(*key);
    }
    return QWidget::event(event);
}

bool TableView::takeKey(const KeyBinding& key, bool repeated) {
    // The buttons' own keys reach here from a button that did not take them.
    if (!hasFocus() && !worksFromButtons(key.asks)) return false;
    if (key.asks == KeyAsks::move) moveCursor(key.move);
    if (repeated) return true;
    switch (key.asks) {
        case KeyAsks::move:
            break;
        case KeyAsks::press:
            if (const auto control = underCursor()) press(*control, PressedBy::keyboard);
            break;
        // As a click on the stock, wherever the cursor stands.
        case KeyAsks::turn:
            press({ControlKind::Image2, 0}, PressedBy::keyboard);
            break;
        case KeyAsks::rank:
        case KeyAsks::stock:
        case KeyAsks::waste:
            goTo(cursorTarget(reading_, cursor_.value_or(stockTopPlace), key), key);
            break;
        case KeyAsks::glance:
            emit says(toQString(spoken::glance(form_, reading_)));
            break;
        case KeyAsks::state:
            emit says(toQString(spoken::gameState(form_)));
            break;
        case KeyAsks::keys:
            emit says(toQString(spoken::keyList()));
            break;
    }
    return true;
}

// The ring shows only while the table has the focus. A screen reader hears of the cursor's card
// after the toolkit has told it of the table itself; once the table has lost the focus, the
// card is no longer the focus the screen reader was told of.
void TableView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update(repaintArea(cursorRing()));
    focusTurnedTimer_.start();
}

void TableView::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update(repaintArea(cursorRing()));
    focusTurnedTimer_.start();
}

GraphicalButton* TableView::button(ControlKind kind) const {
    const auto buttons = findChildren<GraphicalButton*>();
    const auto found =
        std::find_if(buttons.begin(), buttons.end(),
                     [kind](const GraphicalButton* each) { return each->kind() == kind; });
    return found == buttons.end() ? nullptr : *found;
}

void TableView::press(ControlRef control, PressedBy by) {
    emit pressed(control, by);
}

void TableView::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton ? controlAt(event->position()) : std::nullopt;
}

// A click is a press and a release of the left button on the same control.
void TableView::mouseReleaseEvent(QMouseEvent* event) {
    const auto pressed = std::exchange(pressed_, std::nullopt);
    if (event->button() == Qt::LeftButton && pressed && controlAt(event->position()) == pressed)
        press(*pressed);
}

}  // namespace quillane::ui
