// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// The dialog family: what each dialog returns and reports for clicks, keys, timers and progress.
#include <QColorDialog>
#include <QDesktopServices>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryFile>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>
#include <limits>

#include "dialogdriver.h"
#include "qcolorbutton.h"
#include "qexporttypedlg.h"
#include "qextendprogressdialog.h"
#include "qextendsliderdialog.h"
#include "qmycolordlg.h"
#include "qmymessagebox.h"
#include "qokcancel.h"
#include "qsearchprogress.h"
#include "qstyleinputdialog.h"

using Keys = QList<int>;
Q_DECLARE_METATYPE(ConfirmBtnType_E)
Q_DECLARE_METATYPE(enFileType)

namespace {
template<typename T = QPushButton>
T *child(QWidget *parent, const char *name)
{
    return parent->findChild<T *>(QLatin1String(name));
}

QString cancelText(QWidget *d) { return child(d, "cancelBtn")->text(); }
bool timerActive(QWidget *d) { return d->findChild<QTimer *>(QStringLiteral("progressTimeoutTimer"))->isActive(); }
QString labelText(QWidget *d) { return child<QLabel>(d, "label")->text(); }
QImage premultiplied(const QImage &image) { return image.convertToFormat(QImage::Format_ARGB32_Premultiplied); }

// Runs @p dialog modally while a timer feeds it one step after another; returns the result.
int execFed(QDialog &dialog, const std::function<void()> &step)
{
    QTimer feeder;
    QObject::connect(&feeder, &QTimer::timeout, &dialog, step);
    feeder.start(5);
    return dialog.exec();
}

void clickBar(QWidget *dialog, bool ok)
{
    clickButton(child<QOkCancel>(dialog, "STATUSWID"), ok ? QStringLiteral("STR_OK") : QStringLiteral("STR_CANCEL"));
}
} // namespace

