// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPalette>
#include <QRect>
#include <cstddef>
#include <optional>
#include <string>

#include "access/table_reading.h"
#include "ui/picture_cache.h"
#include "ui/table_scale.h"

class QPainter;
class QPaintEvent;

namespace quillane::ui {

// Paints the table as a reading of it says: pictures, labels and lines in stacking order, and
// the keyboard's cursor as a ring. It keeps the pictures it draws.
class TablePainter {
  public:
    // The ring around a card or the stock, with a pixel of table between it and the card.
    static QRect ringAround(QRect card);

    // Paints what the event asks for: the table's green, the controls that show there and the
    // ring, if any, just over the control at `ringAt`, so that the cards above it cover it as
    // they cover the card. Places are the table's own; `scale` shows them where the widget
    // does, and the pictures are drawn at the size they show.
    void paint(QPainter& painter, const QPaintEvent& event, const TableScale& scale,
               const TableReading& reading, std::optional<std::size_t> ringAt, QRect ring,
               const QPalette& palette);
    // Draws every picture the table may show, and every label as it stands now, before they
    // are first needed, so that no move of the first game waits for them.
    void drawAhead(const TableReading& reading, qreal ratio, const QPalette& palette);

  private:
    void paintControl(QPainter& painter, const Look& look, const std::string& caption, qreal ratio,
                      const QPalette& palette);

    PictureCache pictures_;
};

}  // namespace quillane::ui
