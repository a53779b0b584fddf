// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "benchrunner.h"

#include "qcursorframe.h"
#include "qhexdlg.h"

#include <QApplication>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <memory>

namespace {

constexpr int AreaWidth = 1920;
constexpr int AreaHeight = 1080;
constexpr int ExplainLines = 5000;

// Stock stand-in for the cursor overlay: a widget that repaints itself on every move.
class StockTracker : public QWidget
{
public:
    explicit StockTracker(QWidget *parent)
        : QWidget(parent)
    {
        setMouseTracking(true);
    }

protected:
    void mouseMoveEvent(QMouseEvent *event) override
    {
        m_x = event->pos().x();
        update();
    }
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.drawLine(m_x, 0, m_x, height());
    }

private:
    int m_x = 0;
};

// A plot-sized parent holding either overlay.
struct DragScene {
    std::unique_ptr<QWidget> ours;
    std::unique_ptr<QWidget> stock;
    QCursorFrame *frame = nullptr;
    StockTracker *tracker = nullptr;
    int step = 0;

    void build()
    {
        if (ours)
            return;
        const QSize outer(AreaWidth + 40, AreaHeight + 40);
        ours.reset(new QWidget);
        ours->resize(outer);
        frame = new QCursorFrame(ours.get(), QCursorFrame::HorizontalCursor | QCursorFrame::VerticalCursor);
        frame->setMeasureArea(QPoint(20, 20), QSize(AreaWidth, AreaHeight));
        frame->showHorizontalCursor(true);
        frame->showVerticalCursor(true);
        ours->show();

        stock.reset(new QWidget);
        stock->resize(outer);
        tracker = new StockTracker(stock.get());
        tracker->setGeometry(frame->geometry());
        stock->show();
        QApplication::processEvents();

        // Grab vertical cursor 1 (column 7 of the frame) and keep the button down.
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(7, 200), frame->mapToGlobal(QPoint(7, 200)),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(frame, &press);
    }

    static void move(QWidget *target, int x)
    {
        const QPointF pos(x, 300);
        QMouseEvent event(QEvent::MouseMove, pos, target->mapToGlobal(pos.toPoint()), Qt::NoButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(target, &event);
        // Run the repaint the move asked for, now rather than at the next event loop pass.
        QCoreApplication::sendPostedEvents(target->window(), QEvent::UpdateRequest);
    }

    int nextX() { return 10 + (step++ * 37) % AreaWidth; }
};

QString explanation(int count = ExplainLines)
{
    QStringList lines;
    lines.reserve(count);
    for (int i = 0; i < count; ++i)
        lines << QStringLiteral("%1: parameter value %1 selects mode <%2> & option %3").arg(i % 100).arg(i).arg(i * 7);
    return lines.join(QLatin1Char('\n'));
}

// The same widgets as a 32-bit QHexDlg, built from stock classes in grids.
QWidget *stockHexDialog()
{
    auto *dlg = new QDialog;
    dlg->resize(724, 470);
    auto *row = new QHBoxLayout(dlg);
    auto *column = new QVBoxLayout;
    row->addLayout(column);
    for (int panel = 0; panel < 2; ++panel) {
        auto *box = new QGroupBox(QStringLiteral("Value"), dlg);
        auto *grid = new QGridLayout(box);
        for (int k = 0; k < 32; ++k) {
            const int r = k < 16 ? 2 : 0;
            auto *label = new QLabel(QString::number(k), box);
            label->setFixedSize(25, 20);
            grid->addWidget(label, r, 15 - k % 16);
            auto *button = new QPushButton(QStringLiteral("0"), box);
            button->setFixedSize(25, 20);
            grid->addWidget(button, r + 1, 15 - k % 16);
        }
        for (int i = 0; i < 5; ++i)
            grid->addWidget(new QLabel(QStringLiteral("Label"), box), 4, i);
        grid->addWidget(new QLineEdit(box), 5, 0, 1, 8);
        grid->addWidget(new QLineEdit(box), 5, 8, 1, 8);
        column->addWidget(box);
    }
    auto *buttons = new QHBoxLayout;
    for (int i = 0; i < 5; ++i) {
        auto *button = new QPushButton(QStringLiteral("Button"), dlg);
        button->setVisible(i == 2 || i == 3);
        buttons->addWidget(button);
    }
    column->addLayout(buttons);
    new QToolButton(dlg);
    auto *text = new QTextEdit(dlg);
    text->setObjectName(QStringLiteral("textEdit"));
    row->addWidget(text);
    return dlg;
}

QLineEdit *hexEditOf(QWidget *dlg)
{
    QWidget *panel = dlg->findChild<QWidget *>(QStringLiteral("widgetModify"));
    for (QLineEdit *edit : panel->findChildren<QLineEdit *>()) {
        if (QLatin1String(edit->metaObject()->className()) == QLatin1String("QHexLineEdit"))
            return edit;
    }
    return nullptr;
}

// Typing in the modified value's hexadecimal editor: a digit after "1", then Backspace, so the
// value moves between 1 and 16 to 25 and the highlight between those lines.
struct TypingScene {
    int lines = 0;
    std::unique_ptr<QHexDlg> ours;
    std::unique_ptr<QWidget> stock;
    QLineEdit *oursEdit = nullptr;
    QLineEdit *stockEdit = nullptr;
    QTextEdit *stockText = nullptr;
    QTextCursor stockMarked;
    int oursStep = 0;
    int stockStep = 0;