// Receives the URLs the message box asks the desktop to open, so no application starts.
class tst_Dialogs : public QObject
{
    Q_OBJECT
public Q_SLOTS:
    void open(const QUrl &url) { m_opened << url; }

private:
    QList<QUrl> m_opened;
    QWidget m_parent;

private Q_SLOTS:
    void initTestCase()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open");
        m_parent.resize(400, 300);
        m_parent.show();
    }
    void cleanup()
    {
        // Static functions must not leave boxes behind.
        for (QWidget *w : QApplication::allWidgets())
            QVERIFY(!qobject_cast<QMyMessageBox *>(w));
        m_opened.clear();
    }

    void buttonSets_data()
    {
        QTest::addColumn<ConfirmBtnType_E>("type");
        QTest::addColumn<QStringList>("visible");
        QTest::newRow("ok") << CONFIRM_BTN_OK << QStringList{"STR_OK"};
        QTest::newRow("cancel") << CONFIRM_BTN_CANCEL << QStringList{"STR_CANCEL"};
        QTest::newRow("ok cancel") << CONFIRM_BTN_OK_CANCEL << QStringList{"STR_OK", "STR_CANCEL"};
        QTest::newRow("default ok cancel") << CONFIRM_BTN_OK_CANCEL_DEFAULT
                                           << QStringList{"STR_RECOVER_DEFAULT", "STR_OK", "STR_CANCEL"};
        QTest::newRow("open quit") << CONFIRM_BTN_OPEN_QUIT << QStringList{"STR_OPEN", "STR_QUIT"};
    }

    // The set depends on the value only; out-of-range values keep it. In a host dialog a shown OK
    // is the default and Return in the host's editor presses it; a hidden button never is.
    void buttonSets()
    {
        QFETCH(ConfirmBtnType_E, type);
        QFETCH(QStringList, visible);
        QOkCancel built(nullptr, type);
        QCOMPARE(visibleButtons(&built), visible);
        for (int before = CONFIRM_BTN_OK; before <= CONFIRM_BTN_OPEN_QUIT; ++before) {
            QOkCancel bar(nullptr, ConfirmBtnType_E(before));
            bar.setConfirmBtnType(type);
            QCOMPARE(visibleButtons(&bar), visible);
            bar.setConfirmBtnType(ConfirmBtnType_E(7));
            bar.setConfirmBtnType(ConfirmBtnType_E(-1));
            QCOMPARE(visibleButtons(&bar), visible);
        }
        QDialog host;
        auto *edit = new QLineEdit(&host);
        auto *bar = new QOkCancel(&host, type);
        auto *layout = new QVBoxLayout(&host);
        layout->addWidget(edit);
        layout->addWidget(bar);
        QSignalSpy ok(bar, &QOkCancel::SigOk);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        edit->setFocus();
        const bool hasOk = visible.contains(QStringLiteral("STR_OK"));
        for (QPushButton *button : bar->findChildren<QPushButton *>()) {
            if (button->isHidden())
                QVERIFY(!button->isDefault());
            else if (hasOk)
                QCOMPARE(button->isDefault(), button->text() == QLatin1String("STR_OK"));
        }
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(ok.count(), hasOk ? 1 : 0);
    }

    void staticResults_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QString>("press");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("icon");
        const QStringList ok{"STR_OK"}, okCancel{"STR_OK", "STR_CANCEL"};
        QTest::newRow("information ok") << "information" << ok << "STR_OK" << 1 << "information";
        QTest::newRow("warning ok") << "warning" << ok << "STR_OK" << 1 << "warning";
        QTest::newRow("critical ok") << "critical" << ok << "STR_OK" << 1 << "critical";
        QTest::newRow("question ok") << "question" << okCancel << "STR_OK" << 1 << "question";
        QTest::newRow("question cancel") << "question" << okCancel << "STR_CANCEL" << 0 << "question";
        // The success box shows the information icon, not the "success" image.
        QTest::newRow("success quit") << "success" << QStringList{"STR_OPEN", "STR_QUIT"} << "STR_QUIT" << 0
                                      << "information";
        QTest::newRow("information close control") << "information" << ok << "close" << 0 << "information";
        QTest::newRow("own texts, accept") << "own" << QStringList{"Upload", "Later"} << "Upload" << 1 << "information";
        QTest::newRow("own texts, refuse") << "own" << QStringList{"Upload", "Later"} << "Later" << 0 << "information";
        QTest::newRow("own question") << "own question" << QStringList{"Upload", "Later"} << "Upload" << 1 << "question";
        // The auto-closing box goes after a second by itself; any other close type keeps it open.
        QTest::newRow("auto close") << "auto" << ok << "" << 0 << "information";
        QTest::newRow("other close type") << "close type 5" << ok << "STR_OK" << 1 << "information";
    }

    void staticResults()
    {
        QFETCH(QString, kind);
        QFETCH(QStringList, buttons);
        QFETCH(QString, press);
        QFETCH(int, result);
        QFETCH(QString, icon);
        QStringList seen;
        QImage shown;
        QString title, text;
        whenModal<QMyMessageBox>([&](QMyMessageBox *box) {
            seen = visibleButtons(box);
            shown = child<QLabel>(box, "labelImg")->pixmap(Qt::ReturnByValue).toImage();
            text = child<QLabel>(box, "labelTxt")->text();
            title = box->windowTitle();
            if (kind == QLatin1String("close type 5"))
                QTest::qWait(1300);
            if (press.isEmpty())
                return;
            if (press == QLatin1String("close"))
                QTest::mouseClick(child<QWidget>(box, "baseDlgCloseButton"), Qt::LeftButton);
            else
                clickButton(box, press);
        });
        const QString t = QStringLiteral("Title"), c = QStringLiteral("Body text");
        const QString up = QStringLiteral("Upload"), later = QStringLiteral("Later");
        const QMap<QString, std::function<int()>> run{
            {"information", [&] { return QMyMessageBox::information(&m_parent, t, c); }},
            {"warning", [&] { return QMyMessageBox::warning(&m_parent, t, c); }},
            {"critical", [&] { return QMyMessageBox::critical(&m_parent, t, c); }},
            {"question", [&] { return QMyMessageBox::question(&m_parent, t, c); }},
            {"success", [&] { return QMyMessageBox::success(&m_parent, t, c, QString()); }},
            {"own", [&] { return QMyMessageBox::information(&m_parent, t, c, up, later); }},
            {"own question", [&] { return QMyMessageBox::question(&m_parent, t, c, up, later); }},
            {"auto", [&] { return QMyMessageBox::information(&m_parent, t, c, MEG_CLOSE_AUTO); }},
            {"close type 5", [&] { return QMyMessageBox::information(&m_parent, t, c, MegCloseType(5)); }}};
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(run.value(kind)(), result);
        if (kind == QLatin1String("auto"))
            QVERIFY2(timer.elapsed() >= 950 && timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(seen, buttons);
        QCOMPARE(title, t);
        QCOMPARE(text, c);
        QVERIFY(!shown.isNull());
        QVERIFY(premultiplied(shown) == premultiplied(QImage(QStringLiteral(":/img/commonImge/") + icon)));
    }

    void successOpensExistingFileOnly()
    {
        QTemporaryFile file;
        QVERIFY(file.open());
        const QString absolute = QFileInfo(file.fileName()).absoluteFilePath();
        // A relative path reaches the desktop as an absolute local-file URL.
        for (const QString &path : {file.fileName(), QDir::current().relativeFilePath(absolute)}) {
            m_opened.clear();
            whenModal<QMyMessageBox>([](QMyMessageBox *box) { clickButton(box, QStringLiteral("STR_OPEN")); });
            QCOMPARE(QMyMessageBox::success(&m_parent, "T", "C", path), 0);
            QCOMPARE(m_opened, QList<QUrl>({QUrl::fromLocalFile(absolute)}));
        }
        // A missing file or an empty path: Open does nothing and the box stays until Quit.
        m_opened.clear();
        for (const QString &path : {file.fileName() + QStringLiteral(".missing"), QString()}) {
            bool stillOpen = false;
            whenModal<QMyMessageBox>([&](QMyMessageBox *box) {
                clickButton(box, QStringLiteral("STR_OPEN"));
                stillOpen = box->isVisible() && QApplication::activeModalWidget() == box;
                clickButton(box, QStringLiteral("STR_QUIT"));
            });
            QCOMPARE(QMyMessageBox::success(&m_parent, "T", "C", path), 0);
            QVERIFY(stillOpen);
            QVERIFY(m_opened.isEmpty());
        }
    }

    void boxContent()
    {
        QMyMessageBox box;
        box.setContent(QStringLiteral("hello"));
        QCOMPARE(box.size(), QSize(350, 220));
        // A long message grows the box; a huge one is capped and scrolls.
        QMyMessageBox tall;
        tall.setContent(QStringLiteral("word ").repeated(200));
        QVERIFY(tall.height() > 220);
        QMyMessageBox huge;
        huge.setContent(QStringLiteral("word ").repeated(20000));
        QVERIFY(huge.findChild<QWidget *>(QStringLiteral("contentScroll")));
        QVERIFY(huge.height() < 5000);
        box.setImg(QStringLiteral(":/img/commonImge/does-not-exist"));
        QVERIFY(child<QLabel>(&box, "labelImg")->pixmap(Qt::ReturnByValue).isNull());
        // Default is not connected to anything.
        box.setBoxType(CONFIRM_BTN_OK_CANCEL_DEFAULT);
        box.setBtnText(QStringLiteral("A"), QStringLiteral("B"));
        box.show();
        QCOMPARE(visibleButtons(&box), QStringList({"STR_RECOVER_DEFAULT", "A", "B"}));
        QSignalSpy finished(&box, &QDialog::finished);
        clickButton(&box, QStringLiteral("STR_RECOVER_DEFAULT"));
        QCOMPARE(finished.count(), 0);
        QVERIFY(box.isVisible());
    }

    void keys_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("focus"); // empty: where the dialog put it on opening
        QTest::addColumn<Keys>("keys");
        QTest::addColumn<int>("result");
        // Escape and Space leave the box open; Return/Enter accept, a tabbed-to button answers itself.
        QTest::newRow("box, Escape Space Enter") << "box" << "" << Keys{Qt::Key_Escape, Qt::Key_Space, Qt::Key_Enter} << 1;
        QTest::newRow("box, Return") << "box" << "" << Keys{Qt::Key_Return} << 1;
        QTest::newRow("box, Cancel focused, Return") << "box" << "STR_CANCEL" << Keys{Qt::Key_Return} << 0;
        QTest::newRow("input, Return") << "input" << "" << Keys{Qt::Key_Return} << 1;
        QTest::newRow("input, Cancel focused, Return") << "input" << "cancelPBtn" << Keys{Qt::Key_Return} << 0;
    }

    void keys()
    {
        QFETCH(QString, dialog);
        QFETCH(QString, focus);
        QFETCH(Keys, keys);
        QFETCH(int, result);
        std::unique_ptr<QDialog> d;
        if (dialog == QLatin1String("box")) {
            auto *box = new QMyMessageBox(&m_parent);
            box->setBoxType(CONFIRM_BTN_OK_CANCEL);
            d.reset(box);
        } else {
            d.reset(new QStyleInputDialog(&m_parent));
        }
        whenModal<QDialog>([&](QDialog *shown) {
            QWidget *target = shown;
            if (!focus.isEmpty()) {
                target = visibleButton(shown, focus) ? visibleButton(shown, focus) : child(shown, qPrintable(focus));
                target->setFocus(Qt::TabFocusReason);
            } else if (QApplication::focusWidget()) {
                target = QApplication::focusWidget();
            }
            for (int key : keys)
                if (QApplication::activeModalWidget() == shown)
                    QTest::keyClick(target, Qt::Key(key));
            if (QApplication::activeModalWidget() == shown)
                shown->done(7); // still open: neither accepted nor rejected
        });
        QCOMPARE(d->exec(), result);
    }

    void progressTimeouts()
    {
        EnglishTexts english;
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
            QCOMPARE(cancelText(&dialog), QStringLiteral("Cancel"));
        }
        {   // A whole-progress timeout survives progress, fires once, and its button rejects.
            QExtendProgressDialog dialog;
            dialog.slotSetRange(0, 100);
            QSignalSpy timedOut(&dialog, &QExtendProgressDialog::sigProgressTimeOut);
            QSignalSpy rejected(&dialog, &QDialog::rejected);
            dialog.show();
            // The title band and border are painted by the dialog itself.
            const QImage shot = dialog.grab().toImage();
            QCOMPARE(QColor(shot.pixel(200, 2)), QColor(QStringLiteral("#799CB1")));
            QCOMPARE(QColor(shot.pixel(200, 81)), QColor(207, 207, 207));
            dialog.startTimer(30, TIMEOUT_WHOLE_PROGRESS);
            dialog.slotUpdateProgress(40);
            QVERIFY(timedOut.wait(2000));
            QVERIFY(!timedOut.wait(100));
            QCOMPARE(timedOut.count(), 1);
            QCOMPARE(cancelText(&dialog), QStringLiteral("Timeout"));
            QVERIFY(dialog.isVisible());
            QTest::mouseClick(child(&dialog, "cancelBtn"), Qt::LeftButton);
            QCOMPARE(rejected.count(), 1);
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
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
            QCOMPARE(cancelText(&dialog), QStringLiteral("Done"));
        }
    }

    void progressCompletion_data()
    {
        QTest::addColumn<bool>("closeOnFinish");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("progress");
        QTest::newRow("closes itself") << true << QString() << 100;
        QTest::newRow("stays, Done button accepts") << false << "cancelBtn" << 100;
        QTest::newRow("stays, close tool accepts") << false << "closeBtn" << 100;
        QTest::newRow("out of range does not complete") << true << "cancelBtn" << 120;
    }

    void progressCompletion()
    {
        QFETCH(bool, closeOnFinish);
        QFETCH(QString, button);
        QFETCH(int, progress);
        EnglishTexts english;
        const bool completes = progress == 100;
        QExtendProgressDialog dialog(nullptr, closeOnFinish);
        dialog.slotSetRange(0, 100);
        dialog.slotUpdateProgress(30);
        QSignalSpy finished(&dialog, &QExtendProgressDialog::sigProgressFinished);
        QSignalSpy accepted(&dialog, &QDialog::accepted);
        dialog.show();
        dialog.startTimer(5000, TIMEOUT_WHOLE_PROGRESS);
        dialog.slotUpdateProgress(progress);
        QCOMPARE(finished.count(), completes ? 1 : 0);
        QCOMPARE(timerActive(&dialog), !completes);
        QCOMPARE(cancelText(&dialog), completes ? QStringLiteral("Done") : QStringLiteral("Cancel"));
        QCOMPARE(dialog.progressValue(), completes ? 100 : 30);
        QCOMPARE(accepted.count(), closeOnFinish && completes ? 1 : 0);
        if (!button.isEmpty()) {
            QTest::mouseClick(child<QAbstractButton>(&dialog, qPrintable(button)), Qt::LeftButton);
            QCOMPARE(dialog.result(), int(completes ? QDialog::Accepted : QDialog::Rejected));
            return;
        }
        // A modal run ends on completion.
        QExtendProgressDialog modal;
        modal.slotSetRange(0, 3);
        int step = 0;
        QCOMPARE(execFed(modal, [&] { modal.slotUpdateProgress(++step); }), int(QDialog::Accepted));
        QCOMPARE(step, 3);
    }

    void searchClose_data()
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

    void searchClose()
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

    void sliderValueAndLabel()
    {
        QExtendSliderDialog dialog;
        QVERIFY(labelText(&dialog).isEmpty());
        QSignalSpy moved(&dialog, &QExtendSliderDialog::sigSliderMoved);
        dialog.setRange(0, 200);
        QCOMPARE(labelText(&dialog), QStringLiteral("0.00%"));
        dialog.setValue(50);
        QCOMPARE(moved.count(), 1);
        QCOMPARE(moved.at(0).at(0).toInt(), 50);
        QCOMPARE(labelText(&dialog), QStringLiteral("25.00%"));
        QCOMPARE(dialog.getCurrentPercentage(), 0.25);
        QCOMPARE(dialog.incrementValue(), 50);
        dialog.setRange(-100, 60); // offset range; value 50 stays
        QCOMPARE(dialog.currentValue(), 50);
        QCOMPARE(dialog.incrementValue(), 150);
        QCOMPARE(labelText(&dialog), QStringLiteral("93.75%"));
        dialog.setRange(-100, 20); // value clamped by the slider: a change, so a signal
        QCOMPARE(moved.count(), 2);
        QCOMPARE(moved.last().at(0).toInt(), 20);
        QCOMPARE(labelText(&dialog), QStringLiteral("100.00%"));
    }

    void sliderPercentage_data()
    {
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::addColumn<double>("fraction");
        QTest::addColumn<int>("expected");
        QTest::newRow("above one clamps") << 0 << 99 << 1.7 << 99;
        QTest::newRow("negative clamps") << 0 << 99 << -3.0 << 0;
        QTest::newRow("truncated") << 0 << 9 << 0.55 << 4;
        QTest::newRow("negative range truncates toward zero") << -9 << 0 << 0.55 << -4;
        QTest::newRow("NaN goes to the minimum") << 10 << 20 << std::nan("") << 10;
        QTest::newRow("full int range") << std::numeric_limits<int>::min() << std::numeric_limits<int>::max() << 1.0
                                        << std::numeric_limits<int>::max();
        QTest::newRow("empty range") << 5 << 5 << 0.5 << 5;
    }

    void sliderPercentage()
    {
        QFETCH(int, min);
        QFETCH(int, max);
        QFETCH(double, fraction);
        QFETCH(int, expected);
        QExtendSliderDialog dialog;
        dialog.setRange(min, max);
        dialog.setValue(max);
        dialog.setCurrentPercentage(fraction);
        QCOMPARE(dialog.currentValue(), expected);
        // An empty range has no position: no label and 0, not NaN.
        QCOMPARE(labelText(&dialog).isEmpty(), min == max);
        if (min == max)
            QCOMPARE(dialog.getCurrentPercentage(), 0.0);
    }

    void time2Milliseconds_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");
        QTest::newRow("h:m:s:ms") << "01:02:03:456" << 3723456;
        QTest::newRow("last of a day") << "23:59:59:999" << 86399999;
        QTest::newRow("a whole day") << "24:0:0:0" << 86400000;
        QTest::newRow("fields not limited") << "0:75:0:0" << 4500000;
        QTest::newRow("three fields") << "01:02:03" << 0;
        QTest::newRow("five fields") << "1:2:3:4:5" << 0;
        QTest::newRow("dot before ms") << "01:02:03.456" << 0;
        QTest::newRow("non-numeric field is 0") << "1:x:3:4" << 3603004;
        QTest::newRow("empty fields") << ":::" << 0;
        QTest::newRow("negative field") << "0:0:-1:0" << -1000;
        QTest::newRow("largest int") << "596:31:23:647" << std::numeric_limits<int>::max();
        QTest::newRow("just above int") << "596:31:23:648" << 0;
        QTest::newRow("smallest int") << "-596:-31:-23:-648" << std::numeric_limits<int>::min();
        QTest::newRow("huge hours") << "2000000000:0:0:0" << 0;
        QTest::newRow("huge negative") << "-2000000000:0:0:0" << 0;
        QTest::newRow("field beyond int") << "99999999999:0:0:5" << 5;
        // Regressions of the hostile-input run: a control-character field, non-ASCII digits.
        QTest::newRow("control characters") << QString(QChar(0x01)) + QStringLiteral(":1:2:3") << 62003;
        QTest::newRow("arabic digit") << QString::fromUtf8("\u0661:0:0:0") << 0;
    }

    void time2Milliseconds()
    {
        QFETCH(QString, text);
        QFETCH(int, expected);
        QExtendSliderDialog dialog;
        QCOMPARE(dialog.time2Milliseconds(text), expected);
        // The reverse conversion is valid within one day only.
        if (expected != 0) {
            const QTime back = dialog.milliseconds2Time(expected);
            QCOMPARE(back.isValid(), expected > 0 && expected < 86400000);
            if (back.isValid())
                QCOMPARE(back.msecsSinceStartOfDay(), expected);
        }
    }

    void dragWithLeftButtonOnly_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QPoint>("grip");
        QTest::addColumn<bool>("moves");
        QTest::newRow("slider, background") << "slider" << QPoint(3, 3) << true; // outside every child
        QTest::newRow("title band") << "base" << QPoint(60, 35) << true;
        QTest::newRow("below the title band") << "base" << QPoint(60, 36) << false;
    }

    void dragWithLeftButtonOnly()
    {
        QFETCH(QString, dialog);
        QFETCH(QPoint, grip);
        QFETCH(bool, moves);
        std::unique_ptr<QDialog> d;
        if (dialog == QLatin1String("slider"))
            d.reset(new QExtendSliderDialog);
        else
            d.reset(new QSearchProgress(QStringLiteral("Searching")));
        d->move(100, 100);
        d->show();
        QVERIFY(QTest::qWaitForWindowExposed(d.get()));
        const QPoint start = d->pos(), global = d->mapToGlobal(grip);
        const auto send = [&](QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons, QPoint offset) {
            QMouseEvent event(type, d->mapFromGlobal(global + offset), global + offset, button, buttons, Qt::NoModifier);
            QApplication::sendEvent(d.get(), &event);
        };
        send(QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, {});
        send(QEvent::MouseMove, Qt::NoButton, Qt::RightButton, {40, 30});
        send(QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton, {40, 30});
        send(QEvent::MouseMove, Qt::NoButton, Qt::NoButton, {10, 10});
        QCOMPARE(d->pos(), start);
        send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {});
        send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, {25, 15});
        QCOMPARE(d->pos(), moves ? start + QPoint(25, 15) : start);
        send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, {-5, 40});
        const QPoint end = moves ? start + QPoint(-5, 40) : start;
        QCOMPARE(d->pos(), end);
        send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, {-5, 40});
        send(QEvent::MouseMove, Qt::NoButton, Qt::NoButton, {60, 60});
        QCOMPARE(d->pos(), end);
        if (dialog == QLatin1String("slider"))
            return;
        // The base dialog paints its title band, border and title itself.
        const QImage titled = d->grab().toImage();
        QCOMPARE(titled.pixelColor(3, 3), QColor(0x2d, 0x5f, 0x93));
        QCOMPARE(titled.pixelColor(0, d->height() / 2), QColor(0x8a, 0x9b, 0xad));
        QCOMPARE(titled.pixelColor(d->width() - 1, d->height() - 1), QColor(0x8a, 0x9b, 0xad));
        static_cast<QSearchProgress *>(d.get())->setTitle(QString());
        QVERIFY(d->grab().toImage() != titled);
        QCOMPARE(child<QToolButton>(d.get(), "baseDlgCloseButton")->geometry(), QRect(d->width() - 30, 6, 24, 24));
    }

    void inputDialog()
    {
        QStyleInputDialog dialog;
        // Each run: the field has the focus and its whole text is selected, so typing replaces it.
        const auto run = [&dialog](const QString &selected, const QString &typed, const char *button) {
            whenModal<QStyleInputDialog>([=](QStyleInputDialog *d) {
                auto *edit = child<QLineEdit>(d, "lineEdit");
                QTRY_VERIFY(edit->hasFocus());
                QCOMPARE(edit->selectedText(), selected);
                QTest::keyClicks(edit, typed);
                QTest::mouseClick(child(d, button), Qt::LeftButton);
            });
            return dialog.exec();
        };
        QCOMPARE(run(QString(), QStringLiteral("Axis 1"), "okPBtn"), int(QDialog::Accepted));
        QCOMPARE(dialog.text(), QStringLiteral("Axis 1"));
        QCOMPARE(run(QStringLiteral("Axis 1"), QStringLiteral("Spindle"), "cancelPBtn"), int(QDialog::Rejected));
        QCOMPARE(dialog.text(), QStringLiteral("Spindle"));
    }

    void exportFormatButtons_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<enFileType>("expected");
        QTest::newRow("database") << "btn_db" << FILE_TYPE_DB;
        QTest::newRow("csv") << "btn_csv" << FILE_TYPE_CSV;
        QTest::newRow("title-band close") << "baseDlgCloseButton" << FILE_TYPE_NONE;
    }

    // A later run closed without a choice does not report this one's format.
    void exportFormatButtons()
    {
        QFETCH(QString, control);
        QFETCH(enFileType, expected);
        QExportTypeDlg dialog;
        whenModal<QExportTypeDlg>([control](QExportTypeDlg *d) {
            QTest::mouseClick(d->findChild<QAbstractButton *>(control), Qt::LeftButton);
        });
        dialog.exec();
        QCOMPARE(dialog.getFileType(), expected);
        whenModal<QExportTypeDlg>([](QExportTypeDlg *d) { QTest::keyClick(d, Qt::Key_Escape); });
        dialog.exec();
        QCOMPARE(dialog.getFileType(), FILE_TYPE_NONE);
    }

    void exportOptions()
    {
        QExportTypeDlg dialog;
        auto *first = child<QRadioButton>(&dialog, "radioButton_0");
        auto *second = child<QRadioButton>(&dialog, "radioButton_1");
        // An empty text leaves that button's text as it was.
        dialog.setRadioButtonText(QString(), QStringLiteral("Changed only"));
        QCOMPARE(first->text(), QStringLiteral("RadioButton"));
        dialog.setRadioButtonText(QStringLiteral("All"), QString());
        QCOMPARE(first->text(), QStringLiteral("All"));
        QCOMPARE(second->text(), QStringLiteral("Changed only"));
        dialog.enableRadioButton();
        dialog.setRadioButtonChecked(RADIO_BUTTON_1);
        QCOMPARE(dialog.currentCheckedRadioButton(), RADIO_BUTTON_1);
        dialog.setRadioButtonChecked(static_cast<enRadioButton>(7));
        QVERIFY(first->isChecked() && !second->isChecked());
        QCOMPARE(dialog.currentCheckedRadioButton(), RADIO_BUTTON_0);
    }

    void colorButtonPress_data()
    {
        QTest::addColumn<int>("mouseButton");
        QTest::addColumn<bool>("confirm");
        QTest::newRow("left, OK") << int(Qt::LeftButton) << true;
        QTest::newRow("right, OK") << int(Qt::RightButton) << true;
        QTest::newRow("middle, OK") << int(Qt::MiddleButton) << true;
        QTest::newRow("left, Cancel") << int(Qt::LeftButton) << false;
    }

    void colorButtonPress()
    {
        QFETCH(int, mouseButton);
        QFETCH(bool, confirm);
        QWidget host;
        auto *button = new QColorButton(&host);
        button->setColor(QColor(9, 9, 9));
        const QString before = button->styleSheet();
        host.show();
        QSignalSpy changed(button, &QColorButton::SigColorChanged);
        QSignalSpy clicked(button, &QPushButton::clicked), pressed(button, &QPushButton::pressed);
        QColor seenInSlot;
        connect(button, &QColorButton::SigColorChanged, this, [&] { seenInSlot = button->getColor(); });
        whenModal<QMyColorDlg>([confirm, &host](QMyColorDlg *d) {
            QCOMPARE(d->parentWidget(), &host);
            QCOMPARE(d->currentColor(), QColor(9, 9, 9));
            d->findChild<QColorDialog *>()->setCurrentColor(QColor(200, 100, 50));
            clickBar(d, confirm);
        });
        QTest::mousePress(button, Qt::MouseButton(mouseButton));
        QTest::mouseRelease(button, Qt::MouseButton(mouseButton));
        QCOMPARE(pressed.count() + clicked.count(), 0);
        QVERIFY(!host.findChild<QMyColorDlg *>()); // the dialog is gone after the press
        QCOMPARE(changed.count(), confirm ? 1 : 0);
        if (confirm) {
            QCOMPARE(changed.at(0).at(0).value<QColor>(), QColor(200, 100, 50));
            QCOMPARE(seenInSlot, QColor(200, 100, 50));
            QVERIFY(button->styleSheet().contains(QLatin1String("background:rgb(200,100,50);")));
        } else {
            QCOMPARE(button->getColor(), QColor(9, 9, 9));
            QCOMPARE(button->styleSheet(), before);
        }
    }

    // Escape in the embedded picker ends the whole dialog; the picker stays for the next run.
    void colorEscapeInPicker()
    {
        QMyColorDlg dialog(QColor(9, 9, 9), &m_parent);
        auto *picker = dialog.findChild<QColorDialog *>(QStringLiteral("colorPicker"));
        QVERIFY(picker);
        whenModal<QMyColorDlg>([picker](QMyColorDlg *) { QTest::keyClick(picker, Qt::Key_Escape); });
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QVERIFY(!picker->isHidden());
        whenModal<QMyColorDlg>([](QMyColorDlg *d) { clickBar(d, true); });
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QVERIFY(!picker->isHidden());
    }
};

QTEST_MAIN(tst_Dialogs)
#include "tst_dialogs.moc"
