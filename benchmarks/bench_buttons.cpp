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
    QStandardItemModel model{1, 206};
    QTableView view;
    QHideableHeaderView *header = nullptr;

    HeaderFixture()
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
    widened.runStock = [names] {
        auto *box = new QComboBox;
        box->addItems(names);
        const QFontMetrics metrics(box->font());
        int widest = 0;
        for (const QString &name : names)
            widest = qMax(widest, metrics.horizontalAdvance(name));
        box->view()->setMinimumWidth(widest + 20);
        showPaintAndDelete(box);
    };

    auto fixture = std::make_shared<HeaderFixture>();
    Comparison menu;
    menu.ours = QStringLiteral("QHideableHeaderView menu, 200 columns");
    menu.stock = QStringLiteral("QMenu with 200 checkable actions");
    menu.runOurs = [fixture] {
        closeMenuSoon();
        QWidget *viewport = fixture->header->viewport();
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), viewport->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(viewport, &event);
    };
    menu.runStock = [fixture] {
        closeMenuSoon();
        QMenu stockMenu;
        const QHeaderView *header = fixture->header;
        for (int i = 6; i < header->count(); ++i) {
            QAction *action = stockMenu.addAction(
                fixture->model.headerData(i, Qt::Horizontal, Qt::DisplayRole).toString());
            action->setData(i);
            action->setCheckable(true);
            action->setChecked(!header->isSectionHidden(i));
        }
        stockMenu.exec(QCursor::pos());
    };

    return {choose, items, widened, menu};
}