    void build()
    {
        if (ours)
            return;
        const QString text = explanation(lines);
        ours.reset(new QHexDlg(nullptr, 16));
        ours->setRange(0, 0xFFFF);
        ours->setExplain(text);
        ours->setInitialData(1);
        showAndGrab(ours.get());
        oursEdit = hexEditOf(ours.get());
        oursEdit->setFocus();
        oursEdit->end(false);

        // Stock: the same widgets; the reaction recolours the value's line with a cursor.
        stock.reset(stockHexDialog());
        stockText = stock->findChild<QTextEdit *>(QStringLiteral("textEdit"));
        stockText->setPlainText(text);
        stockEdit = stock->findChildren<QLineEdit *>().last();
        stockEdit->setText(QStringLiteral("1"));
        QObject::connect(stockEdit, &QLineEdit::textEdited, stockText, [this](const QString &typed) {
            QTextCharFormat plain;
            stockMarked.setCharFormat(plain);
            const QTextBlock block = stockText->document()->findBlockByNumber(typed.toInt(nullptr, 16));
            if (!block.isValid())
                return;
            stockMarked = QTextCursor(block);
            stockMarked.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            QTextCharFormat red;
            red.setForeground(Qt::red);
            stockMarked.mergeCharFormat(red);
            QTextCursor at(block);
            stockText->setTextCursor(at);
        });
        showAndGrab(stock.get(), ours->size());
        stockEdit->setFocus();
        stockEdit->end(false);
    }

    static void step(QLineEdit *edit, int &n)
    {
        if (n++ % 2 == 0) {
            const int digit = (n / 2) % 10;
            keystroke(edit, Qt::Key_0 + digit, QString::number(digit));
        } else {
            keystroke(edit, Qt::Key_Backspace);
        }
    }
};

Comparison typingRow(int lines)
{
    auto scene = std::make_shared<TypingScene>();
    scene->lines = lines;
    Comparison row;
    row.ours = QStringLiteral("QHexDlg keystroke, %1-line explanation").arg(lines);
    row.stock = QStringLiteral("QLineEdit + QTextCursor recolouring a line");
    row.limitMicros = 2000;
    row.runs = 101;
    row.runOurs = [scene] {
        scene->build();
        TypingScene::step(scene->oursEdit, scene->oursStep);
    };
    row.runStock = [scene] {
        scene->build();
        TypingScene::step(scene->stockEdit, scene->stockStep);
    };
    return row;
}

// Clicking bit 3 of the modified value, with the repaint.
struct BitScene {
    std::unique_ptr<QHexDlg> ours;
    std::unique_ptr<QWidget> stock;
    QPushButton *oursBit = nullptr;
    QPushButton *stockBit = nullptr;

    void build()
    {
        if (ours)
            return;
        ours.reset(new QHexDlg(nullptr, 32));
        ours->setRange(0, 0xFFFF);
        showAndGrab(ours.get());
        oursBit = ours->findChild<QWidget *>(QStringLiteral("widgetModify"))
                      ->findChild<QPushButton *>(QStringLiteral("bitButton_3"));
        stock.reset(stockHexDialog());
        stockBit = stock->findChildren<QPushButton *>().at(40);
        // The same job as ours: the bit's text, then the value in the box's two editors.
        const QList<QLineEdit *> editors = stockBit->parentWidget()->findChildren<QLineEdit *>();
        QObject::connect(stockBit, &QPushButton::clicked, stockBit, [this, editors] {
            const bool set = stockBit->text() == QLatin1String("0");
            stockBit->setText(set ? QStringLiteral("1") : QStringLiteral("0"));
            const int value = set ? 8 : 0;
            editors.at(0)->setText(QString::number(value));
            editors.at(1)->setText(QString::number(value, 16).toUpper());
        });
        showAndGrab(stock.get(), ours->size());
    }
};

} // namespace

