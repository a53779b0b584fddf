// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "benchrunner.h"

#include "qchoosewidget.h"
#include "qhideableheaderview.h"
#include "qitemcombobox.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <memory>

namespace {

QStringList parameterNames(int count)
{
    QStringList names;
    names.reserve(count);
    for (int i = 0; i < count; ++i)
        names << QStringLiteral("P%1.%2 Parameter number %3").arg(i / 100).arg(i % 100, 2, 10, QLatin1Char('0')).arg(i);
    return names;
}

// Closes the popup menu as soon as its event loop runs, so exec() returns.
void closeMenuSoon()
{
    QTimer::singleShot(0, [] {
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
    });
}

struct HeaderFixture {
    QStandardItemModel model;
    QTableView view;
    QHideableHeaderView *header = nullptr;

    // The first six sections are never offered in the menu.
    explicit HeaderFixture(int hideable = 200)
        : model(1, hideable + 6)
    {
        for (int c = 0; c < model.columnCount(); ++c)
            model.setHeaderData(c, Qt::Horizontal, QStringLiteral("Column %1").arg(c));
        header = new QHideableHeaderView(Qt::Horizontal, &view);
        view.setHorizontalHeader(header);
        view.setModel(&model);
        view.resize(800, 200);
        view.show();
    }
};

void openMenu(HeaderFixture &fixture)
{
    closeMenuSoon();
    QWidget *viewport = fixture.header->viewport();
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), viewport->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(viewport, &event);
}

void openStockMenu(HeaderFixture &fixture)
{
    closeMenuSoon();
    QMenu stockMenu;
    const QHeaderView *header = fixture.header;
    for (int i = 6; i < header->count(); ++i) {
        QAction *action = stockMenu.addAction(fixture.model.headerData(i, Qt::Horizontal, Qt::DisplayRole).toString());
        action->setData(i);
        action->setCheckable(true);
        action->setChecked(!header->isSectionHidden(i));
    }
    stockMenu.exec(QCursor::pos());
}

Comparison menuRow(int columns)
{
    // Built on first use, so rows left out by the filter cost nothing.
    auto holder = std::make_shared<std::unique_ptr<HeaderFixture>>();
    const auto fixture = [holder, columns]() -> HeaderFixture & {
        if (!*holder)
            holder->reset(new HeaderFixture(columns));
        return **holder;
    };
    Comparison menu;
    menu.ours = QStringLiteral("QHideableHeaderView menu, %1 columns").arg(columns);
    menu.stock = QStringLiteral("QMenu with %1 checkable actions").arg(columns);
    menu.runs = columns > 500 ? 11 : 41;
    menu.runOurs = [fixture] { openMenu(fixture()); };
    menu.runStock = [fixture] { openStockMenu(fixture()); };
    return menu;
}

Comparison itemsRow(int count)
{
    auto list = std::make_shared<QStringList>();
    const auto names = [list, count]() -> const QStringList & {
        if (list->isEmpty())
            *list = parameterNames(count);
        return *list;
    };
    Comparison items;
    items.ours = QStringLiteral("QItemComboBox::addMultiItem %1, first frame").arg(count);
    items.stock = QStringLiteral("QComboBox::addItems %1").arg(count);
    items.runs = count >= 100000 ? 5 : count >= 10000 ? 9 : 41;
    items.runOurs = [names] {
        auto *box = new QItemComboBox(nullptr);
        box->addMultiItem(names(), 0);
        showAndGrab(box);
        delete box;
    };
    items.runStock = [names] {
        auto *box = new QComboBox;
        box->addItems(names());
        showAndGrab(box);
        delete box;
    };
    return items;
}

struct ComboScene {
    std::unique_ptr<QItemComboBox> ours;
    std::unique_ptr<QComboBox> stock;
    int oursStep = 0;
    int stockStep = 0;
    void build()
    {
        if (ours)
            return;
        const QStringList names = parameterNames(100);
        ours.reset(new QItemComboBox(nullptr));
        ours->addMultiItem(names, 20);
        showAndGrab(ours.get());
        stock.reset(new QComboBox);
        stock->addItems(names);
        showAndGrab(stock.get(), ours->size());
    }
    static void step(QComboBox *box, int &n)
    {
        keystroke(box, (n++ / 10) % 2 == 0 ? Qt::Key_Down : Qt::Key_Up);
    }
};

