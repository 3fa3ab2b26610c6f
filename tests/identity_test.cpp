// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTextStream>

#include "ui/identity.h"

namespace quillane {
namespace {

// Desktops find the running window's entry by the names the program announces: Wayland by the
// entry's file name, X11 by the window class, which Qt's xcb platform takes from the
// application name and the entry names in StartupWMClass.
TEST(ApplicationIdentity, NamesTheDesktopEntry) {
    ui::setApplicationIdentity();
    const QDir packaging(QStringLiteral(QUILLANE_PACKAGING_DIR));
    const QStringList entries = packaging.entryList({QStringLiteral("*.desktop")}, QDir::Files);
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ((QGuiApplication::desktopFileName() + QStringLiteral(".desktop")).toStdString(),
              entries.front().toStdString());

    QFile entry(packaging.filePath(entries.front()));
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly | QIODevice::Text));
    QString windowClass;
    QTextStream lines(&entry);
    for (QString line; lines.readLineInto(&line);) {
        if (line.startsWith(QStringLiteral("StartupWMClass="))) windowClass = line.mid(15);
    }
    EXPECT_EQ(windowClass.toStdString(), QGuiApplication::applicationName().toStdString());
}

}  // namespace
}  // namespace quillane
