// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the window icon, the red diamond, as PNG files of the sizes asked for into a hicolor
// icon theme tree: quillane-icons DIR NAME SIZE... writes DIR/hicolor/SIZExSIZE/apps/NAME.png.

#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <span>

#include "ui/pictures.h"

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s DIR NAME SIZE...\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const std::span<char*> arguments(argv, static_cast<std::size_t>(argc));
    for (const char* sizeArgument : arguments.subspan(3)) {
        bool isNumber = false;
        const int size = QString::fromLocal8Bit(sizeArgument).toInt(&isNumber);
        if (!isNumber || size <= 0) {
            std::fprintf(stderr, "%s: not a size: %s\n", arguments[0], sizeArgument);
            return 2;
        }
        const QString folder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(arguments[1]).arg(size);
        if (!QDir().mkpath(folder)) return 1;
        if (!quillane::ui::drawDiamond(size, 1.0).save(folder + "/" + arguments[2] + ".png"))
            return 1;
    }
    return 0;
}
