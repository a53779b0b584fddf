#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

#include "qextendprogressdialog.h"
#include "qsearchprogress.h"

namespace {
QPushButton *cancelButton(QWidget *dialog)
{
    return dialog->findChild<QPushButton *>(QStringLiteral("cancelBtn"));
}

QTimer *timeoutTimer(QWidget *dialog)
{
    return dialog->findChild<QTimer *>(QStringLiteral("progressTimeoutTimer"));
}
} // namespace

class tst_ProgressDialogs : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();

    void progressForm();
    void firstProgressStopsTimeout();
    void wholeProgressTimesOutOnceAndRejects();
    void restartedTimerFiresOncePerTimeout();
    void completionAcceptsOrWaitsForButton_data();
    void completionAcceptsOrWaitsForButton();
    void completionAfterTimeoutStillCompletes();
    void outOfRangeProgressDoesNotComplete();
    void modalRunEndsOnCompletion();

    void searchCloseTest_data();
    void searchCloseTest();
    void searchAcceptsModalRunWhenComplete();
    void searchCloseRequestReportedAndRejects();

private:
    QTranslator m_translator;
};

void tst_ProgressDialogs::initTestCase()
{
    QVERIFY(m_translator.load(QStringLiteral(":/qm/tr_libwidgetdeck_en")));
    QCoreApplication::installTranslator(&m_translator);
}

void tst_ProgressDialogs::cleanupTestCase()
{
    QCoreApplication::removeTranslator(&m_translator);
}

void tst_ProgressDialogs::progressForm()
{
    QExtendProgressDialog dialog;
    QCOMPARE(dialog.size(), QSize(460, 82));
    QCOMPARE(dialog.minimumSize(), QSize(460, 82));
    QCOMPARE(dialog.maximumSize(), QSize(460, 82));
    QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(cancelButton(&dialog)->text(), QStringLiteral("Cancel"));
    auto *title = dialog.findChild<QLabel *>(QStringLiteral("titleLabel"));
    QVERIFY(title);
    QCOMPARE(title->text(), QStringLiteral("Status feedback"));
    QVERIFY(dialog.findChild<QToolButton *>(QStringLiteral("closeBtn")));

    // The title band and border are painted by the dialog itself.
    dialog.show();
    const QImage shot = dialog.grab().toImage();
    QCOMPARE(QColor(shot.pixel(200, 2)), QColor(QStringLiteral("#799CB1")));
    QCOMPARE(QColor(shot.pixel(200, 81)), QColor(207, 207, 207));
}

void tst_ProgressDialogs::firstProgressStopsTimeout()
{
    QExtendProgressDialog dialog;
    dialog.slotSetRange(0, 100);
    QSignalSpy timeouts(&dialog, &QExtendProgressDialog::sigProgressTimeOut);
    dialog.startTimer(60, TIMEOUT_FIRST_PROGRESS);
    dialog.slotUpdateProgress(0);
    QVERIFY(timeoutTimer(&dialog)->isActive());
    dialog.slotUpdateProgress(5);
    QVERIFY(!timeoutTimer(&dialog)->isActive());
    QVERIFY(!timeouts.wait(150));
    QCOMPARE(cancelButton(&dialog)->text(), QStringLiteral("Cancel"));
}

