// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "access/key_table.h"

#include <vector>

namespace quillane {

namespace {

// Three digits or more in a row are said as a range: "1 to 9".
constexpr std::size_t shortestRange = 3;

bool follows(const KeyBinding& key, const KeyBinding& before) {
    return before.letter >= '0' && before.letter < '9' && key.letter == before.letter + 1;
}

// "Left or Right", "A, 1 to 9, 0, J, Q, K".
std::string namesOf(const std::vector<KeyBinding>& group) {
    std::vector<std::string> names;
    for (std::size_t first = 0; first < group.size();) {
        std::size_t last = first;
        while (last + 1 < group.size() && follows(group.at(last + 1), group.at(last))) ++last;
        if (last + 1 - first >= shortestRange) {
            names.push_back(keyName(group.at(first)) + " to " + keyName(group.at(last)));
        } else {
            for (std::size_t each = first; each <= last; ++each)
                names.push_back(keyName(group.at(each)));
        }
        first = last + 1;
    }
    if (names.size() == 2) return names.front() + " or " + names.back();
    std::string text;
    for (const std::string& name : names) text += (text.empty() ? "" : ", ") + name;
    return text;
}

}  // namespace

std::string keyName(const KeyBinding& key) {
    static constexpr std::array<std::string_view, 9> names = {
        "", "Left", "Right", "Up", "Down", "Home", "End", "Space", "Enter"};
    if (key.letter != 0) return {key.letter};
    return std::string(names.at(static_cast<std::size_t>(key.named)));
}

std::string spoken::keyList() {
    std::string text;
    std::vector<KeyBinding> group;
    for (std::size_t i = 0; i < tableKeys.size(); ++i) {
        const KeyBinding& key = tableKeys.at(i);
        group.push_back(key);
        const bool last = i + 1 == tableKeys.size();
        if (!last && tableKeys.at(i + 1).does == key.does) continue;
        text += (text.empty() ? "" : " ") + namesOf(group) + ": " + std::string(key.does) + ".";
        group.clear();
    }
    return text;
}

}  // namespace quillane
