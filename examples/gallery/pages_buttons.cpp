// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "gallerypages.h"

#include "qaxiscomboxwidget.h"
#include "qchoosewidget.h"
#include "qcustombutton.h"
#include "qcustomdatetimeedit.h"
#include "qcustomlineedit.h"
#include "qcustompushbutton.h"
#include "qedgewidget.h"
#include "qextendcombobox.h"
#include "qextenddoublespinbox.h"
#include "qhideableheaderview.h"
#include "qimgradiobutton.h"
#include "qindustryitem.h"
#include "qitemcombobox.h"
#include "qmenubutton.h"
#include "qmycombobox.h"
#include "qnowheelcombobox.h"
#include "qnowheeldatetimeedit.h"
#include "qnowheeldouspinbox.h"
#include "qpresslabel.h"
#include "qpswedit.h"
#include "qrotatepushbutton.h"
#include "qtopsidewidget.h"
#include "qtopwizard.h"
#include "qtranslatedtextedit.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include <memory>

namespace {

QLabel *makeLog(QWidget *page)
{
    auto *log = new QLabel(QCoreApplication::translate("Gallery", "Signals show here."), page);
    log->setObjectName(QStringLiteral("signalLog"));
    return log;
}

QWidget *choicePage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *log = makeLog(page);
    layout->addWidget(new QLabel(QStringLiteral("Click a tile to select it, double-click to confirm. The tile images "
                                                "are host resources; the gallery registers its own."),
                                 page));
    auto *choose = new QChooseWidget(page);
    QObject::connect(choose, &QChooseWidget::SigOk, log, [log, choose] {
        log->setText(QCoreApplication::translate("Gallery", "SigOk, selected tile %1").arg(choose->getSelectID()));
    });
    layout->addWidget(choose);

    auto *row = new QHBoxLayout;
    auto *single = new QImgRadioButton(page, QCoreApplication::translate("Gallery", "Stand-alone tile"));
    QObject::connect(single, &QImgRadioButton::SigImgClicked, log, [log] { log->setText(QCoreApplication::translate("Gallery", "SigImgClicked")); });
    QObject::connect(single, &QImgRadioButton::SigOk, log, [log] { log->setText(QCoreApplication::translate("Gallery", "SigOk")); });
    row->addWidget(single);
    auto *checked = new QImgRadioButton(page, QCoreApplication::translate("Gallery", "Checked tile"));
    checked->setChecked(true);
    row->addWidget(checked);
    row->addStretch();
    layout->addLayout(row);
    layout->addWidget(log);
    layout->addStretch();
    return page;
}

QWidget *navigationPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *log = makeLog(page);

    auto *wizardBox = new QGroupBox(QCoreApplication::translate("Gallery", "Step bar"), page);
    auto *wizardLayout = new QVBoxLayout(wizardBox);
    auto *wizard = new QTopWizard(wizardBox);
    wizard->setTextList({QCoreApplication::translate("Gallery", "Connect"), QCoreApplication::translate("Gallery", "Read"), QCoreApplication::translate("Gallery", "Edit"), QCoreApplication::translate("Gallery", "Write")});
    wizardLayout->addWidget(wizard);
    auto *wizardButtons = new QHBoxLayout;
    auto *next = new QPushButton(QCoreApplication::translate("Gallery", "Next step"), wizardBox);
    auto *restart = new QPushButton(QCoreApplication::translate("Gallery", "Restart"), wizardBox);
    auto *rebuild = new QPushButton(QCoreApplication::translate("Gallery", "Three steps"), wizardBox);
    auto step = std::make_shared<int>(0);
    auto stepCount = std::make_shared<int>(4);
    QObject::connect(next, &QPushButton::clicked, wizard, [wizard, step, stepCount] {
        *step = (*step + 1) % *stepCount;
        wizard->setBtnCheck(*step);
    });
    QObject::connect(restart, &QPushButton::clicked, wizard, [wizard, step] {
        *step = 0;
        wizard->reInit();
    });
    QObject::connect(rebuild, &QPushButton::clicked, wizard, [wizard, step, stepCount] {
        *step = 0;
        *stepCount = 3;
        wizard->setTextList({QCoreApplication::translate("Gallery", "Scan"), QCoreApplication::translate("Gallery", "Select"), QCoreApplication::translate("Gallery", "Finish")});
    });
    wizardButtons->addWidget(next);
    wizardButtons->addWidget(restart);
    wizardButtons->addWidget(rebuild);
    wizardButtons->addStretch();
    wizardLayout->addLayout(wizardButtons);
    layout->addWidget(wizardBox);

    auto *panels = new QHBoxLayout;
    auto *edge = new QEdgeWidget(page);
    edge->setTitle(QCoreApplication::translate("Gallery", "Parameters"));
    QObject::connect(edge, &QEdgeWidget::SigShow, log, [log] { log->setText(QStringLiteral("QEdgeWidget: SigShow")); });
    QObject::connect(edge, &QEdgeWidget::SigShowPreview, log,
                     [log] { log->setText(QStringLiteral("QEdgeWidget: SigShowPreview")); });
    panels->addWidget(edge);

    auto *sideBox = new QGroupBox(QCoreApplication::translate("Gallery", "Side panel"), page);
    auto *sideLayout = new QVBoxLayout(sideBox);
    auto *side = new QTopSideWidget(sideBox, QCoreApplication::translate("Gallery", "Parameter list"), DIRECT_LEFT);
    side->setDirect(DIRECT_LEFT);
    QObject::connect(side, &QTopSideWidget::SigHide, log, [log] { log->setText(QStringLiteral("QTopSideWidget: SigHide")); });
    QObject::connect(side, &QTopSideWidget::SigClose, log, [log] { log->setText(QStringLiteral("QTopSideWidget: SigClose")); });
    sideLayout->addWidget(side);
    auto *direction = new QComboBox(sideBox);
    direction->addItems({QStringLiteral("DIRECT_LEFT"), QStringLiteral("DIRECT_TOP"), QStringLiteral("DIRECT_RIGHT"),
                         QStringLiteral("DIRECT_DOWN")});
    QObject::connect(direction, qOverload<int>(&QComboBox::currentIndexChanged), side,
                     [side](int index) { side->setDirect(DirectSide_E(index)); });
    sideLayout->addWidget(direction);
    sideLayout->addStretch();
    panels->addWidget(sideBox, 1);

    auto *rotate = new QRotatePushButton(page, QCoreApplication::translate("Gallery", "Rotated caption"));
    QObject::connect(rotate, &QPushButton::clicked, log, [log] { log->setText(QStringLiteral("QRotatePushButton: clicked")); });
    panels->addWidget(rotate);
    layout->addLayout(panels);
    layout->addWidget(log);
    layout->addStretch();
    return page;
}

