// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "access/refusal.h"

#include <array>

#include "access/spoken.h"

namespace quillane {

namespace {

using enum ControlKind;
using Applies = bool (*)(const FormState& form, int index);

// Why a press did nothing, and then, where another control would help, what to press.
struct Refusal {
    ControlKind kind;
    Applies applies;
    std::string_view why;
    std::string_view instead{};
    ControlKind insteadPress = cmdstart;
};

bool always(const FormState&, int) {
    return true;
}
bool inShowcase(const FormState& form, int) {
    return form.inShowcase();
}
bool twoSelected(const FormState& form, int) {
    return form.sel2flag != 0;
}
bool stockUsedUp(const FormState& form, int) {
    return !form.Image2.Visible;
}
bool noRoundAfterThis(const FormState& form, int) {
    return form.roundno >= rounds;
}

// The first row for the control's kind that applies says why.
constexpr auto refusals = std::to_array<Refusal>({
    {imgcard, inShowcase, "", "Start game first", cmdstart},
    {imgcard, twoSelected, "Two cards are selected.", "Remove", cmdremove},
    {imgcard, always, "Already selected."},
    {Image1, always, "Face down until both cards below it are gone."},
    {Image2, inShowcase, "", "Start game first", cmdstart},
    {Image2, stockUsedUp, "The stock is empty."},
    {Image2, always, "A card is selected.", "Remove first", cmdremove},
    {cmdremove, inShowcase, "", "Start game first", cmdstart},
    {cmdremove, always, "Nothing selected."},
    {cmdnext, inShowcase, "", "Start game first", cmdstart},
    {cmdnext, noRoundAfterThis, "This is the last round."},
    {cmdnext, always, "Next round: once the stock is used up."},
    {cmdstart, always, "A game is on.", "New game", mnunew},
});

std::string sentenceOf(const Refusal& refusal) {
    std::string text(refusal.why);
    if (refusal.instead.empty()) return text;
    if (!text.empty()) text += " ";
    return text + spoken::pressing(refusal.instead, refusal.insteadPress);
}

}  // namespace

std::string refusalOf(const FormState& form, ControlRef control) {
    for (const Refusal& refusal : refusals) {
        if (refusal.kind == control.kind && refusal.applies(form, control.index))
            return sentenceOf(refusal);
    }
    return "Nothing to do.";
}

}  // namespace quillane
