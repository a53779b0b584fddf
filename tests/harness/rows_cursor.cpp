// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// Rows of the cursor family: the measurement-cursor overlay.
#include "harness.h"

#include "qcursorframe.h"

#include <QtTest>

namespace {
using namespace harness;

// A click on the cursor at @p at selects it, the arrow key moves it one pixel.
Fire pickAndStep(QPoint at, Qt::Key key)
{
    return [at, key](QObject *object) {
        auto *frame = static_cast<QWidget *>(object);
        QTest::mouseClick(frame, Qt::LeftButton, Qt::NoModifier, at);
        QTest::keyClick(frame, key);
    };
}

// Area 200 x 100: H1 on row 7, H2 on row 107, V1 on column 7, V2 on column 207.
const Rows registered{
    {"QCursorFrame",
     [](QWidget *parent) -> QObject * {
         auto *frame = new QCursorFrame(parent, QCursorFrame::HorizontalCursor | QCursorFrame::VerticalCursor);
         frame->setMeasureArea(QPoint(10, 10), QSize(200, 100));
         frame->showHorizontalCursor(true);
         frame->showVerticalCursor(true);
         return frame;
     },
     {{"sigHCursor1Moved(double)", pickAndStep(QPoint(100, 7), Qt::Key_Down)},
      {"sigHCursor2Moved(double)", pickAndStep(QPoint(100, 107), Qt::Key_Up)},
      {"sigVCursor1Moved(double)", pickAndStep(QPoint(7, 50), Qt::Key_Right)},
      {"sigVCursor2Moved(double)", pickAndStep(QPoint(207, 50), Qt::Key_Left)},
      {"sigHCursor1PosChanged(double)", call(&QCursorFrame::setNormalizedHPos1, 0.5)},
      {"sigHCursor2PosChanged(double)", call(&QCursorFrame::setNormalizedHPos2, 0.5)},
      {"sigVCursor1PosChanged(double)", call(&QCursorFrame::setNormalizedVPos1, 0.5)},
      {"sigVCursor2PosChanged(double)", call(&QCursorFrame::setNormalizedVPos2, 0.5)}}},
};

// Signals and slots hosts connect to by name.
const NamedMethods frame{"QCursorFrame", {}, {"setLineColor(QColor)", "setNormalCursor(QCursor)"}};
} // namespace
