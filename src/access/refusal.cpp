// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "access/refusal.h"

#include <array>

namespace quillane {

namespace {

using enum ControlKind;
using Applies = bool (*)(const FormState& form, int index);

struct Refusal {
    ControlKind kind;
    Applies applies;
    std::string_view sentence;
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

constexpr std::string_view startFirst = "Start game first: Alt+S.";

// The first row for the control's kind that applies says why.
constexpr auto refusals = std::to_array<Refusal>({
    {imgcard, inShowcase, startFirst},
    {imgcard, twoSelected, "Two cards are selected. Remove: Alt+R."},
    {imgcard, always, "Already selected."},
    {Image1, always, "Face down until both cards below it are gone."},
    {Image2, inShowcase, startFirst},
    {Image2, stockUsedUp, "The stock is empty."},
    {Image2, always, "A card is selected. Remove first: Alt+R."},
    {cmdremove, inShowcase, startFirst},
    {cmdremove, always, "Nothing selected."},
    {cmdnext, inShowcase, startFirst},
    {cmdnext, noRoundAfterThis, "This is the last round."},
    {cmdnext, always, "Next round: once the stock is used up."},
    {cmdstart, always, "A game is on. New game: Alt+F, then G."},
});

}  // namespace

std::string_view refusalOf(const FormState& form, ControlRef control) {
    for (const Refusal& refusal : refusals) {
        if (refusal.kind == control.kind && refusal.applies(form, control.index))
            return refusal.sentence;
    }
    return "Nothing to do.";
}

}  // namespace quillane
