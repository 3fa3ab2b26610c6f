// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/fonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <cmath>
#include <map>
#include <tuple>

#include "ui/qt_convert.h"

namespace quillane::ui {

namespace {
constexpr qreal pixelsPerPoint = 96.0 / 72.0;

QFont makeFont(const layout::Font& font) {
    // Faces as narrow as the classic 8-point interface font, so that captions such as "Round
    // number" fit their labels on one line.
    const QStringList interfaceFaces = {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                        QStringLiteral("DejaVu Sans Condensed")};
    // Where Arial Black is missing: its weight, Black, asked of faces in Arial's widths, so that
    // captions laid out for the wider Arial Black still fit. Liberation Sans has nothing heavier
    // than bold, so it gives its true bold italic; DejaVu Sans if even that is missing.
    const QStringList heavyFallbacks = {QStringLiteral("Liberation Sans"),
                                        QStringLiteral("DejaVu Sans")};
    QFont qfont;
    qfont.setFamilies(interfaceFaces);
    qfont.setWeight(QFont::Normal);
    if (!font.family.empty()) {
        const QString family = toQString(font.family);
        if (QFontDatabase::families().contains(family)) {
            qfont.setFamilies({family});
        } else {
            qfont.setFamilies(heavyFallbacks);
            qfont.setWeight(QFont::Black);
        }
    }
    qfont.setItalic(font.italic);
    // Rounded down, so that no caption outgrows the fixed label it was laid out for.
    qfont.setPixelSize(static_cast<int>(std::floor(font.points * pixelsPerPoint)));
    return qfont;
}

}  // namespace

// Looking a family up in the font database is slow, and labels are painted often.
QFont fontFor(const layout::Font& font) {
    static std::map<std::tuple<std::string_view, Single, bool>, QFont> made;
    const auto key = std::tuple(font.family, font.points, font.italic);
    auto found = made.find(key);
    if (found == made.end()) found = made.emplace(key, makeFont(font)).first;
    return found->second;
}

}  // namespace quillane::ui
