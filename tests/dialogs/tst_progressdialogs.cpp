// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

#include <functional>

#include "qextendprogressdialog.h"
#include "qsearchprogress.h"

namespace {
QString buttonText(QWidget *dialog) { return dialog->findChild<QPushButton *>(QStringLiteral("cancelBtn"))->text(); }
bool timerActive(QWidget *dialog) { return dialog->findChild<QTimer *>(QStringLiteral("progressTimeoutTimer"))->isActive(); }

// Runs @p dialog modally while a timer feeds it one step after another; returns the result.
int execFed(QDialog &dialog, const std::function<void()> &step)
{
    QTimer feeder;
    QObject::connect(&feeder, &QTimer::timeout, &dialog, step);
    feeder.start(5);
    return dialog.exec();
}
} // namespace

class tst_ProgressDialogs : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase() { QCoreApplication::removeTranslator(&m_translator); }
    void progressForm();
    void timeouts();
    void completionAcceptsOrWaitsForButton_data();
    void completionAcceptsOrWaitsForButton();
    void outOfRangeProgressDoesNotComplete();
    void searchCloseTest_data();
    void searchCloseTest();
    void searchModalRuns();

private:
    QTranslator m_translator;
};

void tst_ProgressDialogs::initTestCase()
{
    QVERIFY(m_translator.load(QStringLiteral(":/qm/tr_libwidgetdeck_en")));
    QCoreApplication::installTranslator(&m_translator);
}

void tst_ProgressDialogs::progressForm()
{
    QExtendProgressDialog dialog;
    QCOMPARE(dialog.minimumSize(), QSize(460, 82));
    QCOMPARE(dialog.maximumSize(), QSize(460, 82));
    QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(buttonText(&dialog), QStringLiteral("Cancel"));
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("titleLabel"))->text(), QStringLiteral("Status feedback"));

    // The title band and border are painted by the dialog itself.
    dialog.show();
    const QImage shot = dialog.grab().toImage();
    QCOMPARE(QColor(shot.pixel(200, 2)), QColor(QStringLiteral("#799CB1")));
    QCOMPARE(QColor(shot.pixel(200, 81)), QColor(207, 207, 207));
}

void tst_ProgressDialogs::timeouts()
{
    {   // The first real progress stops a first-progress timeout; 0 is not progress.
        QExtendProgressDialog dialog;
        dialog.slotSetRange(0, 100);
        QSignalSpy timedOut(&dialog, &QExtendProgressDialog::sigProgressTimeOut);
        dialog.startTimer(60, TIMEOUT_FIRST_PROGRESS);
        dialog.slotUpdateProgress(0);
        QVERIFY(timerActive(&dialog));
        dialog.slotUpdateProgress(5);
        QVERIFY(!timerActive(&dialog));
        QVERIFY(!timedOut.wait(150));
        QCOMPARE(buttonText(&dialog), QStringLiteral("Cancel"));
    }
    {   // A whole-progress timeout survives progress, fires once, and its button rejects.
        QExtendProgressDialog dialog;
        dialog.slotSetRange(0, 100);
        QSignalSpy timedOut(&dialog, &QExtendProgressDialog::sigProgressTimeOut);
        QSignalSpy rejected(&dialog, &QDialog::rejected);
        dialog.show();
        dialog.startTimer(30, TIMEOUT_WHOLE_PROGRESS);
        dialog.slotUpdateProgress(40);
        QVERIFY(timedOut.wait(2000));
        QVERIFY(!timedOut.wait(100));
        QCOMPARE(timedOut.count(), 1);
        QCOMPARE(buttonText(&dialog), QStringLiteral("Timeout"));
        QVERIFY(dialog.isVisible());
        QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("cancelBtn")), Qt::LeftButton);
        QCOMPARE(rejected.count(), 1);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }
    {   // Restarting the timer does not stack timeouts.
        QExtendProgressDialog dialog;
        QSignalSpy timedOut(&dialog, &QExtendProgressDialog::sigProgressTimeOut);
        for (int round = 1; round <= 2; ++round) {
            for (int i = 0; i < 3; ++i)
                dialog.startTimer(20, TIMEOUT_WHOLE_PROGRESS);
            QVERIFY(timedOut.wait(2000));
            QVERIFY(!timedOut.wait(100));
            QCOMPARE(timedOut.count(), round);
        }
    }
    {   // Ending the dialog (Cancel, close control, Escape) stops the timeout.
        const auto end = [](QExtendProgressDialog &d, int how) {
            if (how == 0)
                QTest::mouseClick(d.findChild<QPushButton *>(QStringLiteral("cancelBtn")), Qt::LeftButton);
            else if (how == 1)
                QTest::mouseClick(d.findChild<QAbstractButton *>(QStringLiteral("closeBtn")), Qt::LeftButton);
            else
                QTest::keyClick(&d, Qt::Key_Escape);
        };
        for (int how = 0; how < 3; ++how) {
            QExtendProgressDialog dialog;
            QSignalSpy timedOut(&dialog, &QExtendProgressDialog::sigProgressTimeOut);
            dialog.show();
            dialog.startTimer(30, TIMEOUT_WHOLE_PROGRESS);
            end(dialog, how);
            QVERIFY(!dialog.isVisible());
            QVERIFY(!timedOut.wait(120));
        }
    }
    {   // Completion after a timeout still completes.
        QExtendProgressDialog dialog(nullptr, false);
        dialog.slotSetRange(10, 20);
        QSignalSpy timedOut(&dialog, &QExtendProgressDialog::sigProgressTimeOut);
        QSignalSpy finished(&dialog, &QExtendProgressDialog::sigProgressFinished);
        dialog.startTimer(10, TIMEOUT_FIRST_PROGRESS);
        QVERIFY(timedOut.wait(2000));
        dialog.slotUpdateProgress(20);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(buttonText(&dialog), QStringLiteral("Done"));
    }
}

