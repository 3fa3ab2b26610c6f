// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "model/form.h"
#include "model/stacking.h"

namespace quillane {

// The letter marked with "&" in a caption, in upper case; 0 when there is none.
constexpr char accessKeyOf(std::string_view caption) {
    const auto marker = caption.find('&');
    if (marker == std::string_view::npos || marker + 1 >= caption.size()) return 0;
    const char key = caption[marker + 1];
    return key >= 'a' && key <= 'z' ? static_cast<char>(key - 'a' + 'A') : key;
}

// Every control that takes input and the handler an input on it runs. Mouse clicks, access
// keys, menu choices and the presses of assistive technology all go through this one table,
// and only while the control takes input (see viewOf).
struct InputRoute {
    ControlKind kind;
    void (*handler)(Form& form, int index) noexcept;
    // The buttons' access keys work on the whole window; the menu items' only inside the open
    // "&File" menu, which the toolkit runs, so they have none here.
    char accessKey = 0;
    // The number of controls of the kind: a control array's size.
    int count = 1;
};

inline constexpr std::array<InputRoute, 7> inputRoutes = {{
    {ControlKind::cmdstart, [](Form& form, int) noexcept { form.cmdstart_Click(); },
     accessKeyOf(layout::cmdstart.caption)},
    {ControlKind::cmdnext, [](Form& form, int) noexcept { form.cmdnext_Click(); },
     accessKeyOf(layout::cmdnext.caption)},
    {ControlKind::cmdremove, [](Form& form, int) noexcept { form.cmdremove_Click(); },
     accessKeyOf(layout::cmdremove.caption)},
    {ControlKind::mnunew, [](Form& form, int) noexcept { form.mnunew_Click(); }},
    {ControlKind::mnuexit, [](Form& form, int) noexcept { form.mnuexit_Click(); }},
    {ControlKind::Image2, [](Form& form, int) noexcept { form.Image2_Click(); }},
    {ControlKind::imgcard,
     [](Form& form, int index) noexcept { form.imgcard_Click(static_cast<Integer>(index)); }, 0,
     cardCount},
}};

const InputRoute* routeOf(ControlKind kind);

// Runs the control's handler if the control takes input now; returns whether it ran.
bool dispatch(Form& form, ControlRef control);

// What an input reaches, if anything: the button whose access key was pressed, or the control
// under a click at a point in twips of the client area (the push buttons lie above everything
// painted on the table). Either may be a control that cannot take input now.
std::optional<ControlRef> accessKeyTarget(char key);
std::optional<ControlRef> clickTarget(const Form& form, Single x, Single y);

}  // namespace quillane
