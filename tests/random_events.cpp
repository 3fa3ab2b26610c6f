// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "random_play.h"

#include <optional>
#include <sstream>
#include <utility>

#include "model/control_view.h"
#include "model/input_routes.h"
#include "model/stacking.h"

namespace quillane::testing {

namespace {

// What a click at a point in twips of the client area reaches, as the window finds it: a push
// button lies above the table, and on the table the topmost control that stops clicks there.
// It may not take input now. Each view is looked at only as far as the click goes, rather than
// reading the whole table as the window does once per event, which keeps the many games quick.
std::optional<ControlRef> clickTarget(const Form& form, Single x, Single y) {
    for (const ControlRef& button : pushButtons) {
        if (catchesClickAt(viewOf(form, button), x, y)) return button;
    }
    for (const ControlRef& control : stackingOrder) {
        if (catchesClickAt(viewOf(form, control), x, y)) return control;
    }
    return std::nullopt;
}

}  // namespace

std::string describe(const Event& event) {
    std::ostringstream out;
    switch (event.kind) {
        case Event::Kind::click:
            out << "click(" << event.x << ", " << event.y << ")";
            break;
        case Event::Kind::accessKey:
            out << "Alt+" << event.key;
            break;
        case Event::Kind::newGame:
            out << "New Game";
            break;
        case Event::Kind::exit:
            out << "Exit";
            break;
        case Event::Kind::ticks:
            out << event.count << " ticks";
            break;
    }
    return out.str();
}

std::string describe(const std::vector<Event>& events) {
    std::string text;
    for (const Event& event : events) text += describe(event) + "; ";
    return text;
}

Single EventSource::uniform(Single low, Single high) {
    return std::uniform_real_distribution<Single>(low, high)(random_);
}

Event EventSource::next(const Form& form) {
    const double roll = std::uniform_real_distribution<double>(0, 1)(random_);
    auto clickIn = [&](const layout::Rect& rect) {
        return Event{Event::Kind::click, uniform(rect.Left, rect.Left + rect.Width - 1),
                     uniform(rect.Top, rect.Top + rect.Height - 1)};
    };
    double threshold = mix_.clickOnTarget;
    if (roll < threshold) {
        // Something that takes input, the stock and the buttons more often than any one card.
        std::vector<std::pair<layout::Rect, int>> targets;
        for (const KindDescription& kind : controlKinds) {
            if (kind.handler == nullptr) continue;
            for (int index = 0; index < kind.count; ++index) {
                const ControlView view = viewOf(form, {kind.kind, index});
                if (!view.takesInput || view.look.drawing == Drawing::menuItem) continue;
                targets.push_back({view.look.rect, view.look.drawing == Drawing::face ? 1 : 4});
            }
        }
        int total = 0;
        for (const auto& target : targets) total += target.second;
        if (total > 0) {
            int pick = std::uniform_int_distribution<int>(0, total - 1)(random_);
            for (const auto& [rect, weight] : targets) {
                if (pick < weight) return clickIn(rect);
                pick -= weight;
            }
        }
    }
    if (roll < (threshold += mix_.clickAnywhere)) {
        return clickIn({0, 0, layout::clientSize.Width, layout::clientSize.Height});
    }
    if (roll < (threshold += mix_.accessKey)) {
        std::vector<char> keys;
        for (const KindDescription& kind : controlKinds) {
            if (kind.accessKey != 0) keys.push_back(kind.accessKey);
        }
        const auto pick = std::uniform_int_distribution<std::size_t>(0, keys.size() - 1)(random_);
        return Event{Event::Kind::accessKey, 0, 0, keys.at(pick)};
    }
    if (roll < (threshold += mix_.ticks)) {
        return Event{Event::Kind::ticks, 0, 0, 0,
                     std::uniform_int_distribution<int>(1, 300)(random_)};
    }
    if (roll < threshold + mix_.newGame) return Event{Event::Kind::newGame};
    return Event{Event::Kind::exit};
}

void deliver(Form& form, const Event& event) {
    std::optional<ControlRef> target;
    switch (event.kind) {
        case Event::Kind::click:
            target = clickTarget(form, event.x, event.y);
            break;
        case Event::Kind::accessKey:
            target = accessKeyTarget(event.key);
            break;
        case Event::Kind::newGame:
            target = ControlRef{ControlKind::mnunew};
            break;
        case Event::Kind::exit:
            target = ControlRef{ControlKind::mnuexit};
            break;
        case Event::Kind::ticks:
            for (int tick = 0; tick < event.count; ++tick) form.Timer1_Timer();
            break;
    }
    if (target) dispatch(form, *target);
}

}  // namespace quillane::testing