QWidget *decoratedButtonsPage()
{
    auto *page = new QWidget;
    auto *layout = new QHBoxLayout(page);
    auto *log = makeLog(page);

    auto *menuBox = new QGroupBox(QCoreApplication::translate("Gallery", "Menu"), page);
    auto *menuLayout = new QVBoxLayout(menuBox);
    auto buttons = std::make_shared<QList<QMenuButton *>>();
    const QStringList entries{QCoreApplication::translate("Gallery", "Monitor"), QCoreApplication::translate("Gallery", "Parameters"), QCoreApplication::translate("Gallery", "Faults"),
                              QCoreApplication::translate("Gallery", "Oscilloscope")};
    for (int i = 0; i < entries.size(); ++i) {
        auto *button = new QMenuButton(menuBox);
        button->setText(entries.at(i));
        button->setIndex(i);
        button->setMinimumHeight(36);
        // Clearing every selection here still leaves the clicked entry selected.
        QObject::connect(button, &QPushButton::clicked, log, [log, button, buttons] {
            for (QMenuButton *b : *buttons)
                b->setselected(false);
            log->setText(QStringLiteral("QMenuButton %1 clicked").arg(button->getIndex()));
        });
        buttons->append(button);
        menuLayout->addWidget(button);
    }
    buttons->first()->setselected(true);
    menuLayout->addStretch();
    layout->addWidget(menuBox);

    auto *right = new QVBoxLayout;
    auto *statusBox = new QGroupBox(QCoreApplication::translate("Gallery", "Buttons with status"), page);
    auto *statusLayout = new QVBoxLayout(statusBox);
    auto *good = new QCustomPushButton(statusBox, QCoreApplication::translate("Gallery", "Write"));
    good->setButtonStatus(true, QString());
    auto *bad = new QCustomPushButton(statusBox, QCoreApplication::translate("Gallery", "Write"));
    bad->setButtonStatus(false, QStringLiteral("timeout"));
    QObject::connect(bad->getPushButton(), &QPushButton::clicked, bad, [bad] { bad->setLabelVisible(false); });
    statusLayout->addWidget(good);
    statusLayout->addWidget(bad);
    right->addWidget(statusBox);

    auto *customButton = new QCustomButton(page, QStringLiteral("A caption that is too long to fit the button"));
    customButton->setMaximumWidth(140);
    QObject::connect(customButton, &QPushButton::clicked, log, [log] { log->setText(QStringLiteral("QCustomButton: clicked")); });
    right->addWidget(customButton);

    auto *industryBox = new QGroupBox(QCoreApplication::translate("Gallery", "Industries"), page);
    auto *industryLayout = new QVBoxLayout(industryBox);
    auto *general = new QIndustryItem(industryBox);
    general->setNormalIndustry(QCoreApplication::translate("Gallery", "General"));
    QObject::connect(general, &QIndustryItem::showIndustry, log,
                     [log](QString text) { log->setText(QStringLiteral("showIndustry(%1)").arg(text)); });
    industryLayout->addWidget(general);
    for (const QString &name : {QCoreApplication::translate("Gallery", "Textile"), QCoreApplication::translate("Gallery", "Mining"), QCoreApplication::translate("Gallery", "Hoisting")}) {
        auto *item = new QIndustryItem(industryBox);
        item->setIndustry(name);
        QObject::connect(item, &QIndustryItem::showIndustry, log,
                         [log](QString text) { log->setText(QStringLiteral("showIndustry(%1)").arg(text)); });
        QObject::connect(item, qOverload<QString>(&QIndustryItem::removeIndustry), item, [log, item](QString text) {
            log->setText(QStringLiteral("removeIndustry(%1)").arg(text));
            item->deleteLater();
        });
        industryLayout->addWidget(item);
    }
    right->addWidget(industryBox);
    right->addWidget(log);
    right->addStretch();
    layout->addLayout(right, 1);
    return page;
}

