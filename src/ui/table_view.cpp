// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/table_view.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "model/stacking.h"
#include "ui/graphical_button.h"
#include "ui/pictures.h"
#include "ui/qt_convert.h"

namespace quillane::ui {

namespace {

struct CursorKey {
    int key;
    CursorMove move;
};
constexpr std::array cursorKeys = {
    CursorKey{Qt::Key_Left, CursorMove::left},     CursorKey{Qt::Key_Right, CursorMove::right},
    CursorKey{Qt::Key_Up, CursorMove::up},         CursorKey{Qt::Key_Down, CursorMove::down},
    CursorKey{Qt::Key_Home, CursorMove::rowStart}, CursorKey{Qt::Key_End, CursorMove::rowEnd},
};
constexpr std::array pressKeys = {Qt::Key_Space, Qt::Key_Return};
// Says the whole game's state: S, for the state and the score.
constexpr int stateKey = Qt::Key_S;

// The cursor's ring: the table's blue, which stands out against the green table, a white face
// and a black back alike, with a pixel of table between it and the card.
constexpr int ringGap = 1;
constexpr int ringWidth = 3;
const QColor ringColour = toQColor(layout::blue);

// Fills the frame of the given width just inside `outer`.
void fillFrame(QPainter& painter, QRect outer, int width, const QColor& colour) {
    painter.fillRect(outer.left(), outer.top(), outer.width(), width, colour);
    painter.fillRect(outer.left(), outer.bottom() - width + 1, outer.width(), width, colour);
    painter.fillRect(outer.left(), outer.top(), width, outer.height(), colour);
    painter.fillRect(outer.right() - width + 1, outer.top(), width, outer.height(), colour);
}

}  // namespace

TableView::TableView(const Form& form, QWidget* parent) : QWidget(parent), form_(form) {
    setFixedSize(pixels(layout::clientSize.Width), pixels(layout::clientSize.Height));
    setAttribute(Qt::WA_OpaquePaintEvent);
    readTable(form_, reading_);
    picturesAheadTimer_.setSingleShot(true);
    picturesAheadTimer_.setInterval(0);
    connect(&picturesAheadTimer_, &QTimer::timeout, this, &TableView::drawPicturesAhead);
    focusTurnedTimer_.setSingleShot(true);
    focusTurnedTimer_.setInterval(0);
    connect(&focusTurnedTimer_, &QTimer::timeout, this, &TableView::cursorMoved);
    QCoreApplication::instance()->installEventFilter(this);
}

bool TableView::eventFilter(QObject* watched, QEvent* event) {
    const bool key = event->type() == QEvent::KeyPress;
    if ((key || event->type() == QEvent::MouseButtonPress) && keysInUse_ != key) {
        keysInUse_ = key;
        update(cursorRing());
    }
    return QWidget::eventFilter(watched, event);
}

// At a fractional scale a control's edges fall inside device pixels, which its picture paints
// but a repaint of its logical rectangle may leave out; one logical pixel more on each side
// takes them in.
QRect TableView::repaintArea(const Look& look) const {
    const QRect rect = toQRect(look.rect);
    const qreal ratio = devicePixelRatioF();
    return ratio == std::floor(ratio) ? rect : rect.adjusted(-1, -1, 1, 1);
}

void TableView::refresh() {
    const QRect ringBefore = cursorRing();
    std::swap(previous_, reading_);
    readTable(form_, reading_);
    ++revision_;
    cursor_ = cursorAfterMove(form_, reading_, cursor_);
    if (cursorRing() != ringBefore) update(ringBefore | cursorRing());
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
        if (was.visible) add(repaintArea(was));
        if (now.visible) add(repaintArea(now));
    });
    update(areas > mostAreas || changed.rectCount() > mostPieces ? QRegion(around) : changed);
}

std::optional<ControlRef> TableView::controlAt(QPointF point) const {
    return quillane::controlAt(reading_, twips(point.x()), twips(point.y()));
}

void TableView::drawPicturesAhead() {
    const qreal ratio = devicePixelRatioF();
    for (int card = 0; card < cardCount; ++card) pictures_.face(card, ratio);
    pictures_.back(ratio);
    pictures_.strip(ratio);
    pictures_.arrow(ratio);
    for (std::size_t i = 0; i < reading_.views.size(); ++i) {
        const Look& look = reading_.views.at(i).look;
        if (look.drawing == Drawing::label)
            pictures_.label(*look.label, reading_.captions.at(i), labelText(look), ratio);
    }
}

QColor TableView::labelText(const Look& look) const {
    return look.label->text ? toQColor(*look.label->text) : palette().color(QPalette::ButtonText);
}

