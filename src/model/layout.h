// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "model/integer.h"
#include "model/table.h"

// The window's layout as it stands at creation: the controls' places and sizes, colours, fonts
// and captions (the places of the table's cards are in table.h). Places and sizes are in twips,
// 15 to a screen pixel.
namespace quillane::layout {

struct Size {
    Single Width = 0;
    Single Height = 0;
};

struct Rect {
    Single Left = 0;
    Single Top = 0;
    Single Width = 0;
    Single Height = 0;
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
    constexpr bool contains(Single x, Single y) const {
        return x >= Left && x < Left + Width && y >= Top && y < Top + Height;
    }
};
constexpr Rect rectAt(Place place, Size size) {
    return {place.Left, place.Top, size.Width, size.Height};
}

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

// A font of its own; controls without one use the window's 8-point sans-serif face.
struct Font {
    std::string_view family;
    Single points = 0;
    bool italic = false;
    friend constexpr bool operator==(const Font&, const Font&) = default;
};

inline constexpr Size clientSize = {11955, 7980};

inline constexpr Rgb green = {0, 255, 0};
inline constexpr Rgb black = {0, 0, 0};
inline constexpr Rgb yellow = {255, 255, 0};
inline constexpr Rgb orange = {255, 128, 0};
inline constexpr Rgb cyan = {0, 255, 255};
inline constexpr Rgb maroon = {128, 0, 0};
inline constexpr Rgb blue = {0, 0, 255};
inline constexpr Rgb lightGrey = {192, 192, 192};
inline constexpr Rgb grey = {128, 128, 128};
inline constexpr Rgb white = {255, 255, 255};

inline constexpr Rgb tableColour = green;

inline constexpr Font defaultFont = {"", 8, false};
inline constexpr Font captionFont = {"Arial Black", 12, true};
inline constexpr Font titleFont = {"Arial Black", 20.25F, true};

// Pictures. Backs and strips sit in a 2-pixel frame; faces and the arrow have none.
inline constexpr Size faceSize = {1050, 1605};
inline constexpr Size backSize = {1110, 1665};
inline constexpr Size stripSize = {300, 1665};
inline constexpr Size arrowSize = {480, 480};
inline constexpr int framePixels = 2;
// Faces wait here, hidden, until a handler moves one to a place and shows it.
inline constexpr Place faceStartPlace = {7320, 720};
inline constexpr Place arrowStartPlace = {8520, 3000};
inline constexpr Single arrowRoundStep = 240;

// Push buttons, filled with their background colour.
struct ButtonDesign {
    Rect rect;
    std::string_view caption;
    Rgb background;
    friend constexpr bool operator==(const ButtonDesign&, const ButtonDesign&) = default;
};
inline constexpr ButtonDesign cmdstart = {{3720, 4800, 4695, 375}, "&Start game", yellow};
inline constexpr ButtonDesign cmdnext = {{5040, 7320, 2415, 375}, "&Next round", orange};
inline constexpr ButtonDesign cmdremove = {{8520, 4680, 2535, 375}, "&Remove", cyan};

// The edges of what stands out or sinks in, the push buttons and the pictures' frames: light
// and dark shadows, and the face between them; a disabled button's caption is greyed.
inline constexpr Rgb bevelLight = white;
inline constexpr Rgb bevelShadow = grey;
inline constexpr Rgb bevelDarkShadow = black;
inline constexpr Rgb bevelFace = lightGrey;
inline constexpr Rgb disabledCaption = grey;

// Labels paint their background and never size themselves to their text. A text colour of
// nullopt is the system's button-text colour.
struct LabelDesign {
    Rect rect;
    std::optional<Rgb> text;
    Rgb background;
    Font font;
    bool centred = false;
    friend constexpr bool operator==(const LabelDesign&, const LabelDesign&) = default;
};
inline constexpr LabelDesign Lblver = {{10560, 600, 1215, 375}, std::nullopt, green, captionFont};
inline constexpr LabelDesign lblstart = {{5400, 6960, 1575, 255}, maroon, green, defaultFont};
inline constexpr LabelDesign lblots = {{4920, 0, 7095, 495}, std::nullopt, green, titleFont};
inline constexpr LabelDesign lblwritten = {{8640, 7320, 3255, 375}, blue, green, captionFont};
inline constexpr LabelDesign lblzev = {{120, 7320, 1935, 375}, blue, green, captionFont};

inline constexpr std::string_view versionCaption = "Ver. " QUILLANE_VERSION;
inline constexpr std::string_view startHint = "Click this card for start";
inline constexpr std::string_view titleCaption = "QUILLANE";
inline constexpr std::string_view writtenCaption = "Written with Qt 6";
inline constexpr std::string_view zevCaption = "Pairs of 13";
inline constexpr std::string_view windowCaption = "Quillane";
inline constexpr std::string_view mnufileCaption = "&File";
inline constexpr std::string_view mnunewCaption = "New &Game";
inline constexpr std::string_view mnuexitCaption = "&Exit";

// The score table: row 0 the headings, rows 1 to 5 the rounds, row 6 the total.
inline constexpr int scoreRows = 7;
inline constexpr int totalRow = 6;
inline constexpr Single scoreTableTop = 2880;
inline constexpr Single scoreRowHeight = 240;
inline constexpr Single scoreNameLeft = 9120;
inline constexpr Single scoreValueLeft = 10200;
inline constexpr Single scoreRightRule = 11280;
inline constexpr Single scoreBottomRuleEnd = 11400;
inline constexpr Size scoreLabelSize = {1095, 255};
constexpr Single scoreRowTop(int row) {
    return scoreTableTop + scoreRowHeight * static_cast<Single>(row);
}
inline constexpr std::array<std::string_view, scoreRows> scoreNameCaptions = {
    "Round number", "1", "2", "3", "4", "5", "Total"};
inline constexpr std::string_view scoreHeading = "Score";
inline constexpr std::string_view zeroScore = "0";
// A column of the score table, its total in green.
constexpr std::array<LabelDesign, scoreRows> scoreColumn(Single left, Rgb text) {
    std::array<LabelDesign, scoreRows> column{};
    for (int row = 0; row < scoreRows; ++row) {
        column.at(static_cast<std::size_t>(row)) = {
            {left, scoreRowTop(row), scoreLabelSize.Width, scoreLabelSize.Height},
            row == totalRow ? green : text,
            black,
            defaultFont,
            true};
    }
    return column;
}
inline constexpr std::array<LabelDesign, scoreRows> lblscoreots = scoreColumn(scoreNameLeft, cyan);
inline constexpr std::array<LabelDesign, scoreRows> lblscore = scoreColumn(scoreValueLeft, yellow);

// Lines are one pixel wide, from (X1, Y1) to (X2, Y2). The grid of the score table is light
// grey; the selection frame takes the system's window-text colour.
struct LineDesign {
    Single X1 = 0;
    Single Y1 = 0;
    Single X2 = 0;
    Single Y2 = 0;
};
inline constexpr int gridLines = 11;
inline constexpr int frameLines = 4;
inline constexpr Rgb gridColour = lightGrey;
constexpr LineDesign Line1(int i) {
    const Single bottom = scoreRowTop(scoreRows);
    if (i < scoreRows) return {scoreNameLeft, scoreRowTop(i), scoreRightRule, scoreRowTop(i)};
    const std::array<LineDesign, 4> others = {{
        {scoreNameLeft, bottom, scoreBottomRuleEnd, bottom},
        {scoreNameLeft, scoreTableTop, scoreNameLeft, bottom},
        {scoreValueLeft, scoreTableTop, scoreValueLeft, bottom},
        {scoreRightRule, scoreTableTop, scoreRightRule, bottom},
    }};
    return others.at(static_cast<std::size_t>(i - scoreRows));
}
inline constexpr std::array<LineDesign, frameLines> Line2 = {{
    {8520, 5160, 11040, 5160},
    {8520, 6960, 11040, 6960},
    {8520, 5160, 8520, 6960},
    {11040, 5160, 11040, 6960},
}};

}  // namespace quillane::layout