QWidget *inputWrappersPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *log = makeLog(page);
    auto *form = new QFormLayout;
    const QStringList modes{QCoreApplication::translate("Gallery", "Keypad"), QCoreApplication::translate("Gallery", "Terminal"), QCoreApplication::translate("Gallery", "Communication")};

    auto *extendCombo = new QExtendComboBox(page);
    extendCombo->addItems(modes);
    extendCombo->bindUserData(QStringLiteral("P0.02"));
    QObject::connect(extendCombo, qOverload<int, const QVariant &>(&QExtendComboBox::currentIndexChangedExtend), log,
                     [log](int index, const QVariant &data) {
                         log->setText(QStringLiteral("currentIndexChangedExtend(%1, %2)").arg(index).arg(data.toString()));
                     });
    form->addRow(QCoreApplication::translate("Gallery", "Command source (P0.02)"), extendCombo);

    auto *extendSpin = new QExtendDoubleSpinBox(page);
    extendSpin->setSuffix(QStringLiteral(" Hz"));
    extendSpin->bindUserData(QStringLiteral("P0.08"));
    QObject::connect(extendSpin, &QExtendDoubleSpinBox::editingFinishedExtend, log, [log](double d, const QVariant &data) {
        log->setText(QStringLiteral("editingFinishedExtend(%1, %2)").arg(d).arg(data.toString()));
    });
    form->addRow(QCoreApplication::translate("Gallery", "Preset frequency (P0.08)"), extendSpin);

    auto *noWheelCombo = new QNoWheelComboBox(page);
    noWheelCombo->addItems(modes);
    form->addRow(QCoreApplication::translate("Gallery", "Mode, wheel ignored"), noWheelCombo);

    form->addRow(QCoreApplication::translate("Gallery", "Date and time, wheel ignored"),
                 new QNoWheelDateTimeEdit(page, QDateTime(QDate(2024, 5, 17), QTime(9, 30))));

    auto *noWheelSpin = new QNoWheelDouSpinBox(page);
    QObject::connect(noWheelSpin, &QNoWheelDouSpinBox::sigCurVal, log,
                     [log](double value) { log->setText(QStringLiteral("sigCurVal(%1)").arg(value)); });
    form->addRow(QCoreApplication::translate("Gallery", "Value, reported on Return"), noWheelSpin);

    auto *myCombo = new QMyCombobox(page);
    myCombo->addItems(modes);
    QObject::connect(myCombo, &QMyCombobox::sigHidePopup, log, [log] { log->setText(QStringLiteral("sigHidePopup")); });
    form->addRow(QCoreApplication::translate("Gallery", "Mode"), myCombo);

    auto *itemCombo = new QItemComboBox(page);
    itemCombo->setMaximumWidth(160);
    itemCombo->addMultiItem({QStringLiteral("P0.00 Control mode"), QStringLiteral("P0.01 Run command source"),
                             QStringLiteral("P0.03 Main frequency source selection")},
                            20);
    form->addRow(QCoreApplication::translate("Gallery", "Parameter, wide list"), itemCombo);

    auto *axis = new QAxisComBoxWidget(page);
    axis->updateAxis(3);
    form->addRow(QCoreApplication::translate("Gallery", "Axis"), axis);

    layout->addLayout(form);
    layout->addWidget(log);
    layout->addStretch();
    return page;
}

