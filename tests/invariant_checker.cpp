// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "random_play.h"

#include <algorithm>
#include <sstream>
#include <type_traits>

#include "dealt_form.h"
#include "model/control_view.h"
#include "model/stacking.h"

namespace quillane::testing {

namespace {

bool inRound(const Form& form) {
    return !form.inShowcase();
}

int cardAt(const Form& form, int position) {
    return form.deck.at(static_cast<std::size_t>(position));
}

bool stockTurned(const Form& form, int position) {
    if (form.stockstarted == 0) return false;
    return position < lastStockPosition
               ? !form.Image1.at(static_cast<std::size_t>(position)).Visible
               : !form.Image2.Visible;
}

// Index of the card in waste(1..wastecount), or 0. Until the first stock click of a round
// the pile still holds the last round's count, which nothing reads.
int pileIndex(const Form& form, int card) {
    if (form.stockstarted == 0) return 0;
    for (int i = 1; i <= form.wastecount; ++i) {
        if (form.waste.at(static_cast<std::size_t>(i)) == card) return i;
    }
    return 0;
}

bool isRemoved(const Form& form, int position) {
    const int card = cardAt(form, position);
    if (faceOf(form, card).Visible) return false;
    if (position < slotCount) return !form.Image1.at(static_cast<std::size_t>(position)).Visible;
    return stockTurned(form, position) && pileIndex(form, card) == 0;
}

int countRemoved(const Form& form) {
    int removed = 0;
    for (int position = 0; position < cardCount; ++position) removed += isRemoved(form, position);
    return removed;
}

// A face in a selection slot must be the card the form has recorded there.
bool isSelected(const Form& form, int card) {
    const Image& face = faceOf(form, card);
    if (!face.Visible || face.Top != stockRowTop) return false;
    if (face.Left == selectionSlot1.Left) return form.selcount == 1 && form.sel1card == card;
    if (face.Left == selectionSlot2.Left) return form.sel2flag == 1 && form.sel2card == card;
    return false;
}

// Collects the first broken rule. Parts of a message may be callables, so that the text is
// only put together when a rule is actually broken.
class Problems {
  public:
    template <typename... Parts>
    void require(bool holds, const Parts&... parts) {
        if (holds || !first_.empty()) return;
        std::ostringstream out;
        (write(out, parts), ...);
        first_ = out.str();
    }
    std::optional<std::string> result() const {
        return first_.empty() ? std::nullopt : std::optional(first_);
    }

