// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace quillane::ui {

// Installs the program's own accessible interfaces: the table's, the push buttons' and the
// notices'. Installing again does nothing.
void installAccessibleInterfaces();

}  // namespace quillane::ui
