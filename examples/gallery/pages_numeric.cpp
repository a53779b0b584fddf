// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "gallerypages.h"

#include "qcursorframe.h"
#include "qhexdlg.h"
#include "qhexlineedit.h"
#include "qhexspinbox.h"
#include "qintlineedit.h"
#include "qmultihexspinbox.h"

#include <QFormLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

// A simple drawn plot that keeps a cursor frame over its drawing area.
class PlotWidget : public QWidget
{
public:
    explicit PlotWidget(QWidget *parent)
        : QWidget(parent)
        , m_frame(new QCursorFrame(this, QCursorFrame::HorizontalCursor | QCursorFrame::VerticalCursor))
    {
        setMinimumSize(400, 260);
        m_frame->setLineColor(QColor(0x20, 0x60, 0xc0));
        m_frame->setNormalCursor(QCursor(Qt::CrossCursor));
        m_frame->setNormalizedVPos1(0.25);
        m_frame->setNormalizedVPos2(0.75);
        m_frame->setNormalizedHPos1(0.2);
        m_frame->setNormalizedHPos2(0.8);
        m_frame->showHorizontalCursor(true);
        m_frame->showVerticalCursor(true);
    }

    QCursorFrame *frame() const { return m_frame; }

protected:
    QRect plotArea() const { return rect().adjusted(40, 20, -20, -30); }

    void resizeEvent(QResizeEvent *) override
    {
        const QRect area = plotArea();
        m_frame->setMeasureArea(area.topLeft(), area.size());
    }

    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        const QRect area = plotArea();
        p.setPen(QColor(0xdd, 0xdd, 0xdd));
        for (int i = 1; i < 10; ++i) {
            const int x = area.left() + area.width() * i / 10;
            const int y = area.top() + area.height() * i / 10;
            p.drawLine(x, area.top(), x, area.bottom());
            p.drawLine(area.left(), y, area.right(), y);
        }
        p.setPen(Qt::gray);
        p.drawRect(area);
        QPainterPath curve;
        for (int x = 0; x < area.width(); ++x) {
            const double t = double(x) / area.width();
            const double v = 0.5 + 0.4 * std::sin(t * 4 * M_PI) * std::exp(-t * 1.5);
            const QPointF pt(area.left() + x, area.bottom() - v * area.height());
            if (x == 0)
                curve.moveTo(pt);
            else
                curve.lineTo(pt);
        }
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0xd0, 0x40, 0x20), 2));
        p.drawPath(curve);
    }

private:
    QCursorFrame *m_frame;
};

QWidget *cursorPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(QCoreApplication::translate("Gallery", "Drag a line or a handle, or select one and use the arrow keys."), page));
    auto *plot = new PlotWidget(page);
    layout->addWidget(plot, 1);
    auto *readout = new QLabel(page);
    readout->setObjectName(QStringLiteral("cursorReadout"));
    layout->addWidget(readout);

    QCursorFrame *frame = plot->frame();
    const auto refresh = [frame, readout] {
        readout->setText(QStringLiteral("H1 %1   H2 %2   V1 %3   V2 %4   (fractions of the plot area)")
                             .arg(frame->getNormalizedHPos1(), 0, 'f', 3)
                             .arg(frame->getNormalizedHPos2(), 0, 'f', 3)
                             .arg(frame->getNormalizedVPos1(), 0, 'f', 3)
                             .arg(frame->getNormalizedVPos2(), 0, 'f', 3));
    };
    for (auto sig : {&QCursorFrame::sigHCursor1PosChanged, &QCursorFrame::sigHCursor2PosChanged,
                     &QCursorFrame::sigVCursor1PosChanged, &QCursorFrame::sigVCursor2PosChanged})
        QObject::connect(frame, sig, readout, refresh);
    refresh();
    return page;
}

