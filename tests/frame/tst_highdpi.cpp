// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include <QLabel>
#include <QtTest>

#include "qcustompushbutton.h"
#include "qmymessagebox.h"

// Runs with QT_SCALE_FACTOR=2: the message images must come from their "@2x" variants.
class tst_HighDpi : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void messageBoxUsesDoubleSizeIcons();
    void statusButtonUsesDoubleSizeIcons();
};

void tst_HighDpi::messageBoxUsesDoubleSizeIcons()
{
    QMyMessageBox box;
    QCOMPARE(box.devicePixelRatioF(), 2.0);
    box.setImg(QStringLiteral(":/img/commonImge/warning"));
    const QPixmap shown = box.findChild<QLabel *>(QStringLiteral("labelImg"))->pixmap(Qt::ReturnByValue);
    QCOMPARE(shown.size(), QSize(64, 64));
    QCOMPARE(shown.devicePixelRatio(), 2.0);

    // A path without a 2x variant still loads at its own size.
    box.setImg(QStringLiteral(":/qm/../img/commonImge/does-not-exist"));
    QVERIFY(box.findChild<QLabel *>(QStringLiteral("labelImg"))->pixmap(Qt::ReturnByValue).isNull());
}

void tst_HighDpi::statusButtonUsesDoubleSizeIcons()
{
    QCustomPushButton button;
    for (bool ok : {true, false}) {
        button.setButtonStatus(ok, QStringLiteral("timeout"));
        const QPixmap shown = button.getLabelImg()->pixmap(Qt::ReturnByValue);
        QCOMPARE(shown.size(), QSize(64, 64));
        QCOMPARE(shown.devicePixelRatio(), 2.0);
    }
}

QTEST_MAIN(tst_HighDpi)
#include "tst_highdpi.moc"