void TableView::paintEvent(QPaintEvent* event) {
    // Once the window has first shown, and before any input, while the player looks at it.
    if (!std::exchange(picturesAhead_, true)) picturesAheadTimer_.start();
    QPainter painter(this);
    painter.fillRect(event->rect(), toQColor(layout::tableColour));
    // The ring is painted just over its card, so that the cards above it cover it as they
    // cover the card.
    const auto cursor = ringShows() ? underCursor() : std::nullopt;
    const std::size_t ringAt = cursor ? stackingPositionOf(*cursor) : reading_.views.size();
    // The window refreshes after every handler, so the last reading is the form's.
    for (std::size_t i = reading_.views.size(); i-- > 0;) {
        const Look& look = reading_.views.at(i).look;
        if (look.visible && event->region().intersects(toQRect(look.rect)))
            paintControl(painter, look, reading_.captions.at(i));
        if (i == ringAt) fillFrame(painter, cursorRing(), ringWidth, ringColour);
    }
}

std::optional<ControlRef> TableView::underCursor() const {
    return cursor_ ? quillane::underCursor(reading_, *cursor_) : std::nullopt;
}

QRect TableView::cursorRing() const {
    const auto cursor = underCursor();
    if (!cursor) return {};
    constexpr int outset = ringGap + ringWidth;
    const Look& look = reading_.views.at(stackingPositionOf(*cursor)).look;
    return toQRect(look.rect).adjusted(-outset, -outset, outset, outset);
}

void TableView::moveCursor(CursorMove move) {
    if (!cursor_) return;
    const Place to = cursorStep(reading_, *cursor_, move);
    if (to == *cursor_) return;
    update(cursorRing());
    cursor_ = to;
    update(cursorRing());
    emit cursorMoved();
}

// The keypad's keys are a screen reader's own (Orca's review and "where am I"); one that the
// screen reader was too busy to answer for in time reaches the window all the same (Qt 6.4, in
// Debian 12, waits a tenth of a second for it), and on every version must not move the cursor
// or press a card.
void TableView::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() != Qt::NoModifier || !takeKey(event->key(), event->isAutoRepeat()))
        QWidget::keyPressEvent(event);
}

// Before any button acts on a key that may be its access key, the key is offered to the focus:
// this table, or one of its buttons and then this table. Whether the key's button takes it is
// known here, as the button stands before the key. Qt 6.4 (Debian 12) offers one press twice,
// and with a screen reader listening hands it on again as a key press once the button has
// acted; on every version only the first offer of a press counts, a press told by when it came
// and which key it was.
// The repeats of a held key count only where the toolkit does not mark them as repeats.
bool TableView::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && event->spontaneous()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool accessKey = (key->modifiers() & ~Qt::KeypadModifier) == Qt::AltModifier &&
                               key->key() >= Qt::Key_A && key->key() <= Qt::Key_Z &&
                               !key->isAutoRepeat();
        const std::pair offer{key->timestamp(), key->key()};
        if (accessKey && std::exchange(lastOffered_, offer) != offer)
            emit accessKeyOffered(static_cast<char>('A' + (key->key() - Qt::Key_A)));
    }
    return QWidget::event(event);
}

bool TableView::takeKey(int key, bool repeated) {
    if (key == stateKey) {
        if (!repeated) emit stateAsked();
        return true;
    }
    // The buttons' own keys reach here from a button that did not take them.
    if (!hasFocus()) return false;
    const auto cursorKey = std::find_if(cursorKeys.begin(), cursorKeys.end(),
                                        [key](CursorKey each) { return each.key == key; });
    if (cursorKey != cursorKeys.end()) {
        moveCursor(cursorKey->move);
        return true;
    }
    if (std::find(pressKeys.begin(), pressKeys.end(), key) == pressKeys.end()) return false;
    const auto control = underCursor();
    if (control && !repeated) press(*control, PressedBy::keyboard);
    return true;
}

// The ring shows only while the table has the focus. A screen reader hears of the cursor's card
// after the toolkit has told it of the table itself; once the table has lost the focus, the
// card is no longer the focus the screen reader was told of.
void TableView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update(cursorRing());
    focusTurnedTimer_.start();
}

void TableView::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update(cursorRing());
    focusTurnedTimer_.start();
}

void TableView::paintControl(QPainter& painter, const Look& look, const std::string& caption) {
    const QPoint topLeft = toQRect(look.rect).topLeft();
    // The device decides: a screen, or an image rendered at another density.
    const qreal ratio = painter.paintEngine()->paintDevice()->devicePixelRatioF();
    switch (look.drawing) {
        case Drawing::face:
            painter.drawPixmap(topLeft, pictures_.face(look.card, ratio));
            break;
        case Drawing::back:
            painter.drawPixmap(topLeft, pictures_.back(ratio));
            break;
        case Drawing::strip:
            painter.drawPixmap(topLeft, pictures_.strip(ratio));
            break;
        case Drawing::arrow:
            painter.drawPixmap(topLeft, pictures_.arrow(ratio));
            break;
        case Drawing::gridLine:
            painter.fillRect(toQRect(look.rect), toQColor(layout::gridColour));
            break;
        case Drawing::frameLine:
            painter.fillRect(toQRect(look.rect), palette().color(QPalette::WindowText));
            break;
        case Drawing::label:
            painter.drawPixmap(topLeft,
                               pictures_.label(*look.label, caption, labelText(look), ratio));
            break;
        case Drawing::button:
        case Drawing::menuItem:
            break;  // widgets of their own
    }
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
