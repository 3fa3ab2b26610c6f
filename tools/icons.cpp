// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the window icon, the red diamond, as PNG files of the usual sizes into a hicolor icon
// theme tree: quillane-icons DIR NAME writes DIR/hicolor/SIZExSIZE/apps/NAME.png.

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "ui/pictures.h"

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s DIR NAME\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(argv[1]).arg(size);
        if (!QDir().mkpath(folder)) return 1;
        if (!quillane::ui::drawDiamond(size, 1.0).save(folder + "/" + argv[2] + ".png")) return 1;
    }
    return 0;
}
