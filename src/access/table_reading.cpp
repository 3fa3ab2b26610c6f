// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "access/table_reading.h"

#include <algorithm>
#include <tuple>

#include "access/spoken.h"
#include "model/control_kinds.h"

namespace quillane {

namespace {

// Every painted control, every push button and the score table could show at once.
constexpr std::size_t mostFound = paintedControlCount + pushButtons.size() + 1;

// Where a thing comes in reading order: by its part of the window, then from the top of the
// table down and from left to right, as a player looks at it; then, for things that lie in the
// same place, from the topmost down.
struct ReadingPlace {
    Reading part = Reading::onTable;
    layout::Rect rect;
    std::size_t stacking = 0;
    Readable what;
    bool takesInput = false;

    auto key() const { return std::tie(part, rect.Top, rect.Left, stacking); }
};

// The score table's rectangle and whether it shows, from the parts it is made of.
void readScoreTable(TableReading& reading) {
    Single left = layout::clientSize.Width;
    Single top = layout::clientSize.Height;
    Single right = 0;
    Single bottom = 0;
    reading.scoreTableShown = false;
    for (const ControlView& view : reading.views) {
        if (view.reading != Reading::inScoreTable) continue;
        const layout::Rect& rect = view.look.rect;
        reading.scoreTableShown = reading.scoreTableShown || view.look.visible;
        left = std::min(left, rect.Left);
        top = std::min(top, rect.Top);
        right = std::max(right, rect.Left + rect.Width);
        bottom = std::max(bottom, rect.Top + rect.Height);
    }
    reading.scoreTableRect = {left, top, right - left, bottom - top};
}

void readFound(const Form& form, TableReading& reading) {
    std::array<ReadingPlace, mostFound> places{};
    std::size_t count = 0;
    auto add = [&](Reading part, layout::Rect rect, std::size_t stacking, Readable what,
                   bool takesInput) {
        places.at(count++) = {part, rect, stacking, what, takesInput};
    };
    for (std::size_t i = 0; i < stackingOrder.size(); ++i) {
        const ControlView& view = reading.views.at(i);
        const bool read = view.look.visible || readWhileHidden(form, stackingOrder.at(i));
        if (read && view.reading != Reading::inScoreTable && view.reading != Reading::notRead)
            add(view.reading, view.look.rect, i, stackingOrder.at(i), view.takesInput);
    }
    if (reading.scoreTableShown) {
        add(Reading::inScoreTable, reading.scoreTableRect, 0, ScoreTableRef{}, false);
    }
    for (const ControlRef& button : pushButtons) {
        const ControlView view = viewOf(form, button);
        if (view.look.visible) add(view.reading, view.look.rect, 0, button, view.takesInput);
    }
    std::sort(places.begin(), places.begin() + static_cast<std::ptrdiff_t>(count),
              [](const ReadingPlace& a, const ReadingPlace& b) { return a.key() < b.key(); });

    reading.found.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        Found& found = reading.found.at(i);
        found.what = places.at(i).what;
        found.takesInput = places.at(i).takesInput;
    }
}

}  // namespace

const Found* foundIn(const TableReading& reading, Readable what) {
    const auto found = std::find_if(reading.found.begin(), reading.found.end(),
                                    [&](const Found& each) { return each.what == what; });
    return found == reading.found.end() ? nullptr : &*found;
}

void readTable(const Form& form, TableReading& reading) {
    for (std::size_t i = 0; i < stackingOrder.size(); ++i) {
        reading.views.at(i) = viewOf(form, stackingOrder.at(i));
        reading.captions.at(i) = captionOf(form, stackingOrder.at(i));
    }
    readScoreTable(reading);
    readFound(form, reading);
    reading.spoken = false;
}

void speakTable(const Form& form, TableReading& reading) {
    if (reading.spoken) return;
    for (Found& found : reading.found) {
        if (const auto* control = std::get_if<ControlRef>(&found.what)) {
            found.speech = speechOf(form, *control);
        } else {
            found.speech = {"Score table", ""};
        }
    }
    for (int cell = 0; cell < scoreCellCount; ++cell) {
        reading.scoreCells.at(static_cast<std::size_t>(cell)) =
            spoken::scoreCell(form, cell / scoreColumns + 1, cell % scoreColumns);
    }
    reading.spoken = true;
}

std::optional<ControlRef> controlAt(const TableReading& reading, Single x, Single y) {
    for (std::size_t i = 0; i < stackingOrder.size(); ++i) {
        if (catchesClickAt(reading.views.at(i), x, y)) return stackingOrder.at(i);
    }
    return std::nullopt;
}

std::vector<ReadingChange> changesBetween(const TableReading& before, const TableReading& after) {
    using Kind = ReadingChange::Kind;
    std::vector<ReadingChange> changes;
    for (const Found& was : before.found) {
        if (foundIn(after, was.what) == nullptr) changes.push_back({Kind::left, was.what});
    }
    const bool spoken = before.spoken && after.spoken;
    for (const Found& now : after.found) {
        const Found* was = foundIn(before, now.what);
        if (was == nullptr) {
            changes.push_back({Kind::joined, now.what});
            continue;
        }
        if (spoken && was->speech.name != now.speech.name)
            changes.push_back({Kind::renamed, now.what});
        if (spoken && was->speech.description != now.speech.description)
            changes.push_back({Kind::redescribed, now.what});
        if (was->takesInput != now.takesInput) changes.push_back({Kind::inputChanged, now.what});
    }
    // A score table that has just joined is read afresh.
    const ScoreTableRef scores;
    if (!spoken || foundIn(before, scores) == nullptr || foundIn(after, scores) == nullptr)
        return changes;
    for (int cell = 0; cell < scoreCellCount; ++cell) {
        const auto i = static_cast<std::size_t>(cell);
        if (before.scoreCells.at(i) != after.scoreCells.at(i))
            changes.push_back({Kind::scoreCellRenamed, scores, cell});
    }
    return changes;
}

}  // namespace quillane
