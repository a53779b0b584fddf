// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef CURSORACCESSIBLE_P_H
#define CURSORACCESSIBLE_P_H

class QCursorFrame;

namespace WidgetDeckAccessible {

/// The selected cursor: @p vertical tells the pair, @p index (0, 1) the cursor; false: none.
bool selectedCursor(const QCursorFrame *frame, bool *vertical, int *index);
/// Tells assistive technology that the cursors shown or their positions changed.
void cursorsChanged(QCursorFrame *frame);

} // namespace WidgetDeckAccessible

#endif