QWidget *entryPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    auto *log = new QLabel(page);
    log->setObjectName(QStringLiteral("entryLog"));

    auto *spin = new QHexSpinBox;
    spin->setValue(0xA5);
    QObject::connect(spin, QOverload<int>::of(&QSpinBox::valueChanged), log,
                     [log](int v) { log->setText(QStringLiteral("QHexSpinBox value: %1").arg(v)); });
    form->addRow(QCoreApplication::translate("Gallery", "Hexadecimal, 0 to FF"), spin);

    auto *multi = new QMultiHexSpinBox(4);
    multi->setHexSpinboxValueList(QStringList{"192", "168", "1", "20"});
    form->addRow(QCoreApplication::translate("Gallery", "Four hexadecimal fields"), multi);
    auto *readMulti = new QPushButton(QCoreApplication::translate("Gallery", "Read fields"), page);
    QObject::connect(readMulti, &QPushButton::clicked, log, [multi, log] {
        QStringList parts;
        for (int v : multi->getHexSpinboxValueList())
            parts << QString::number(v);
        log->setText(QStringLiteral("QMultiHexSpinBox values: %1").arg(parts.join(QStringLiteral(", "))));
    });
    form->addRow(QString(), readMulti);

    auto *hex = new QHexLineEdit(page, 16, 255);
    hex->setPlaceholderText(QStringLiteral("10 to FF"));
    form->addRow(QCoreApplication::translate("Gallery", "Hexadecimal, 0x10 to 0xFF"), hex);
    auto *dec = new QIntLineEdit(page);
    dec->setPlaceholderText(QStringLiteral("0 to 9999"));
    form->addRow(QCoreApplication::translate("Gallery", "Integer, 0 to 9999"), dec);
    for (QLineEdit *edit : {static_cast<QLineEdit *>(hex), static_cast<QLineEdit *>(dec)}) {
        QObject::connect(edit, &QLineEdit::textChanged, log, [edit, log](const QString &text) {
            log->setText(QCoreApplication::translate("Gallery", "\"%1\" is %2").arg(text, edit->hasAcceptableInput()
                                                                     ? QCoreApplication::translate("Gallery", "acceptable")
                                                                     : QCoreApplication::translate("Gallery", "not yet acceptable")));
        });
    }
    layout->addLayout(form);
    layout->addWidget(log);
    layout->addStretch();
    return page;
}

const char *const ExampleExplain = "0: Stop\n"
                                   "1: Forward run\n"
                                   "2: Reverse run\n"
                                   "3: Jog forward\n"
                                   "4: Jog reverse\n"
                                   "5: Coast to stop\n"
                                   "6: Fault reset\n"
                                   "7: External fault input (NO & NC)\n"
                                   "8: Speed < limit\n"
                                   "9: Reserved";

QWidget *dialogPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *result = new QLabel(QCoreApplication::translate("Gallery", "Result: -"), page);
    result->setObjectName(QStringLiteral("hexDlgResult"));
    auto *open = new QPushButton(QCoreApplication::translate("Gallery", "Edit terminal function (0 to 9)..."), page);
    QObject::connect(open, &QPushButton::clicked, result, [page, result] {
        QHexDlg dlg(page, 16);
        dlg.setExplain(QString::fromUtf8(ExampleExplain));
        dlg.setRange(0, 9);
        dlg.setInitialData(2);
        dlg.exec();
        result->setText(QCoreApplication::translate("Gallery", "Result: %1, value %2")
                            .arg(dlg.getResult() ? QStringLiteral("confirmed") : QStringLiteral("cancelled"))
                            .arg(dlg.getModifyData()));
    });
    layout->addWidget(open, 0, Qt::AlignLeft);
    layout->addWidget(result);

    // An embedded copy, so the page (and its screenshot) shows the dialog.
    auto *preview = new QHexDlg(page, 16);
    preview->setWindowFlags(Qt::Widget);
    preview->setExplain(QString::fromUtf8(ExampleExplain));
    preview->setRange(0, 9);
    preview->setInitialData(7);
    layout->addWidget(preview, 0, Qt::AlignHCenter);
    layout->addStretch();
    return page;
}

} // namespace

QList<GalleryPage> numericPages()
{
    return {
        {QStringLiteral(QT_TRANSLATE_NOOP("Gallery", "Cursor frame")), cursorPage},
        {QStringLiteral(QT_TRANSLATE_NOOP("Gallery", "Hex spin boxes and line edits")), entryPage},
        {QStringLiteral(QT_TRANSLATE_NOOP("Gallery", "Multi-radix dialog")), dialogPage},
    };
}
