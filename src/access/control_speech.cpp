// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "access/control_speech.h"

#include <algorithm>
#include <array>

#include "access/spoken.h"
#include "model/control_kinds.h"

namespace quillane {

namespace {

// The pictures a screen reader hears in words of their own; labels, buttons and menu items say
// their caption.
struct PictureSpeech {
    ControlKind kind = ControlKind::imgcard;
    Speech (*speech)(const Form& form, int index) = nullptr;
    bool (*readWhileHidden)(const Form& form) = nullptr;
};

constexpr auto pictures = std::to_array<PictureSpeech>({
    {ControlKind::imgcard, spoken::face},
    // A used-up stock reads as empty where it lay, rather than vanishing from the round.
    {ControlKind::Image2, spoken::stock, [](const Form& form) { return !form.inShowcase(); }},
    {ControlKind::Image1, spoken::faceDown},
});

const PictureSpeech* pictureSpeechOf(ControlKind kind) {
    const auto* found = std::ranges::find(pictures, kind, &PictureSpeech::kind);
    return found == pictures.end() ? nullptr : found;
}

}  // namespace

Speech speechOf(const Form& form, ControlRef control) {
    if (descriptionOf(control.kind).readingAt(control.index) == Reading::notRead) return {};
    if (const PictureSpeech* picture = pictureSpeechOf(control.kind))
        return picture->speech(form, control.index);
    return {spoken::withoutAccessKey(captionOf(form, control)), {}};
}

bool readWhileHidden(const Form& form, ControlRef control) {
    const PictureSpeech* picture = pictureSpeechOf(control.kind);
    return picture != nullptr && picture->readWhileHidden != nullptr &&
           picture->readWhileHidden(form);
}

}  // namespace quillane
