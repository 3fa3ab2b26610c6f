// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <memory>
#include <string>

#include "model/cards.h"
#include "model/controls.h"
#include "model/integer.h"
#include "model/layout.h"
#include "model/random_source.h"
#include "model/table.h"
#include "model/tick_clock.h"

namespace quillane {

inline constexpr int rounds = 5;

// The game variables, as plain data that compares whole. They keep the window's own names;
// docs/glossary.md says what each holds in the game's words.
struct GameVariables {
    std::array<Integer, cardCount + 1> deck{};
    Integer cardno = 0;
    Single rndcard = 0;
    Integer dealtcount = 0;
    Integer dealtcount2 = 0;
    Integer scanpos = 0;
    Integer duplicate = 0;
    Integer roundno = 0;
    std::array<Integer, rounds + 1> roundscore{};
    Integer totalscore = 0;
    Integer removedflag = 0;
    Integer stockstarted = 0;
    Integer turnedflag = 0;
    Integer stockpos = 0;
    std::array<Integer, stockCount + 1> waste{};
    Integer wastecount = 0;
    Integer selcount = 0;
    Integer sel2flag = 0;
    Single sel1left = 0;
    Single sel1top = 0;
    Integer sel1card = 0;
    Single sel2left = 0;
    Single sel2top = 0;
    Integer sel2card = 0;

    friend bool operator==(const GameVariables&, const GameVariables&) = default;
};

// The state of every control of the window, by the control's name; docs/glossary.md says what
// each control is in the game's words.
struct ControlStates {
    std::array<Image, cardCount> imgcard{};
    std::array<Image, faceDownPictureCount> Image1{};
    Image Image2;
    Image imgarrow;
    Button cmdstart;
    Button cmdnext;
    Button cmdremove;
    Label Lblver{std::string(layout::versionCaption), true};
    Label lblstart{std::string(layout::startHint), false};
    Label lblots{std::string(layout::titleCaption), true};
    Label lblwritten{std::string(layout::writtenCaption), true};
    Label lblzev{std::string(layout::zevCaption), true};
    std::array<Label, layout::scoreRows> lblscoreots{};
    std::array<Label, layout::scoreRows> lblscore{};
    std::array<Line, layout::gridLines> Line1{};
    std::array<Line, layout::frameLines> Line2{};

    friend bool operator==(const ControlStates&, const ControlStates&) = default;
};

// Everything the handlers read and write: what a test compares to see what an event did.
struct FormState : GameVariables, ControlStates {
    // Set by "&Exit"; the window then ends the program.
    bool programEnded = false;

    // Before the first game and after "New &Game": the four Kings and "&Start game".
    bool inShowcase() const { return cmdstart.Visible; }

    friend bool operator==(const FormState&, const FormState&) = default;
};

// The game window without its toolkit: the game variables and the state of every control as
// plain fields, and the event handlers as member functions that read and write them directly.
// The handlers are defined in the folder of their subsystem: deal/ and play/.
//
// Every handler is noexcept: a failed bounds or overflow check throws, and the throw ending in
// std::terminate is the program's run-time error, reported with the standard message.
class Form : public FormState {
  public:
    // Without a generator the form uses the game's own, never-seeded one; tests hand in a
    // scripted sequence, and a clock they move by hand.
    explicit Form(std::unique_ptr<RandomSource> generator = nullptr, TickClock timer = TickClock());

    const FormState& state() const { return *this; }

    // --- Event handlers ---
    void Form_Load() noexcept;
    void cmdstart_Click() noexcept;
    void cmdnext_Click() noexcept;
    void cmdremove_Click() noexcept;
    void Image2_Click() noexcept;
    void imgcard_Click(Integer Index) noexcept;
    void mnunew_Click() noexcept;
    void mnuexit_Click() noexcept;
    void Timer1_Timer() noexcept;

    // Runs the timer handler for every tick that has fallen due; the window calls it before
    // it hands any other event to a handler.
    void deliverDueTicks() noexcept;

    void shuffledeck();
    // Called once after every completed deal; it does nothing.
    void start1() {}

  private:
    Single drawCandidate();
    void layOutShowcase();
    void setScoreTableVisible(bool visible);
    void setSelectionFrameVisible(bool visible);
    void showRoundControls();
    void clearRoundFlags();
    void removeMatchingSelection();
    void showScores();
    void returnUnmatchedSelection();
    void refreshWaste();
    void setWasteTopVisible(bool visible);
    void turnOntoWaste(Integer position, Image& faceDown);
    void takeIntoSelection(Image& card, Integer Index, Place slot, Single& savedLeft,
                           Single& savedTop, Integer& selectedCard);
    void leaveWastePile(Single takenFrom);
    void uncoverFreedCards();

    std::unique_ptr<RandomSource> generator_;
    TickClock timer_;
};

}  // namespace quillane