QWidget *editorsPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *log = makeLog(page);
    auto *form = new QFormLayout;

    auto *flow = new QCustomLineEdit(page);
    flow->setValue(QStringLiteral("50.00"));
    flow->setUnit(QCoreApplication::translate("Gallery", "Hz"));
    form->addRow(QCoreApplication::translate("Gallery", "Frequency"), flow);
    auto *readOnly = new QCustomLineEdit(page);
    readOnly->setValue(QStringLiteral("380"));
    readOnly->setUnit(QStringLiteral("V"));
    readOnly->setEnable(false);
    form->addRow(QCoreApplication::translate("Gallery", "Voltage, disabled"), readOnly);

    auto *dateTime = new QCustomDateTimeEdit(QDateTime(QDate(2024, 5, 17), QTime(9, 30)), QCoreApplication::translate("Gallery", "Now"));
    dateTime->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    QObject::connect(dateTime->getPushButton(), &QPushButton::clicked, dateTime,
                     [dateTime] { dateTime->getDateTimeEdit()->setDateTime(QDateTime::currentDateTime()); });
    form->addRow(QCoreApplication::translate("Gallery", "Date and time"), dateTime);

    auto *password = new QPswEdit(page);
    password->setText(QStringLiteral("drive-admin"));
    form->addRow(QCoreApplication::translate("Gallery", "Password, can be shown"), password);
    auto *masked = new QPswEdit(page, QPswEdit::DisplayPassword);
    masked->setText(QStringLiteral("drive-admin"));
    form->addRow(QCoreApplication::translate("Gallery", "Password"), masked);

    auto *press = new QPressLabel(page);
    press->setText(QStringLiteral("<u>Press me</u>"));
    QObject::connect(press, &QPressLabel::SigMousePress, log, [log] { log->setText(QCoreApplication::translate("Gallery", "SigMousePress")); });
    form->addRow(QCoreApplication::translate("Gallery", "Clickable label"), press);
    layout->addLayout(form);

    auto *text = new QTranslatedTextEdit(page);
    text->setPlainText(QCoreApplication::translate("Gallery", "Right-click for the translated Copy / Select all menu.\nFault 12: overcurrent during acceleration."));
    text->setMaximumHeight(70);
    auto *notes = new QLabel(QCoreApplication::translate("Gallery", "Fault notes"), page);
    notes->setBuddy(text);
    layout->addWidget(notes);
    layout->addWidget(text);

    auto *model = new QStandardItemModel(4, 10, page);
    const QStringList headers{QCoreApplication::translate("Gallery", "No."), QCoreApplication::translate("Gallery", "Code"), QCoreApplication::translate("Gallery", "Name"), QCoreApplication::translate("Gallery", "Value"),
                              QCoreApplication::translate("Gallery", "Unit"), QCoreApplication::translate("Gallery", "Default"), QCoreApplication::translate("Gallery", "Min"), QCoreApplication::translate("Gallery", "Max"),
                              QCoreApplication::translate("Gallery", "Access"), QCoreApplication::translate("Gallery", "Note")};
    model->setHorizontalHeaderLabels(headers);
    const QList<QStringList> rows{
        {"1", "P0.00", "Control mode", "1", "", "1", "0", "2", "Stopped", ""},
        {"2", "P0.08", "Preset frequency", "50.00", "Hz", "50.00", "0.00", "600.00", "Any", ""},
        {"3", "P0.17", "Acceleration time", "10.0", "s", "10.0", "0.0", "6500.0", "Any", ""},
        {"4", "P1.01", "Rated power", "7.5", "kW", "7.5", "0.1", "1000.0", "Stopped", "Motor nameplate"},
    };
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows.at(r).size(); ++c)
            model->setItem(r, c, new QStandardItem(rows.at(r).at(c)));
    auto *table = new QTableView(page);
    table->setHorizontalHeader(new QHideableHeaderView(Qt::Horizontal, table));
    table->setModel(model);
    table->resizeColumnsToContents();
    layout->addWidget(new QLabel(QStringLiteral("Right-click the header to hide or show the columns from \"Min\" on."), page));
    layout->addWidget(table, 1);
    layout->addWidget(log);
    return page;
}

} // namespace

QList<GalleryPage> buttonPages()
{
    return {
        {QStringLiteral(QT_TRANSLATE_NOOP("Gallery", "Image choice")), choicePage},
        {QStringLiteral(QT_TRANSLATE_NOOP("Gallery", "Wizard and side panels")), navigationPage},
        {QStringLiteral(QT_TRANSLATE_NOOP("Gallery", "Menu, status and industry buttons")), decoratedButtonsPage},
        {QStringLiteral(QT_TRANSLATE_NOOP("Gallery", "Input wrappers")), inputWrappersPage},
        {QStringLiteral(QT_TRANSLATE_NOOP("Gallery", "Labelled editors and helpers")), editorsPage},
    };
}
