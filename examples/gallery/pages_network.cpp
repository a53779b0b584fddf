// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "gallerypages.h"

#include "qeditip.h"
#include "qiplineedit.h"
#include "qwebsetclient.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QWidget *ipEditorsPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);

    auto *lineBox = new QGroupBox(QCoreApplication::translate("Gallery", "Address in one field"), page);
    auto *lineForm = new QFormLayout(lineBox);
    auto *ipLine = new QIPLineEdit(lineBox);
    ipLine->setIP(QStringLiteral("192.168.1.10"));
    auto *lineValue = new QLabel(lineBox);
    lineValue->setObjectName(QStringLiteral("ipLineValue"));
    auto *readLine = new QPushButton(QCoreApplication::translate("Gallery", "Read address"), lineBox);
    QObject::connect(readLine, &QPushButton::clicked, lineValue, [ipLine, lineValue] { lineValue->setText(ipLine->getIP()); });
    lineForm->addRow(QCoreApplication::translate("Gallery", "Address"), ipLine);
    lineForm->addRow(readLine, lineValue);
    layout->addWidget(lineBox);

    auto *segBox = new QGroupBox(QCoreApplication::translate("Gallery", "Address in four fields"), page);
    auto *segForm = new QFormLayout(segBox);
    auto *editable = new QEditIP(segBox);
    editable->setText(QStringLiteral("10.0.0.5"));
    auto *finished = new QLabel(QCoreApplication::translate("Gallery", "Leave the last segment to see editingFinished()."), segBox);
    finished->setObjectName(QStringLiteral("editIpValue"));
    QObject::connect(editable, &QEditIP::editingFinished, finished,
                     [editable, finished] { finished->setText(QStringLiteral("editingFinished: ") + editable->text()); });
    auto *readOnly = new QEditIP(segBox);
    readOnly->setText(QStringLiteral("255.255.255.0"));
    readOnly->setReadOnly(true);
    segForm->addRow(QCoreApplication::translate("Gallery", "Editable"), editable);
    segForm->addRow(QString(), finished);
    segForm->addRow(QCoreApplication::translate("Gallery", "Read-only"), readOnly);
    layout->addWidget(segBox);
    layout->addStretch();
    return page;
}

QWidget *adapterPanelPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *note = new QLabel(QCoreApplication::translate("Gallery", "The adapters of this computer. Nothing is changed unless you press OK."), page);
    note->setWordWrap(true);
    layout->addWidget(note);
    layout->addWidget(new QWebSetClient(page));
    layout->addStretch();
    return page;
}

} // namespace

QList<GalleryPage> networkPages()
{
    return {
        {QStringLiteral(QT_TRANSLATE_NOOP("Gallery", "IP address editors")), ipEditorsPage},
        {QStringLiteral(QT_TRANSLATE_NOOP("Gallery", "Network settings panel")), adapterPanelPage},
    };
}