// A stock combo box whose list is widened by hand to the widest entry plus 20 px, as
// addMultiItem(names, 20) does.
QComboBox *widenedStockCombo(const QStringList &names)
{
    auto *box = new QComboBox;
    box->addItems(names);
    const QFontMetrics metrics(box->font());
    int widest = 0;
    for (const QString &name : names)
        widest = qMax(widest, metrics.horizontalAdvance(name));
    box->view()->setMinimumWidth(widest + 20);
    return box;
}

} // namespace

QList<Comparison> buttonBenchmarks()
{
    Comparison choose;
    choose.ours = QStringLiteral("QChooseWidget");
    choose.stock = QStringLiteral("3 x QLabel(pixmap) + QRadioButton");
    choose.runOurs = [] { showPaintAndDelete(new QChooseWidget); };
    choose.runStock = [] {
        auto *w = new QWidget;
        auto *row = new QHBoxLayout(w);
        row->addStretch();
        const QStringList images{QStringLiteral(":/img/commonImge/inverter"), QStringLiteral(":/img/commonImge/servo"),
                                 QStringLiteral(":/img/commonImge/remote")};
        const QStringList captions{QStringLiteral("VFD"), QStringLiteral("Servo"), QStringLiteral("Remote")};
        for (int i = 0; i < 3; ++i) {
            auto *tile = new QWidget(w);
            auto *column = new QVBoxLayout(tile);
            auto *image = new QLabel(tile);
            image->setPixmap(QPixmap(images.at(i)));
            auto *radio = new QRadioButton(captions.at(i), tile);
            radio->setChecked(i == 0);
            column->addWidget(image);
            column->addWidget(radio);
            row->addWidget(tile);
        }
        row->addStretch();
        showPaintAndDelete(w);
    };

    const QStringList names = parameterNames(10000);
    Comparison items;
    items.ours = QStringLiteral("QItemComboBox::addMultiItem 10000");
    items.stock = QStringLiteral("QComboBox::addItems 10000");
    items.runs = 15;
    items.runOurs = [names] {
        auto *box = new QItemComboBox(nullptr);
        box->addMultiItem(names, 0);
        showPaintAndDelete(box);
    };
    items.runStock = [names] {
        auto *box = new QComboBox;
        box->addItems(names);
        showPaintAndDelete(box);
    };

    // Widening the list measures every new entry; the stock side does the same by hand.
    Comparison widened;
    widened.ours = QStringLiteral("QItemComboBox::addMultiItem 10000, +20 px");
    widened.stock = QStringLiteral("QComboBox::addItems 10000, widened by hand");
    widened.runs = 15;
    widened.runOurs = [names] {
        auto *box = new QItemComboBox(nullptr);
        box->addMultiItem(names, 20);
        showPaintAndDelete(box);
    };
    widened.runStock = [names] { showPaintAndDelete(widenedStockCombo(names)); };

    const Comparison menu = menuRow(200);

    const QStringList hundred = parameterNames(100);
    const auto ourCombo = [hundred]() -> QWidget * {
        auto *box = new QItemComboBox(nullptr);
        box->addMultiItem(hundred, 20);
        return box;
    };
    const Comparison comboFrame = firstFrame(QStringLiteral("QItemComboBox (100 items, +20 px)"), QStringLiteral("QComboBox::addItems 100, widened by hand"), ourCombo, [hundred]() -> QWidget * { return widenedStockCombo(hundred); });
    const auto ourHeader = []() -> QWidget * {
        auto *view = new QTableView;
        auto *model = new QStandardItemModel(4, 12, view);
        view->setHorizontalHeader(new QHideableHeaderView(Qt::Horizontal, view));
        view->setModel(model);
        return view;
    };
    const Comparison headerFrame = firstFrame(QStringLiteral("QHideableHeaderView in a table"), QStringLiteral("QTableView with a stretching header"), ourHeader, [] {
        auto *view = new QTableView;
        auto *model = new QStandardItemModel(4, 12, view);
        view->horizontalHeader()->setStretchLastSection(true);
        view->setModel(model);
        return view;
    });

    auto combo = std::make_shared<ComboScene>();
    const Comparison comboKey = interactionRow(
        QStringLiteral("QItemComboBox arrow key, with repaint"), QStringLiteral("QComboBox arrow key"),
        [combo] {
            combo->build();
            ComboScene::step(combo->ours.get(), combo->oursStep);
        },
        [combo] {
            combo->build();
            ComboScene::step(combo->stock.get(), combo->stockStep);
        });

    return {choose, items, widened, menu, comboFrame, headerFrame, comboKey,
            itemsRow(100), itemsRow(1000), itemsRow(10000), itemsRow(100000),
            menuRow(20), menuRow(2000)};
}