void tst_ProgressDialogs::wholeProgressTimesOutOnceAndRejects()
{
    QExtendProgressDialog dialog;
    dialog.slotSetRange(0, 100);
    QSignalSpy timeouts(&dialog, &QExtendProgressDialog::sigProgressTimeOut);
    QSignalSpy rejected(&dialog, &QDialog::rejected);
    dialog.show();
    dialog.startTimer(30, TIMEOUT_WHOLE_PROGRESS);
    dialog.slotUpdateProgress(40);
    QVERIFY(timeoutTimer(&dialog)->isActive());
    QVERIFY(timeouts.wait(2000));
    QVERIFY(!timeouts.wait(100)); // single shot
    QCOMPARE(timeouts.count(), 1);
    QCOMPARE(cancelButton(&dialog)->text(), QStringLiteral("Timeout"));
    QVERIFY(dialog.isVisible());

    QTest::mouseClick(cancelButton(&dialog), Qt::LeftButton);
    QCOMPARE(rejected.count(), 1);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

void tst_ProgressDialogs::restartedTimerFiresOncePerTimeout()
{
    QExtendProgressDialog dialog;
    QSignalSpy timeouts(&dialog, &QExtendProgressDialog::sigProgressTimeOut);
    dialog.startTimer(20, TIMEOUT_WHOLE_PROGRESS);
    dialog.startTimer(20, TIMEOUT_WHOLE_PROGRESS);
    dialog.startTimer(20, TIMEOUT_WHOLE_PROGRESS);
    QVERIFY(timeouts.wait(2000));
    QVERIFY(!timeouts.wait(100));
    QCOMPARE(timeouts.count(), 1);
    dialog.startTimer(20, TIMEOUT_WHOLE_PROGRESS);
    QVERIFY(timeouts.wait(2000));
    QVERIFY(!timeouts.wait(100));
    QCOMPARE(timeouts.count(), 2);
}

void tst_ProgressDialogs::completionAcceptsOrWaitsForButton_data()
{
    QTest::addColumn<bool>("closeOnFinish");
    QTest::addColumn<bool>("useCloseTool");
    QTest::newRow("closes itself") << true << false;
    QTest::newRow("stays, Done button accepts") << false << false;
    QTest::newRow("stays, close tool accepts") << false << true;
}

void tst_ProgressDialogs::completionAcceptsOrWaitsForButton()
{
    QFETCH(bool, closeOnFinish);
    QFETCH(bool, useCloseTool);
    QExtendProgressDialog dialog(nullptr, closeOnFinish);
    dialog.slotSetRange(0, 100);
    QSignalSpy finished(&dialog, &QExtendProgressDialog::sigProgressFinished);
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    dialog.show();
    dialog.startTimer(5000, TIMEOUT_WHOLE_PROGRESS);
    dialog.slotUpdateProgress(100);
    QCOMPARE(finished.count(), 1);
    QVERIFY(!timeoutTimer(&dialog)->isActive());
    QCOMPARE(cancelButton(&dialog)->text(), QStringLiteral("Done"));
    QCOMPARE(dialog.progressValue(), 100);
    if (closeOnFinish) {
        QCOMPARE(accepted.count(), 1);
        QVERIFY(!dialog.isVisible());
        return;
    }
    QCOMPARE(accepted.count(), 0);
    QVERIFY(dialog.isVisible());
    QWidget *button = useCloseTool ? static_cast<QWidget *>(dialog.findChild<QToolButton *>(QStringLiteral("closeBtn")))
                                   : cancelButton(&dialog);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void tst_ProgressDialogs::completionAfterTimeoutStillCompletes()
{
    QExtendProgressDialog dialog(nullptr, false);
    dialog.slotSetRange(10, 20);
    QSignalSpy timeouts(&dialog, &QExtendProgressDialog::sigProgressTimeOut);
    QSignalSpy finished(&dialog, &QExtendProgressDialog::sigProgressFinished);
    dialog.startTimer(10, TIMEOUT_FIRST_PROGRESS);
    QVERIFY(timeouts.wait(2000));
    dialog.slotUpdateProgress(20);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(cancelButton(&dialog)->text(), QStringLiteral("Done"));
    QCOMPARE(dialog.progressMin(), 10);
    QCOMPARE(dialog.progressMax(), 20);
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
    QCOMPARE(cancelButton(&dialog)->text(), QStringLiteral("Cancel"));
}

void tst_ProgressDialogs::modalRunEndsOnCompletion()
{
    QExtendProgressDialog dialog;
    dialog.slotSetRange(0, 3);
    int step = 0;
    QTimer feeder;
    connect(&feeder, &QTimer::timeout, &dialog, [&] { dialog.slotUpdateProgress(++step); });
    feeder.start(5);
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(step, 3);
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
    QCOMPARE(dialog.maxValue(), total);
    for (int v : values)
        dialog.OnSetValue(v);
    QCOMPARE(dialog.value(), expectedValue);
    QCOMPARE(close.count(), closes);
}

void tst_ProgressDialogs::searchAcceptsModalRunWhenComplete()
{
    QSearchProgress dialog(QStringLiteral("Searching"));
    QCOMPARE(dialog.title(), QStringLiteral("Searching"));
    dialog.setMax(4);
    QSignalSpy closeRequests(&dialog, &QSearchProgress::SigCloseProgress);
    int k = 0;
    QTimer feeder;
    connect(&feeder, &QTimer::timeout, &dialog, [&] { dialog.OnSetValue(++k); });
    feeder.start(5);
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(k, 4);
    QCOMPARE(closeRequests.count(), 0);
}

void tst_ProgressDialogs::searchCloseRequestReportedAndRejects()
{
    QSearchProgress dialog(QStringLiteral("Searching"));
    dialog.setMax(10);
    QSignalSpy closeRequests(&dialog, &QSearchProgress::SigCloseProgress);
    QSignalSpy close(&dialog, &QSearchProgress::SigClose);
    // The user closes through the title band's control.
    QTimer::singleShot(0, &dialog, [&] {
        dialog.OnSetValue(3);
        auto *closeTool = dialog.findChild<QToolButton *>(QStringLiteral("baseDlgCloseButton"));
        QVERIFY(closeTool);
        QTest::mouseClick(closeTool, Qt::LeftButton);
    });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QCOMPARE(closeRequests.count(), 1);
    QCOMPARE(close.count(), 0);
}

QTEST_MAIN(tst_ProgressDialogs)
#include "tst_progressdialogs.moc"
