// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/table_accessible.h"

#include <QAccessible>
#include <algorithm>
#include <utility>

#include "model/control_view.h"
#include "model/spoken.h"
#include "model/stacking.h"
#include "ui/announcer.h"
#include "ui/button_accessible.h"
#include "ui/graphical_button.h"
#include "ui/pictures.h"
#include "ui/qt_convert.h"
#include "ui/table_view.h"

namespace quillane::ui {

namespace {

QRect screenRect(const TableView* table, const layout::Rect& rect) {
    const QRect local = toQRect(rect);
    return {table->mapToGlobal(local.topLeft()), local.size()};
}

// The common part of the children that have no QObject of their own.
class VirtualChild : public QAccessibleInterface {
  public:
    explicit VirtualChild(const TableAccessible* table) : table_(table) {}

    bool isValid() const override { return table_->isValid(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return table_->window(); }
    QAccessibleInterface* parent() const override { return const_cast<TableAccessible*>(table_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}

  protected:
    const TableAccessible* table_;
};

bool isReadAlone(const Form& form, ControlRef control) {
    return viewOf(form, control).reading == Reading::alone;
}

bool hasHandler(const Form& form, ControlRef control) {
    return viewOf(form, control).hasHandler;
}

// A face, a back, the stock, the round marker or a label. Pictures read as images; a face or
// the stock also offers Press, which does what a click does, and reads as disabled while a
// click would do nothing.
class ControlChild final : public VirtualChild, public QAccessibleActionInterface {
  public:
    ControlChild(const TableAccessible* table, ControlRef control)
        : VirtualChild(table), control_(control) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface && hasHandler(table_->form(), control_)
                   ? static_cast<QAccessibleActionInterface*>(this)
                   : nullptr;
    }
    QString text(QAccessible::Text kind) const override {
        const Speech speech = speechOf(table_->form(), control_);
        if (kind == QAccessible::Name) return toQString(speech.name);
        if (kind == QAccessible::Description) return toQString(speech.description);
        return {};
    }
    QRect rect() const override {
        return screenRect(table_->table(), viewOf(table_->form(), control_).look.rect);
    }
    QAccessible::Role role() const override {
        return viewOf(table_->form(), control_).look.drawing == Drawing::label
                   ? QAccessible::StaticText
                   : QAccessible::Graphic;
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        const ControlView view = viewOf(table_->form(), control_);
        state.invisible = !view.look.visible;
        state.disabled = view.hasHandler && !view.takesInput;
        return state;
    }

    QStringList actionNames() const override {
        return hasHandler(table_->form(), control_) ? QStringList{pressAction()} : QStringList();
    }
    void doAction(const QString& name) override {
        if (hasHandler(table_->form(), control_) && name == pressAction())
            table_->table()->press(control_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  private:
    ControlRef control_;
};

class ScoreTable;

// One cell of the score table: the row's name in column 0, its points in column 1.
class ScoreCell final : public VirtualChild, public QAccessibleTableCellInterface {
  public:
    ScoreCell(const TableAccessible* table, const ScoreTable* scores, int row, int column)
        : VirtualChild(table), scores_(scores), row_(row), column_(column) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }
    QAccessibleInterface* parent() const override;
    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name) return {};
        return toQString(spoken::scoreCell(table_->form(), row_ + 1, column_));
    }
    QRect rect() const override {
        const ControlKind kind = column_ == 0 ? ControlKind::lblscoreots : ControlKind::lblscore;
        return screenRect(table_->table(), viewOf(table_->form(), {kind, row_ + 1}).look.rect);
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override { return {}; }

    int columnExtent() const override { return 1; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    int columnIndex() const override { return column_; }
    int rowExtent() const override { return 1; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int rowIndex() const override { return row_; }
    bool isSelected() const override { return false; }
    QAccessibleInterface* table() const override;

  private:
    const ScoreTable* scores_;
    int row_;
    int column_;
};

// What the score table hands back for a row or column it does not have. Qt 6.4's AT-SPI bridge
// (AtSpiAdaptor::tableInterface) calls cellAt(row, column)->tableCellInterface() for a
// client's GetColumnExtentAt, GetRowExtentAt, GetRowHeader, IsSelected and
// GetRowColumnExtentsAtIndex without checking either for null, so a null cell would crash the
// game on any client's bad index; this cell answers instead: no place, no extent, no text.
class MissingCell final : public VirtualChild, public QAccessibleTableCellInterface {
  public:
    MissingCell(const TableAccessible* table, const ScoreTable* scores)
        : VirtualChild(table), scores_(scores) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }
    QAccessibleInterface* parent() const override;
    QString text(QAccessible::Text) const override { return {}; }
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible = true;
        return state;
    }

    int columnExtent() const override { return 0; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    int columnIndex() const override { return -1; }
    int rowExtent() const override { return 0; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int rowIndex() const override { return -1; }
    bool isSelected() const override { return false; }
    QAccessibleInterface* table() const override;

  private:
    const ScoreTable* scores_;
};

// The score table: a row for each round and one for the total; the columns are headed by the
// table's heading labels.
class ScoreTable final : public VirtualChild, public QAccessibleTableInterface {
  public:
    static constexpr int rows = layout::scoreRows - 1;
    static constexpr int columns = 2;

    // It owns the cells it registers, so that only one of it may delete them.
    Q_DISABLE_COPY_MOVE(ScoreTable)

    explicit ScoreTable(const TableAccessible* table) : VirtualChild(table) {
        for (int row = 0; row < rows; ++row) {
            for (int column = 0; column < columns; ++column) {
                cells_.push_back(QAccessible::registerAccessibleInterface(
                    new ScoreCell(table, this, row, column)));
            }
        }
        missing_ = QAccessible::registerAccessibleInterface(new MissingCell(table, this));
    }
    ~ScoreTable() override {
        for (QAccessible::Id id : cells_) QAccessible::deleteAccessibleInterface(id);
        QAccessible::deleteAccessibleInterface(missing_);
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                                   : nullptr;
    }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? QStringLiteral("Score table") : QString();
    }
    QRect rect() const override {
        return screenRect(table_->table(), scoreTableOf(table_->form()).rect);
    }
    QAccessible::Role role() const override { return QAccessible::Table; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible = !scoreTableOf(table_->form()).visible;
        return state;
    }
    int childCount() const override { return static_cast<int>(cells_.size()); }
    QAccessibleInterface* child(int index) const override {
        return index >= 0 && index < childCount()
                   ? QAccessible::accessibleInterface(cells_.at(static_cast<std::size_t>(index)))
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < childCount(); ++i) {
            if (QAccessible::accessibleInterface(cells_.at(static_cast<std::size_t>(i))) == child)
                return i;
        }
        return -1;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (!isCell(row, column)) return QAccessible::accessibleInterface(missing_);
        return child(row * columns + column);
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override {
        if (!isCell(0, column)) return {};
        const Form& form = table_->form();
        return toQString(column == 0 ? form.lblscoreots.at(0).Caption
                                     : form.lblscore.at(0).Caption);
    }
    QString rowDescription(int row) const override {
        if (!isCell(row, 0)) return {};
        return toQString(table_->form().lblscoreots.at(static_cast<std::size_t>(row + 1)).Caption);
    }
    int columnCount() const override { return columns; }
    int rowCount() const override { return rows; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

  private:
    static bool isCell(int row, int column) {
        return row >= 0 && row < rows && column >= 0 && column < columns;
    }

    std::vector<QAccessible::Id> cells_;
    QAccessible::Id missing_;
};

QAccessibleInterface* ScoreCell::parent() const {
    return const_cast<ScoreTable*>(scores_);
}
QAccessibleInterface* ScoreCell::table() const {
    return const_cast<ScoreTable*>(scores_);
}
QAccessibleInterface* MissingCell::parent() const {
    return const_cast<ScoreTable*>(scores_);
}
QAccessibleInterface* MissingCell::table() const {
    return const_cast<ScoreTable*>(scores_);
}

std::pair<int, int> keyOf(ControlRef control) {
    return {static_cast<int>(control.kind), control.index};
}

using Sink = TableAccessible::EventSink;

void send(Sink sink, QAccessibleInterface* interface, QAccessible::Event type) {
    QAccessibleEvent event(interface, type);
    sink(&event);
}

void sendStateChange(Sink sink, QAccessibleInterface* interface, QAccessible::State changed) {
    QAccessibleStateChangeEvent event(interface, changed);
    sink(&event);
}

// Shown or hidden: both the state and the event, as a widget that is shown or hidden sends.
void sendShown(Sink sink, QAccessibleInterface* interface, bool shown) {
    QAccessible::State changed;
    changed.invisible = true;
    sendStateChange(sink, interface, changed);
    send(sink, interface, shown ? QAccessible::ObjectShow : QAccessible::ObjectHide);
}

QAccessibleInterface* factory(const QString&, QObject* object) {
    if (auto* table = qobject_cast<TableView*>(object)) return new TableAccessible(table);
    if (auto* button = qobject_cast<GraphicalButton*>(object)) return new ButtonAccessible(button);
    if (auto* notice = qobject_cast<Notice*>(object))
        return new QAccessibleWidget(notice, QAccessible::Notification);
    return nullptr;
}

}  // namespace

// Nothing was announced before this interface existed, so what the table says now is what a
// client first reads.
TableAccessible::TableAccessible(TableView* table) : QAccessibleWidget(table, QAccessible::Pane) {
    for (const ControlRef& control : stackingOrder) {
        if (isReadAlone(form(), control)) said_[keyOf(control)] = sayingOf(control);
    }
    scoresSaid_ = scoreNames();
    scoreTableShown_ = scoreTableOf(form()).visible;
    childrenSaid_ = childIds();
}

TableAccessible::~TableAccessible() {
    for (const auto& [control, id] : controls_) QAccessible::deleteAccessibleInterface(id);
    if (scoreTable_) QAccessible::deleteAccessibleInterface(*scoreTable_);
}

TableView* TableAccessible::table() const {
    return static_cast<TableView*>(widget());
}
const Form& TableAccessible::form() const {
    return table()->form();
}

QString TableAccessible::text(QAccessible::Text kind) const {
    return kind == QAccessible::Name ? QStringLiteral("Card table") : QAccessibleWidget::text(kind);
}

QAccessibleInterface* TableAccessible::controlChild(ControlRef control) const {
    const auto key = keyOf(control);
    auto found = controls_.find(key);
    if (found == controls_.end()) {
        found =
            controls_
                .emplace(key,
                         QAccessible::registerAccessibleInterface(new ControlChild(this, control)))
                .first;
    }
    return QAccessible::accessibleInterface(found->second);
}

QAccessibleInterface* TableAccessible::scoreTable() const {
    if (!scoreTable_) scoreTable_ = QAccessible::registerAccessibleInterface(new ScoreTable(this));
    return QAccessible::accessibleInterface(*scoreTable_);
}

const std::vector<QAccessibleInterface*>& TableAccessible::children() const {
    if (childrenRevision_ != table()->revision()) {
        children_ = readChildren();
        childrenRevision_ = table()->revision();
    }
    return children_;
}

std::vector<QAccessibleInterface*> TableAccessible::readChildren() const {
    std::vector<QAccessibleInterface*> found;
    for (QWidget* button : table()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (button->isVisible()) found.push_back(QAccessible::queryAccessibleInterface(button));
    }
    // Read from the top of the table down and from left to right, as a player looks at it.
    std::vector<std::pair<layout::Rect, ControlRef>> shown;
    for (const ControlRef& control : stackingOrder) {
        const ControlView view = viewOf(form(), control);
        if (view.reading == Reading::alone && view.look.visible)
            shown.emplace_back(view.look.rect, control);
    }
    std::stable_sort(shown.begin(), shown.end(), [](const auto& a, const auto& b) {
        return std::pair(a.first.Top, a.first.Left) < std::pair(b.first.Top, b.first.Left);
    });
    for (const auto& [rect, control] : shown) found.push_back(controlChild(control));
    if (scoreTableOf(form()).visible) found.push_back(scoreTable());
    return found;
}

int TableAccessible::childCount() const {
    return static_cast<int>(children().size());
}

QAccessibleInterface* TableAccessible::child(int index) const {
    const auto& all = children();
    return index >= 0 && index < static_cast<int>(all.size())
               ? all.at(static_cast<std::size_t>(index))
               : nullptr;
}

int TableAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto& all = children();
    const auto found = std::find(all.begin(), all.end(), child);
    return found == all.end() ? -1 : static_cast<int>(found - all.begin());
}

QAccessibleInterface* TableAccessible::childAt(int x, int y) const {
    const QPoint local = table()->mapFromGlobal(QPoint(x, y));
    if (QWidget* button = table()->childAt(local))
        return QAccessible::queryAccessibleInterface(button);
    const auto control = table()->controlAt(local);
    if (!control) return nullptr;
    switch (viewOf(form(), *control).reading) {
        case Reading::alone:
            return controlChild(*control);
        case Reading::inScoreTable:
            return scoreTableOf(form()).visible ? scoreTable() : nullptr;
        case Reading::notRead:
            return nullptr;
    }
    return nullptr;
}

TableAccessible::Saying TableAccessible::sayingOf(ControlRef control) const {
    const ControlView view = viewOf(form(), control);
    const Speech speech = speechOf(form(), control);
    return {view.look.visible, toQString(speech.name), toQString(speech.description),
            view.takesInput};
}

std::vector<QString> TableAccessible::scoreNames() const {
    std::vector<QString> names;
    for (std::size_t row = 1; row < layout::scoreRows; ++row) {
        names.push_back(toQString(form().lblscoreots.at(row).Caption));
        names.push_back(toQString(form().lblscore.at(row).Caption));
    }
    return names;
}

std::vector<QAccessible::Id> TableAccessible::childIds() const {
    std::vector<QAccessible::Id> ids;
    for (QAccessibleInterface* child : children()) ids.push_back(QAccessible::uniqueId(child));
    return ids;
}

void TableAccessible::announceChanges(EventSink sink) {
    // Children that joined or left the table. Qt 6.4's AT-SPI bridge (AtSpiAdaptor::notify)
    // turns ObjectCreated and ObjectDestroyed into object:children-changed:add and :remove on
    // the parent; its ObjectReorder sends a ChildrenChanged signal of signature siis(so), which
    // libatspi drops as invalid. Nothing is destroyed: a child that leaves may come back.
    std::vector<QAccessible::Id> ids = childIds();
    if (ids != childrenSaid_) {
        auto sendEach = [sink](const std::vector<QAccessible::Id>& from,
                               const std::vector<QAccessible::Id>& notIn, QAccessible::Event type) {
            for (QAccessible::Id id : from) {
                if (std::find(notIn.begin(), notIn.end(), id) == notIn.end())
                    send(sink, QAccessible::accessibleInterface(id), type);
            }
        };
        sendEach(childrenSaid_, ids, QAccessible::ObjectDestroyed);
        sendEach(ids, childrenSaid_, QAccessible::ObjectCreated);
        childrenSaid_ = std::move(ids);
    }

    for (const ControlRef& control : stackingOrder) {
        if (!isReadAlone(form(), control)) continue;
        Saying now = sayingOf(control);
        Saying& said = said_[keyOf(control)];
        if (now == said) continue;
        const Saying before = std::exchange(said, std::move(now));
        const Saying& after = said;
        // A control that stays hidden has no one to tell.
        if (!before.shown && !after.shown) continue;
        QAccessibleInterface* child = controlChild(control);
        if (after.shown != before.shown) sendShown(sink, child, after.shown);
        if (after.name != before.name) send(sink, child, QAccessible::NameChanged);
        if (after.description != before.description)
            send(sink, child, QAccessible::DescriptionChanged);
        if (after.takesInput != before.takesInput) {
            QAccessible::State changed;
            changed.disabled = true;
            sendStateChange(sink, child, changed);
        }
    }

    const bool scoresShown = scoreTableOf(form()).visible;
    if (scoresShown != scoreTableShown_) {
        scoreTableShown_ = scoresShown;
        sendShown(sink, scoreTable(), scoresShown);
    }
    const std::vector<QString> scores = scoreNames();
    QAccessibleTableInterface* grid = scoreTable()->tableInterface();
    for (std::size_t i = 0; i < scores.size(); ++i) {
        if (scores.at(i) == scoresSaid_.at(i)) continue;
        const int cell = static_cast<int>(i);
        send(sink, grid->cellAt(cell / ScoreTable::columns, cell % ScoreTable::columns),
             QAccessible::NameChanged);
    }
    scoresSaid_ = scores;
}

void announceChanges(TableView* table) {
    // Without a screen reader nobody listens, and the comparisons would cost every click.
    if (!QAccessible::isActive()) return;
    if (auto* accessible =
            dynamic_cast<TableAccessible*>(QAccessible::queryAccessibleInterface(table))) {
        accessible->announceChanges(&QAccessible::updateAccessibility);
    }
}

void installTableAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
}

}  // namespace quillane::ui
