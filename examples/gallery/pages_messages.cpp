// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "gallerypages.h"

#include "qmymessagebox.h"
#include "qokcancel.h"

#include <QDir>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QWidget *okCancelPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *log = new QLabel(QCoreApplication::translate("Gallery", "Click a button; its signal shows here."), page);
    log->setObjectName(QStringLiteral("signalLog"));
    auto *form = new QFormLayout;
    const QList<QPair<QString, ConfirmBtnType_E>> sets = {
        {QStringLiteral("CONFIRM_BTN_OK"), CONFIRM_BTN_OK},
        {QStringLiteral("CONFIRM_BTN_CANCEL"), CONFIRM_BTN_CANCEL},
        {QStringLiteral("CONFIRM_BTN_OK_CANCEL"), CONFIRM_BTN_OK_CANCEL},
        {QStringLiteral("CONFIRM_BTN_OK_CANCEL_DEFAULT"), CONFIRM_BTN_OK_CANCEL_DEFAULT},
        {QStringLiteral("CONFIRM_BTN_OPEN_QUIT"), CONFIRM_BTN_OPEN_QUIT},
    };
    for (const auto &set : sets) {
        auto *bar = new QOkCancel(page, set.second);
        const QString name = set.first;
        QObject::connect(bar, &QOkCancel::SigOpen, log, [log, name] { log->setText(name + ": SigOpen"); });
        QObject::connect(bar, &QOkCancel::SigOk, log, [log, name] { log->setText(name + ": SigOk"); });
        QObject::connect(bar, &QOkCancel::SigCancel, log, [log, name] { log->setText(name + ": SigCancel"); });
        QObject::connect(bar, &QOkCancel::SigDefault, log, [log, name] { log->setText(name + ": SigDefault"); });
        form->addRow(set.first, bar);
    }
    layout->addLayout(form);
    layout->addWidget(log);
    layout->addStretch();
    return page;
}

QWidget *messageBoxPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *result = new QLabel(QCoreApplication::translate("Gallery", "Result: -"), page);
    result->setObjectName(QStringLiteral("resultLabel"));
    auto *buttons = new QGridLayout;
    const auto add = [&](int row, int column, const QString &text, std::function<int()> run) {
        auto *button = new QPushButton(text, page);
        QObject::connect(button, &QPushButton::clicked, result,
                         [result, text, run] { result->setText(QCoreApplication::translate("Gallery", "Result of %1: %2").arg(text).arg(run())); });
        buttons->addWidget(button, row, column);
    };
    const QString title = QCoreApplication::translate("Gallery", "Drive 3");
    add(0, 0, QStringLiteral("information"), [page, title] {
        return QMyMessageBox::information(page, title, QCoreApplication::translate("Gallery", "Parameters were written to the drive."));
    });
    add(0, 1, QStringLiteral("information (auto-close)"), [page, title] {
        return QMyMessageBox::information(page, title, QCoreApplication::translate("Gallery", "This box closes itself after one second."),
                                          MEG_CLOSE_AUTO);
    });
    add(0, 2, QStringLiteral("information (own texts)"), [page, title] {
        return QMyMessageBox::information(page, title, QCoreApplication::translate("Gallery", "Upload the new parameter set?"),
                                          QCoreApplication::translate("Gallery", "Upload"), QCoreApplication::translate("Gallery", "Later"));
    });
    add(1, 0, QStringLiteral("question"), [page, title] {
        return QMyMessageBox::question(page, title, QCoreApplication::translate("Gallery", "Restore the factory defaults?"));
    });
    add(1, 1, QStringLiteral("warning"), [page, title] {
        return QMyMessageBox::warning(page, title, QCoreApplication::translate("Gallery", "The motor temperature is close to its limit."));
    });
    add(1, 2, QStringLiteral("critical"), [page, title] {
        return QMyMessageBox::critical(page, title, QCoreApplication::translate("Gallery", "Communication with the drive was lost."));
    });
    add(2, 0, QStringLiteral("success"), [page, title] {
        return QMyMessageBox::success(page, title, QCoreApplication::translate("Gallery", "The report was exported."),
                                      QDir::temp().filePath(QStringLiteral("widgetdeck-report.csv")));
    });
    layout->addLayout(buttons);
    layout->addWidget(result);

    // A box embedded as a plain child, so the page (and its screenshot) shows what one looks like.
    auto *preview = new QMyMessageBox(page);
    preview->setWindowFlags(Qt::Widget);
    preview->setTitle(QCoreApplication::translate("Gallery", "Preview"));
    preview->setContent(QStringLiteral("A question box with the library's own frame, icon and button bar."));
    preview->setImg(QStringLiteral(":/img/commonImge/question"));
    preview->setFixedSize(350, 220);
    layout->addWidget(preview, 0, Qt::AlignHCenter);
    layout->addStretch();
    return page;
}

} // namespace

QList<GalleryPage> messagePages()
{
    return {
        {QStringLiteral(QT_TRANSLATE_NOOP("Gallery", "OK/Cancel bar")), okCancelPage},
        {QStringLiteral(QT_TRANSLATE_NOOP("Gallery", "Message box")), messageBoxPage},
    };
}
