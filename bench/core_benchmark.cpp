// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The core alone: the deal, each handler and a whole round, without any toolkit.

#include <benchmark/benchmark.h>

#include "autoplay.h"
#include "model/form.h"
#include "model/generator.h"
#include "model/input_routes.h"

namespace quillane {
namespace {

Form startedForm() {
    Form form;
    form.Form_Load();
    form.cmdstart_Click();
    return form;
}

void shuffledeck(benchmark::State& state) {
    Form form;
    for ([[maybe_unused]] auto _ : state) {
        form.shuffledeck();
        benchmark::DoNotOptimize(form.deck);
    }
}
BENCHMARK(shuffledeck);

void Timer1_Timer(benchmark::State& state) {
    Form form;
    for ([[maybe_unused]] auto _ : state) {
        form.Timer1_Timer();
        benchmark::DoNotOptimize(form.cardno);
    }
}
BENCHMARK(Timer1_Timer);

// What the window does before an event after sitting idle for a day: skip a day of ticks.
void catchUpOnADayOfTicks(benchmark::State& state) {
    Generator generator;
    constexpr std::uint64_t ticksInADay = 24ULL * 60 * 60 * 1000;
    for ([[maybe_unused]] auto _ : state) {
        generator.discard(ticksInADay);
        benchmark::DoNotOptimize(generator.state());
    }
}
BENCHMARK(catchUpOnADayOfTicks);

void cmdstart_Click(benchmark::State& state) {
    Form form;
    form.Form_Load();
    for ([[maybe_unused]] auto _ : state) {
        state.PauseTiming();
        form.mnunew_Click();
        state.ResumeTiming();
        form.cmdstart_Click();
    }
}
BENCHMARK(cmdstart_Click);

void cmdnext_Click(benchmark::State& state) {
    Form form = startedForm();
    for ([[maybe_unused]] auto _ : state) {
        state.PauseTiming();
        form.roundno = 1;
        state.ResumeTiming();
        form.cmdnext_Click();
    }
}
BENCHMARK(cmdnext_Click);

void mnunew_Click(benchmark::State& state) {
    Form form = startedForm();
    for ([[maybe_unused]] auto _ : state) form.mnunew_Click();
}
BENCHMARK(mnunew_Click);

// The 24 clicks that turn a whole stock, per click.
void Image2_Click(benchmark::State& state) {
    Form form = startedForm();
    for ([[maybe_unused]] auto _ : state) {
        state.PauseTiming();
        form.cmdnext_Click();
        form.roundno = 1;
        state.ResumeTiming();
        for (int click = 0; click < stockCount; ++click) form.Image2_Click();
    }
    state.SetItemsProcessed(state.iterations() * stockCount);
}
BENCHMARK(Image2_Click);

// Selecting a bottom-row card and pressing Remove, which puts it back.
void imgcard_Click_and_cmdremove_Click(benchmark::State& state) {
    Form form = startedForm();
    form.Image2_Click();
    Integer card = form.deck[21];
    if (isKing(card)) card = form.deck[22];
    for ([[maybe_unused]] auto _ : state) {
        form.imgcard_Click(card);
        form.cmdremove_Click();
    }
}
BENCHMARK(imgcard_Click_and_cmdremove_Click);

// A whole round played by the simple player: the deal, 24 stock clicks and every removal.
void wholeRound(benchmark::State& state) {
    Form form;
    form.Form_Load();
    for ([[maybe_unused]] auto _ : state) {
        form.mnunew_Click();
        dispatch(form, {ControlKind::cmdstart});
        while (const auto move = autoplay::nextMove(form)) {
            if (move->kind == ControlKind::cmdnext) break;
            dispatch(form, *move);
        }
        benchmark::DoNotOptimize(form.roundscore);
    }
}
BENCHMARK(wholeRound);

}  // namespace
}  // namespace quillane

BENCHMARK_MAIN();
