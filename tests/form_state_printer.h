// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <ostream>

#include "model/control_view.h"
#include "model/form.h"

// How GoogleTest prints the form's state when a comparison fails: one control or variable to a
// line, so that the two states of a failed comparison can be read side by side. The states
// themselves compare whole, with their defaulted ==, whatever is printed here.
namespace quillane {

namespace printing {

inline void image(std::ostream& out, const std::string& name, const Image& image) {
    out << name << ": " << image.Left << "," << image.Top << (image.Visible ? " shown" : " hidden")
        << (image.Enabled ? "" : " disabled") << "\n";
}
inline void shown(std::ostream& out, const std::string& name, bool visible, bool enabled = true) {
    out << name << (visible ? ": shown" : ": hidden") << (enabled ? "" : " disabled") << "\n";
}
inline void label(std::ostream& out, const std::string& name, const Label& label) {
    out << name << ": \"" << label.Caption << "\"" << (label.Visible ? " shown" : " hidden")
        << "\n";
}
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

inline void PrintTo(const ControlStates& c, std::ostream* out) {
    auto name = [](ControlKind kind, std::size_t index) {
        return controlName({kind, static_cast<int>(index)});
    };
    for (std::size_t i = 0; i < c.imgcard.size(); ++i)
        printing::image(*out, name(ControlKind::imgcard, i), c.imgcard[i]);
    for (std::size_t i = 0; i < c.Image1.size(); ++i)
        printing::image(*out, name(ControlKind::Image1, i), c.Image1[i]);
    printing::image(*out, "Image2", c.Image2);
    printing::image(*out, "imgarrow", c.imgarrow);
    printing::shown(*out, "cmdstart", c.cmdstart.Visible, c.cmdstart.Enabled);
    printing::shown(*out, "cmdnext", c.cmdnext.Visible, c.cmdnext.Enabled);
    printing::shown(*out, "cmdremove", c.cmdremove.Visible, c.cmdremove.Enabled);
    printing::label(*out, "Lblver", c.Lblver);
    printing::label(*out, "lblstart", c.lblstart);
    printing::label(*out, "lblots", c.lblots);
    printing::label(*out, "lblwritten", c.lblwritten);
    printing::label(*out, "lblzev", c.lblzev);
    for (std::size_t i = 0; i < c.lblscore.size(); ++i) {
        printing::label(*out, name(ControlKind::lblscoreots, i), c.lblscoreots[i]);
        printing::label(*out, name(ControlKind::lblscore, i), c.lblscore[i]);
    }
    for (std::size_t i = 0; i < c.Line1.size(); ++i)
        printing::shown(*out, name(ControlKind::Line1, i), c.Line1[i].Visible);
    for (std::size_t i = 0; i < c.Line2.size(); ++i)
        printing::shown(*out, name(ControlKind::Line2, i), c.Line2[i].Visible);
}

inline void PrintTo(const FormState& state, std::ostream* out) {
    *out << "\n";
    PrintTo(static_cast<const GameVariables&>(state), out);
    PrintTo(static_cast<const ControlStates&>(state), out);
    *out << (state.programEnded ? "program ended\n" : "");
}

}  // namespace quillane
