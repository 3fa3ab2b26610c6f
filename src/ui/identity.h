// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QGuiApplication>

namespace quillane::ui {

// The X11 window class, which Qt takes from the application name. Set here rather than left
// to the name the program was started by, so that the desktop entry's StartupWMClass holds.
inline constexpr char windowClass[] = "quillane";

// Names the application after its desktop entry: Wayland compositors get the entry's id as the
// window's app id, X11 desktops match the window class. Call before the first window shows.
inline void setApplicationIdentity() {
    QGuiApplication::setDesktopFileName(QStringLiteral(QUILLANE_APP_ID));
    QGuiApplication::setApplicationName(QString::fromLatin1(windowClass));
}

}  // namespace quillane::ui