void tst_ProgressDialogs::completionAcceptsOrWaitsForButton_data()
{
    QTest::addColumn<bool>("closeOnFinish");
    QTest::addColumn<QString>("button");
    QTest::newRow("closes itself") << true << QString();
    QTest::newRow("stays, Done button accepts") << false << "cancelBtn";
    QTest::newRow("stays, close tool accepts") << false << "closeBtn";
}

void tst_ProgressDialogs::completionAcceptsOrWaitsForButton()
{
    QFETCH(bool, closeOnFinish);
    QFETCH(QString, button);
    QExtendProgressDialog dialog(nullptr, closeOnFinish);
    dialog.slotSetRange(0, 100);
    QSignalSpy finished(&dialog, &QExtendProgressDialog::sigProgressFinished);
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    dialog.show();
    dialog.startTimer(5000, TIMEOUT_WHOLE_PROGRESS);
    dialog.slotUpdateProgress(100);
    QCOMPARE(finished.count(), 1);
    QVERIFY(!timerActive(&dialog));
    QCOMPARE(buttonText(&dialog), QStringLiteral("Done"));
    QCOMPARE(dialog.progressValue(), 100);
    QCOMPARE(accepted.count(), closeOnFinish ? 1 : 0);
    QCOMPARE(dialog.isVisible(), !closeOnFinish);
    if (!closeOnFinish) {
        QTest::mouseClick(dialog.findChild<QAbstractButton *>(button), Qt::LeftButton);
        QCOMPARE(accepted.count(), 1);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        return;
    }
    // A modal run ends on completion.
    QExtendProgressDialog modal;
    modal.slotSetRange(0, 3);
    int step = 0;
    QCOMPARE(execFed(modal, [&] { modal.slotUpdateProgress(++step); }), int(QDialog::Accepted));
    QCOMPARE(step, 3);
}

void tst_ProgressDialogs::outOfRangeProgressDoesNotComplete()
{
    QExtendProgressDialog dialog;
    dialog.slotSetRange(0, 100);
    dialog.slotUpdateProgress(30);
    QSignalSpy finished(&dialog, &QExtendProgressDialog::sigProgressFinished);
    dialog.slotUpdateProgress(120);
    QCOMPARE(dialog.progressValue(), 30);
    QCOMPARE(finished.count(), 0);
    QCOMPARE(buttonText(&dialog), QStringLiteral("Cancel"));
}

void tst_ProgressDialogs::searchCloseTest_data()
{
    QTest::addColumn<int>("total");
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<int>("expectedValue");
    QTest::addColumn<int>("closes");
    QTest::newRow("empty range closes at once") << 0 << QList<int>{0} << 0 << 1;
    QTest::newRow("empty range takes any value") << 0 << QList<int>{7, 3} << 3 << 2;
    QTest::newRow("below total") << 10 << QList<int>{3, 9} << 9 << 0;
    QTest::newRow("reaching total") << 10 << QList<int>{3, 10} << 10 << 1;
    QTest::newRow("beyond total refused") << 10 << QList<int>{4, 11} << 4 << 0;
    QTest::newRow("beyond total after complete") << 10 << QList<int>{10, 12} << 10 << 2;
    QTest::newRow("same value tested again") << 5 << QList<int>{5, 5} << 5 << 2;
}

void tst_ProgressDialogs::searchCloseTest()
{
    QFETCH(int, total);
    QFETCH(QList<int>, values);
    QFETCH(int, expectedValue);
    QFETCH(int, closes);
    QSearchProgress dialog(QStringLiteral("Searching"));
    QSignalSpy close(&dialog, &QSearchProgress::SigClose);
    dialog.onCheckClose(); // form default 24 of 100
    QCOMPARE(close.count(), 0);
    dialog.OnSetTotal(total);
    QCOMPARE(dialog.value(), 0);
    for (int v : values)
        dialog.OnSetValue(v);
    QCOMPARE(dialog.value(), expectedValue);
    QCOMPARE(close.count(), closes);
}

void tst_ProgressDialogs::searchModalRuns()
{
    QSearchProgress dialog(QStringLiteral("Searching"));
    QCOMPARE(dialog.title(), QStringLiteral("Searching"));
    dialog.setMax(4);
    QSignalSpy closeRequests(&dialog, &QSearchProgress::SigCloseProgress);
    int k = 0;
    QCOMPARE(execFed(dialog, [&] { dialog.OnSetValue(++k); }), int(QDialog::Accepted));
    QCOMPARE(k, 4);
    QCOMPARE(closeRequests.count(), 0);

    // The user closes through the title band's control: reported, rejected, no completion.
    QSearchProgress closed(QStringLiteral("Searching"));
    closed.setMax(10);
    QSignalSpy closedRequests(&closed, &QSearchProgress::SigCloseProgress);
    QSignalSpy closedClose(&closed, &QSearchProgress::SigClose);
    QTimer::singleShot(0, &closed, [&] {
        closed.OnSetValue(3);
        auto *closeTool = closed.findChild<QToolButton *>(QStringLiteral("baseDlgCloseButton"));
        QVERIFY(closeTool);
        QTest::mouseClick(closeTool, Qt::LeftButton);
    });
    QCOMPARE(closed.exec(), int(QDialog::Rejected));
    QCOMPARE(closedRequests.count(), 1);
    QCOMPARE(closedClose.count(), 0);
}

QTEST_MAIN(tst_ProgressDialogs)
#include "tst_progressdialogs.moc"