  private:
    template <typename Part>
    static void write(std::ostream& out, const Part& part) {
        if constexpr (std::is_invocable_v<Part>) {
            out << part();
        } else {
            out << part;
        }
    }
    std::string first_;
};

void checkShowcase(const Form& form, Problems& problems) {
    for (int card = 0; card < cardCount; ++card) {
        const auto king = std::find(kings.begin(), kings.end(), card);
        const Image& face = faceOf(form, card);
        if (king == kings.end()) {
            problems.require(
                !face.Visible, [&] { return cardName(card); }, " shows in the showcase");
            continue;
        }
        const auto k = static_cast<std::size_t>(king - kings.begin());
        problems.require(
            face.Visible && !face.Enabled && face.place() == showcasePlaces.at(k),
            [&] { return cardName(card); }, " is not a disabled showcase King");
    }
    for (const Image& back : form.Image1)
        problems.require(!back.Visible, "a back shows in the showcase");
    problems.require(!form.Image2.Visible && !form.cmdremove.Visible && !form.cmdnext.Visible &&
                         !form.lblstart.Visible && !form.imgarrow.Visible,
                     "a round control shows in the showcase");
    for (const Label& label : form.lblscore)
        problems.require(!label.Visible, "score shows in the showcase");
}

void checkTableau(const Form& form, Problems& problems) {
    for (int slot = 0; slot < slotCount; ++slot) {
        const int card = cardAt(form, slot);
        const Image& face = faceOf(form, card);
        const bool back = form.Image1.at(static_cast<std::size_t>(slot)).Visible;
        const auto where = [&] { return cardName(card) + " at " + positionName(slot); };
        if (back) {
            problems.require(!face.Visible, where, " shows face and back");
            problems.require(slot < firstBottomSlot || form.stockstarted == 0, where,
                             " is face down in play");
            continue;
        }
        problems.require(slot < firstBottomSlot || form.stockstarted == 1, where, " lost its back");
        if (!face.Visible || isSelected(form, card)) continue;
        problems.require(face.place() == slotPlace(slot), where, " is face up away from its slot");
        if (const auto covering = coveringOf(slot)) {
            for (int child : {covering->first, covering->second}) {
                problems.require(
                    isRemoved(form, child), where, " is face up but ",
                    [&] { return positionName(child); }, " still covers it");
            }
        }
    }
}

void checkStockAndPile(const Form& form, Problems& problems) {
    const Integer pileCount = form.stockstarted == 1 ? form.wastecount : Integer{0};
    problems.require(form.wastecount >= 0 && form.wastecount <= stockCount, "wastecount ",
                     form.wastecount);
    int lastPosition = firstStockPosition - 1;
    for (int i = 1; i <= pileCount; ++i) {
        const int card = form.waste.at(static_cast<std::size_t>(i));
        const auto position =
            std::find(form.deck.begin() + firstStockPosition, form.deck.begin() + cardCount, card) -
            form.deck.begin();
        problems.require(
            position > lastPosition && position < cardCount, "waste(", i,
            ") = ", [&] { return cardName(card); }, " is out of pile order");
        problems.require(stockTurned(form, static_cast<int>(position)), "waste(", i,
                         ") not turned");
        lastPosition = static_cast<int>(position);
    }
    for (int position = firstStockPosition; position < cardCount; ++position) {
        const int card = cardAt(form, position);
        const Image& face = faceOf(form, card);
        const auto what = [&] { return cardName(card) + " (" + positionName(position) + ")"; };
        if (position < lastStockPosition) {
            problems.require(form.Image1.at(static_cast<std::size_t>(position)).Visible ==
                                 (form.stockstarted == 0 || position >= form.stockpos),
                             what, " strip out of step with stockpos ", form.stockpos);
        }
        if (!stockTurned(form, position)) {
            problems.require(!face.Visible, what, " shows while still in the stock");
            continue;
        }
        const int index = pileIndex(form, card);
        if (index > 0) {
            const bool top = index == form.wastecount;
            problems.require(face.Visible == top, what,
                             top ? " is the hidden top" : " shows under the top");
            if (top)
                problems.require(face.place() == wastePlace, what,
                                 " is the top but not on the pile");
        } else if (face.Visible) {
            problems.require(isSelected(form, card), what,
                             " shows but is neither on the pile nor selected");
        }
    }
}

void checkSelectionAndControls(const Form& form, Problems& problems) {
    problems.require(form.selcount == 0 || form.selcount == 1, "selcount ", form.selcount);
    problems.require(form.sel2flag == 0 || form.selcount == 1, "sel2flag without selcount");
    int inSlot1 = 0;
    int inSlot2 = 0;
    for (int card = 0; card < cardCount; ++card) {
        const Image& face = faceOf(form, card);
        if (!face.Visible) continue;
        inSlot1 += face.Left == selectionSlot1.Left;
        inSlot2 += face.Left == selectionSlot2.Left;
        if (placeByLeft(face.Left) != Whereabouts::elsewhere) {
            problems.require(
                face.Left == wastePlace.Left || isSelected(form, card),
                [&] { return cardName(card); }, " sits in a selection slot it does not own");
        }
    }
    problems.require(inSlot1 == form.selcount && inSlot2 == form.sel2flag, "selection slots hold ",
                     inSlot1, " and ", inSlot2, " cards");
    problems.require(form.removedflag == 0 && form.turnedflag == 0,
                     "a flag of one press survived it");
    problems.require(form.cmdremove.Visible, "Remove is hidden in a round");
    problems.require(form.cmdremove.Enabled == (form.selcount == 1), "Remove enabled is ",
                     form.cmdremove.Enabled, " with selcount ", form.selcount);
    if (form.Image2.Visible) {
        problems.require(form.Image2.Enabled == (form.selcount == 0), "stock enabled is ",
                         form.Image2.Enabled, " with selcount ", form.selcount);
    }
    const bool exhausted = form.stockstarted == 1 && !form.Image2.Visible;
    problems.require(form.cmdnext.Visible == (exhausted && form.roundno < rounds),
                     "Next round visible is ", form.cmdnext.Visible);
    problems.require(form.lblstart.Visible == (form.stockstarted == 0), "hint visible is ",
                     form.lblstart.Visible);
    problems.require(
        form.imgarrow.Top == layout::arrowStartPlace.Top +
                                 layout::arrowRoundStep * static_cast<Single>(form.roundno - 1),
        "arrow at ", form.imgarrow.Top, " in round ", form.roundno);
}

}  // namespace

void InvariantChecker::before(const Form& form) {
    roundStartedBefore_ = inRound(form);
    roundBefore_ = form.roundno;
    removedBefore_ = roundStartedBefore_ ? countRemoved(form) : 0;
}

std::optional<std::string> InvariantChecker::after(const Form& form, const Event& event) {
    Problems problems;
    if (form.programEnded) return std::nullopt;
    if (!inRound(form)) {
        checkShowcase(form, problems);
        return problems.result();
    }
    const bool dealt = !roundStartedBefore_ || form.roundno != roundBefore_;
    const auto round = static_cast<std::size_t>(form.roundno);
    problems.require(form.roundno >= 1 && form.roundno <= rounds, "roundno ", form.roundno);
    if (!problems.result()) {
        if (dealt) {
            if (form.roundno == 1) removals_.fill(0);
            removals_.at(round) = 0;
        } else {
            const int removedNow = countRemoved(form);
            const int taken = removedNow - removedBefore_;
            problems.require(
                taken >= 0 && taken <= 2, [&] { return describe(event); }, " took ", taken,
                " cards off");
            if (taken > 0) ++removals_.at(round);
        }
    }
    std::array<int, cardCount> seen{};
    for (int position = 0; position < cardCount; ++position) {
        const int card = cardAt(form, position);
        problems.require(
            card >= 0 && card < cardCount && seen.at(static_cast<std::size_t>(card))++ == 0,
            "deck is not a permutation at ", [&] { return positionName(position); });
    }
    if (problems.result()) return problems.result();
    checkTableau(form, problems);
    checkStockAndPile(form, problems);
    checkSelectionAndControls(form, problems);
    int total = 0;
    for (std::size_t n = 1; n <= rounds; ++n) {
        const int score = form.roundscore.at(n);
        problems.require(score >= 0 && score <= 28, "round ", n, " scored ", score);
        problems.require(n > round || score == removals_.at(n), "round ", n, " scored ", score,
                         " for ", removals_.at(n), " removals");
        problems.require(form.lblscore.at(n).Caption == std::to_string(score), "label of round ",
                         n);
        total += score;
    }
    problems.require(form.totalscore == total, "total ", form.totalscore, " is not the sum ",
                     total);
    problems.require(form.lblscore.at(layout::totalRow).Caption == std::to_string(total),
                     "total label");
    return problems.result();
}

}  // namespace quillane::testing
