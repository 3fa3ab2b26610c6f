// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "access/control_speech.h"
#include "model/control_view.h"
#include "model/form.h"
#include "model/stacking.h"

namespace quillane {

// The score table, which a screen reader meets as one thing in place of its labels and lines.
struct ScoreTableRef {
    friend constexpr bool operator==(ScoreTableRef, ScoreTableRef) = default;
};

// One thing a screen reader finds on the table: a control read on its own, or the score table.
using Readable = std::variant<ControlRef, ScoreTableRef>;

// What a screen reader finds of one thing, and what it is told about it.
struct Found {
    Readable what;
    Speech speech;  // only once the reading is spoken
    bool takesInput = false;
    friend bool operator==(const Found&, const Found&) = default;
};

// The score table's cells below its heading row: a row for each round and one for the total,
// the row's name in column 0 and its points in column 1.
inline constexpr int scoreColumns = 2;
inline constexpr int scoreCellRows = layout::scoreRows - 1;
inline constexpr int scoreCellCount = scoreCellRows * scoreColumns;
// The label that shows a place of the score table: row 0 holds the column headings.
constexpr ControlRef scoreLabelAt(int row, int column) {
    return {column == 0 ? ControlKind::lblscoreots : ControlKind::lblscore, row};
}

// The table as it stands after an event. The window works it out once after every handler, and
// painting, hit-testing and the accessibility layer all read it: what every painted control
// looks like, in stacking order; the score table; and what a screen reader finds, in reading
// order. What a screen reader is told of each thing is worked out only once one asks.
struct TableReading {
    std::array<ControlView, paintedControlCount> views{};
    // The labels' captions, beside their views so that looking costs no allocation.
    std::array<std::string, paintedControlCount> captions{};
    // The score table shows while any of its parts shows, and covers all of them.
    bool scoreTableShown = false;
    layout::Rect scoreTableRect;
    std::vector<Found> found;

    bool spoken = false;
    std::array<std::string, scoreCellCount> scoreCells{};
};

// What the reading found of this thing; null when it is not on the table.
const Found* foundIn(const TableReading& reading, Readable what);

// Reads the form into `reading`, reusing its storage: after the first reading, no allocation
// but where a caption grew. The reading is not spoken.
void readTable(const Form& form, TableReading& reading);
// Adds what a screen reader is told: each thing's name and description, and the score cells.
void speakTable(const Form& form, TableReading& reading);

// The topmost painted control that a click at this point in twips stops at.
std::optional<ControlRef> controlAt(const TableReading& reading, Single x, Single y);

// Calls `changed(before, after)` for each painted control that looks different: its look, or a
// label's caption, differs.
template <typename Changed>
void forEachChangedLook(const TableReading& before, const TableReading& after, Changed changed) {
    for (std::size_t i = 0; i < after.views.size(); ++i) {
        const Look& was = before.views.at(i).look;
        const Look& now = after.views.at(i).look;
        if (was != now || before.captions.at(i) != after.captions.at(i)) changed(was, now);
    }
}

// What a screen reader must be told of the difference between two readings: the things that
// left the table or joined it, and what changed about those that stayed. Names, descriptions
// and score cells are compared only where both readings are spoken.
struct ReadingChange {
    enum class Kind { left, joined, renamed, redescribed, inputChanged, scoreCellRenamed };
    Kind kind = Kind::left;
    Readable what;
    int cell = 0;  // a renamed score cell: row * scoreColumns + column
    friend bool operator==(const ReadingChange&, const ReadingChange&) = default;
};
std::vector<ReadingChange> changesBetween(const TableReading& before, const TableReading& after);

}  // namespace quillane
