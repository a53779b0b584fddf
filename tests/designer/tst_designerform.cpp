// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "ui_everywidget.h"

#include <QLocale>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

#include <algorithm>

// A form holding every widget the palette offers, compiled by uic as a host's form would be.
class tst_DesignerForm : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void buildsEveryWidgetWithTranslatedTexts_data();
    void buildsEveryWidgetWithTranslatedTexts();
};

void tst_DesignerForm::buildsEveryWidgetWithTranslatedTexts_data()
{
    QTest::addColumn<QString>("catalogue");
    QTest::addColumn<QString>("ok");
    QTest::newRow("en") << QStringLiteral(":/qm/tr_libwidgetdeck_en") << QStringLiteral("OK");
    QTest::newRow("zh_CN") << QStringLiteral(":/qm/tr_libwidgetdeck_zh_CN") << QString::fromUtf8("\xe7\xa1\xae\xe5\xae\x9a");
}

void tst_DesignerForm::buildsEveryWidgetWithTranslatedTexts()
{
    QFETCH(QString, catalogue);
    QFETCH(QString, ok);
    QTranslator translator;
    QVERIFY(translator.load(catalogue));
    QVERIFY(QCoreApplication::installTranslator(&translator));

    QWidget form;
    Ui::EveryWidgetForm ui;
    ui.setupUi(&form);
    QVERIFY(ui.wQHexSpinBox->parentWidget() == &form);
    QVERIFY(ui.wQCustomDateTimeEdit->parentWidget() == &form);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    for (const QWidget *child : form.findChildren<QWidget *>()) {
        const QString text = child->property("text").toString();
        QVERIFY2(!text.startsWith(QLatin1String("STR_")), qPrintable(child->objectName() + ": " + text));
    }
    const QList<QPushButton *> buttons = ui.wQOkCancel->findChildren<QPushButton *>();
    QVERIFY(std::any_of(buttons.cbegin(), buttons.cend(), [&](const QPushButton *b) { return b->text() == ok; }));
    QCoreApplication::removeTranslator(&translator);
}

QTEST_MAIN(tst_DesignerForm)
#include "tst_designerform.moc"
