// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <ostream>
#include <string>

#include "model/control_kinds.h"
#include "model/form.h"
#include "model/table.h"

// How GoogleTest prints the form's state when a comparison fails: one control or variable to a
// line, so that the two states of a failed comparison can be read side by side. The states
// themselves compare whole, with their defaulted ==, whatever is printed here.
namespace quillane {

// "slot 15" for a tableau slot, "stock card 30" for a stock position.
inline std::string positionName(int position) {
    if (position >= 0 && position < slotCount) return "slot " + std::to_string(position);
    return "stock card " + std::to_string(position);
}

namespace printing {

template <typename Array>
void numbers(std::ostream& out, const char* name, const Array& values) {
    out << name << ":";
    for (auto value : values) out << " " << value;
    out << "\n";
}

}  // namespace printing

inline void PrintTo(const GameVariables& v, std::ostream* out) {
    printing::numbers(*out, "deck", v.deck);
    *out << "cardno " << v.cardno << ", rndcard " << v.rndcard << ", dealtcount " << v.dealtcount
         << ", dealtcount2 " << v.dealtcount2 << ", scanpos " << v.scanpos << ", duplicate "
         << v.duplicate << "\n";
    *out << "roundno " << v.roundno << ", totalscore " << v.totalscore << "\n";
    printing::numbers(*out, "roundscore", v.roundscore);
    *out << "removedflag " << v.removedflag << ", stockstarted " << v.stockstarted
         << ", turnedflag " << v.turnedflag << ", stockpos " << v.stockpos << ", wastecount "
         << v.wastecount << "\n";
    printing::numbers(*out, "waste", v.waste);
    *out << "selcount " << v.selcount << ", sel2flag " << v.sel2flag << ", sel1 " << v.sel1card
         << " from " << v.sel1left << "," << v.sel1top << ", sel2 " << v.sel2card << " from "
         << v.sel2left << "," << v.sel2top << "\n";
}

// Every control of every kind, as its description reads it: "imgcard(12): 3720,3000 shown",
// "lblscore(6): \"7\" 10200,4320 hidden", "cmdremove: \"&Remove\" 8520,4680 shown disabled".
inline void PrintTo(const ControlStates& controls, std::ostream* out) {
    for (const KindDescription& kind : controlKinds) {
        for (int index = 0; index < kind.count; ++index) {
            const ControlView view = kind.appearance(controls, index, kind.drawingAt(index));
            *out << controlName({kind.kind, index}) << ":";
            if (kind.caption) *out << " \"" << kind.caption(controls, index) << "\"";
            *out << " " << view.look.rect.Left << "," << view.look.rect.Top;
            *out << (view.look.visible ? " shown" : " hidden") << (view.enabled ? "" : " disabled")
                 << "\n";
        }
    }
}

inline void PrintTo(const FormState& state, std::ostream* out) {
    *out << "\n";
    PrintTo(static_cast<const GameVariables&>(state), out);
    PrintTo(static_cast<const ControlStates&>(state), out);
    *out << (state.programEnded ? "program ended\n" : "");
}

}  // namespace quillane