QList<Comparison> numericBenchmarks()
{
    // The hexadecimal validator logs every input to the debug stream; keep the table readable.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));

    Comparison dialog;
    dialog.ours = QStringLiteral("QHexDlg (32 bits)");
    dialog.stock = QStringLiteral("QDialog with the same stock widgets");
    dialog.runOurs = [] { showPaintAndDelete(new QHexDlg(nullptr, 32)); };
    dialog.runStock = [] { showPaintAndDelete(stockHexDialog()); };
    dialog.target = 1.25;

    auto scene = std::make_shared<DragScene>();
    Comparison drag;
    drag.ours = QStringLiteral("QCursorFrame drag 1920x1080, us/move");
    drag.stock = QStringLiteral("QWidget repainting on every move");
    drag.runOurs = [scene] {
        scene->build();
        DragScene::move(scene->frame, scene->nextX());
    };
    drag.runStock = [scene] {
        scene->build();
        DragScene::move(scene->tracker, scene->nextX());
    };
    drag.target = 1.5;
    drag.runs = 201;

    struct Highlight {
        std::unique_ptr<QHexDlg> dlg;
        std::unique_ptr<QTextEdit> plain;
        QString html;
        int step = 0;
    };
    auto hl = std::make_shared<Highlight>();
    const auto buildHighlight = [hl] {
        if (hl->dlg)
            return;
        const QString text = explanation();
        hl->dlg.reset(new QHexDlg(nullptr, 16));
        hl->dlg->setRange(0, 0xFFFF);
        hl->dlg->setExplain(text);
        hl->dlg->show();
        hl->plain.reset(new QTextEdit);
        hl->plain->resize(hl->dlg->findChild<QTextEdit *>(QStringLiteral("textEdit"))->size());
        hl->plain->show();
        hl->html = text.toHtmlEscaped().replace(QLatin1Char('\n'), QLatin1String("<br>"));
    };
    Comparison highlight;
    highlight.ours = QStringLiteral("QHexDlg highlight, 5000-line explanation");
    highlight.stock = QStringLiteral("QTextEdit::setHtml of the same text");
    highlight.runOurs = [hl, buildHighlight] {
        buildHighlight();
        hl->dlg->setInitialData((hl->step++ * 997) % ExplainLines);
        hl->dlg->findChild<QTextEdit *>(QStringLiteral("textEdit"))->viewport()->repaint();
    };
    highlight.runStock = [hl, buildHighlight] {
        buildHighlight();
        hl->plain->setHtml(hl->html);
        hl->plain->viewport()->repaint();
    };
    highlight.target = 1.5;
    highlight.runs = 21;

    const auto hex32 = []() -> QWidget * { return new QHexDlg(nullptr, 32); };
    const Comparison frame32 = firstFrame(QStringLiteral("QHexDlg (32 bits)"), QStringLiteral("QDialog with the same stock widgets"), hex32,
                                          [] { return stockHexDialog(); });
    const auto hex16 = []() -> QWidget * {
        auto *dlg = new QHexDlg(nullptr, 16);
        dlg->setRange(0, 0xFFFF);
        dlg->setExplain(explanation(40));
        dlg->setInitialData(3);
        return dlg;
    };
    const Comparison frame16 = firstFrame(QStringLiteral("QHexDlg (16 bits, 40-line explanation)"), QStringLiteral("QDialog with the same stock widgets"), hex16, [] {
        QWidget *dlg = stockHexDialog();
        dlg->findChild<QTextEdit *>()->setPlainText(explanation(40));
        return dlg;
    });

    auto bits = std::make_shared<BitScene>();
    const Comparison bitClick = interactionRow(
        QStringLiteral("QHexDlg click on a bit, with repaint"), QStringLiteral("QPushButton click writing it and two QLineEdits"),
        [bits] {
            bits->build();
            click(bits->oursBit);
        },
        [bits] {
            bits->build();
            click(bits->stockBit);
        });

    drag.limitMicros = 1000;
    return {dialog, drag, highlight, frame32, frame16, bitClick, typingRow(100), typingRow(1000), typingRow(5000),
            typingRow(20000)};
}
