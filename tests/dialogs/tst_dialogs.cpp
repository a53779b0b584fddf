// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// The dialog family: what each dialog returns and reports for clicks, keys, timers and progress.
#include <QColorDialog>
#include <QDesktopServices>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMetaEnum>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryFile>

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

Q_DECLARE_METATYPE(ConfirmBtnType_E)
Q_DECLARE_METATYPE(TimeoutMode)

namespace {
template<typename T = QWidget>
T *child(QWidget *parent, const QString &name) { return parent->findChild<T *>(name); }

// Whether the band painted in @p colour at the top of @p shot is @p height rows high.
bool bandHeightIs(const QImage &shot, int height, const QColor &colour = QColor(0x2d, 0x5f, 0x93))
{
    return shot.pixelColor(3, height - 1) == colour && shot.pixelColor(3, height) != colour;
}

// Plays one modal run on @p shown, steps "op=argument" separated by ';': focus=NAME (later keys go
// there), key=Return, type=TEXT, click=NAME, selected=TEXT (of the focused editor). NAME is a shown
// push button's text or an object name. A dialog the steps leave open ends with 7.
void play(QDialog *shown, const QString &steps)
{
    QWidget *target = nullptr;
    for (const QString &step : steps.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        if (QApplication::activeModalWidget() != shown)
            return;
        const QString op = step.section(QLatin1Char('='), 0, 0), arg = step.section(QLatin1Char('='), 1);
        QWidget *named = visibleButton(shown, arg) ? visibleButton(shown, arg) : child(shown, arg);
        QWidget *to = target ? target : QApplication::focusWidget() ? QApplication::focusWidget() : shown;
        if (op == QLatin1String("focus")) {
            target = named;
            target->setFocus(Qt::TabFocusReason);
        } else if (op == QLatin1String("key")) {
            QTest::keyClick(to, Qt::Key(QMetaEnum::fromType<Qt::Key>().keyToValue(qPrintable("Key_" + arg))));
        } else if (op == QLatin1String("type")) {
            QTest::keyClicks(to, arg);
        } else if (op == QLatin1String("click")) {
            QTest::mouseClick(named, Qt::LeftButton);
        } else {
            QTRY_VERIFY(qobject_cast<QLineEdit *>(QApplication::focusWidget()));
            QCOMPARE(static_cast<QLineEdit *>(QApplication::focusWidget())->selectedText(), arg);
        }
    }
    if (!steps.isEmpty() && QApplication::activeModalWidget() == shown)
        shown->done(7);
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
        m_parent.show();
    }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    void cleanup()
    {
        // Static functions must not leave boxes behind.
        for (QWidget *w : QApplication::allWidgets())
            QVERIFY(!qobject_cast<QMyMessageBox *>(w));
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

    void buttonSets()
    {
        QFETCH(ConfirmBtnType_E, type);
        QFETCH(QStringList, visible);
        for (int before = CONFIRM_BTN_OK; before <= CONFIRM_BTN_OPEN_QUIT; ++before) {
            QOkCancel bar(nullptr, ConfirmBtnType_E(before));
            if (before != type) // else as built
                bar.setConfirmBtnType(type);
            bar.setConfirmBtnType(ConfirmBtnType_E(7));
            bar.setConfirmBtnType(ConfirmBtnType_E(-1));
            QCOMPARE(visibleButtons(&bar), visible);
        }
    }

    void staticResults_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QString>("steps"); // see play()
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("icon");
        const QStringList ok{"STR_OK"}, okCancel{"STR_OK", "STR_CANCEL"}, own{"Upload", "Later"};
        const QString info = QStringLiteral("information"), question = QStringLiteral("question");
        QTest::newRow("information ok") << info << ok << "click=STR_OK" << 1 << info;
        QTest::newRow("warning ok") << "warning" << ok << "click=STR_OK" << 1 << "warning";
        QTest::newRow("critical ok") << "critical" << ok << "click=STR_OK" << 1 << "critical";
        QTest::newRow("question cancel") << question << okCancel << "click=STR_CANCEL" << 0 << question;
        // Escape and Space leave the box open; Return/Enter accept, a tabbed-to button answers itself.
        QTest::newRow("Escape Space Enter")
            << question << okCancel << "key=Escape;key=Space;key=Enter" << 1 << question;
        QTest::newRow("Return") << question << okCancel << "key=Return" << 1 << question;
        QTest::newRow("Cancel focused, Return")
            << question << okCancel << "focus=STR_CANCEL;key=Return" << 0 << question;
        // The success box shows the information icon, not the "success" image.
        QTest::newRow("success quit")
            << "success" << QStringList{"STR_OPEN", "STR_QUIT"} << "click=STR_QUIT" << 0 << info;
        QTest::newRow("close control") << info << ok << "click=baseDlgCloseButton" << 0 << info;
        QTest::newRow("own texts, refuse") << "own" << own << "click=Later" << 0 << info;
        QTest::newRow("own question") << "own question" << own << "click=Upload" << 1 << question;
        QTest::newRow("auto close") << "auto" << ok << "" << 0 << info;
    }

    void staticResults()
    {
        QFETCH(QString, kind);
        QFETCH(QStringList, buttons);
        QFETCH(QString, steps);
        QFETCH(int, result);
        QFETCH(QString, icon);
        const QString t = QStringLiteral("Title"), c = QStringLiteral("Body text");
        whenModal<QMyMessageBox>([&](QMyMessageBox *box) {
            QCOMPARE(visibleButtons(box), buttons);
            const QImage shown = child<QLabel>(box, "labelImg")->pixmap(Qt::ReturnByValue).toImage();
            QCOMPARE(shown, QImage(":/img/commonImge/" + icon).convertToFormat(shown.format()));
            QCOMPARE(box->windowTitle(), t);
            QCOMPARE(child<QLabel>(box, "labelTxt")->text(), c);
            QCOMPARE(box->size(), QSize(350, 220));
            // The base dialog paints its title band, border and title; the close control sits in the band.
            const QImage titled = box->grab().toImage();
            QVERIFY(bandHeightIs(titled, 35));
            QCOMPARE(titled.pixelColor(box->width() - 1, box->height() - 1), QColor(0x8a, 0x9b, 0xad));
            QCOMPARE(child(box, "baseDlgCloseButton")->geometry(), QRect(box->width() - 30, 6, 24, 24));
            box->setTitle(QString());
            QVERIFY(box->grab().toImage() != titled);
            for (QPushButton *button : box->findChildren<QPushButton *>())
                QVERIFY(!(button->isHidden() && button->isDefault()));
            // Every box opens on its default button, the first shown one where there is no OK.
            auto *focused = qobject_cast<QPushButton *>(QApplication::focusWidget());
            QVERIFY(focused && focused->isDefault() && focused->text() == buttons.first());
            if (steps.isEmpty()) // else it would wait for ever
                QTimer::singleShot(3000, box, [box] { box->done(7); });
            play(box, steps);
        });
        const QMap<QString, std::function<int()>> run{
            {"information", [&] { return QMyMessageBox::information(&m_parent, t, c); }},
            {"warning", [&] { return QMyMessageBox::warning(&m_parent, t, c); }},
            {"critical", [&] { return QMyMessageBox::critical(&m_parent, t, c); }},
            {"question", [&] { return QMyMessageBox::question(&m_parent, t, c); }},
            {"success", [&] { return QMyMessageBox::success(&m_parent, t, c, QString()); }},
            {"own", [&] { return QMyMessageBox::information(&m_parent, t, c, "Upload", "Later"); }},
            {"own question", [&] { return QMyMessageBox::question(&m_parent, t, c, "Upload", "Later"); }},
            {"auto", [&] { return QMyMessageBox::information(&m_parent, t, c, MEG_CLOSE_AUTO); }}};
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(run.value(kind)(), result);
        if (kind == QLatin1String("auto"))
            QVERIFY2(timer.elapsed() >= 950 && timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
    }

    // Open hands an existing file to the desktop (a relative path as an absolute URL) and closes
    // the box; for a missing file or none it does nothing and the box stays until Quit.
    void successOpensExistingFileOnly()
    {
        QTemporaryFile file;
        QVERIFY(file.open());
        const QString absolute = QFileInfo(file.fileName()).absoluteFilePath();
        const QStringList paths{absolute, QDir::current().relativeFilePath(absolute), absolute + ".missing", ""};
        for (int i = 0; i < paths.size(); ++i) {
            m_opened.clear();
            whenModal<QDialog>([](QDialog *box) { play(box, "click=STR_OPEN;click=STR_QUIT"); });
            QCOMPARE(QMyMessageBox::success(&m_parent, "T", "C", paths.at(i)), 0);
            QCOMPARE(m_opened, i < 2 ? QList<QUrl>{QUrl::fromLocalFile(absolute)} : QList<QUrl>());
        }
    }

    // A long message grows the box; beyond two thirds of the screen the text scrolls.
    void boxGrowsWithContent()
    {
        QMyMessageBox box; // a short text keeps the built size, see staticResults()
        box.setContent(QStringLiteral("line\n").repeated(12)); // grows on every platform font, below the cap
        QVERIFY(box.height() > 220 && !box.findChild<QWidget *>(QStringLiteral("contentScroll")));
        box.setContent(QStringLiteral("word ").repeated(20000));
        QVERIFY(box.findChild<QWidget *>(QStringLiteral("contentScroll")));
        QCOMPARE(box.height(), box.screen()->availableGeometry().height() * 2 / 3);
    }

    void modalRuns_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QStringList>("runs"); // the steps of each run, see play()
        QTest::addColumn<QList<int>>("results");
        QTest::addColumn<QStringList>("outputs"); // what the dialog reports after each run
        // Each run opens with the field focused and its whole text selected, so typing replaces it.
        QTest::newRow("input, OK then Cancel")
            << "input" << QStringList{"selected=;type=Axis 1;click=okPBtn",
                                      "selected=Axis 1;type=Spindle;click=cancelPBtn"}
            << QList<int>{1, 0} << QStringList{"Axis 1", "Spindle"};
        QTest::newRow("input, Cancel focused, Return")
            << "input" << QStringList{"focus=cancelPBtn;key=Return"} << QList<int>{0} << QStringList{""};
        // A later run closed without a choice does not report the earlier run's format.
        QTest::newRow("export, database then csv")
            << "export" << QStringList{"click=btn_db", "key=Escape", "click=btn_csv"} << QList<int>{0, 0, 0}
            << QStringList{"db", "none", "csv"};
        // Escape in the embedded picker ends the whole dialog; the picker stays for the next run.
        QTest::newRow("color, Escape in the picker")
            << "color" << QStringList{"focus=colorPicker;key=Escape", "click=STR_OK"}
            << QList<int>{0, 1} << QStringList();
    }

    void modalRuns()
    {
        QFETCH(QString, dialog);
        QFETCH(QStringList, runs);
        QFETCH(QList<int>, results);
        QFETCH(QStringList, outputs);
        std::unique_ptr<QDialog> d;
        if (dialog == QLatin1String("input"))
            d.reset(new QStyleInputDialog(&m_parent));
        else if (dialog == QLatin1String("export"))
            d.reset(new QExportTypeDlg(&m_parent));
        else
            d.reset(new QMyColorDlg(QColor(9, 9, 9), &m_parent));
        QVERIFY(bandHeightIs(d->grab().toImage(), 36));
        for (int i = 0; i < runs.size(); ++i) {
            whenModal<QDialog>([steps = runs.at(i)](QDialog *shown) { play(shown, steps); });
            QCOMPARE(d->exec(), results.at(i));
            QString output;
            if (auto *input = qobject_cast<QStyleInputDialog *>(d.get()))
                output = input->text();
            else if (auto *exportDialog = qobject_cast<QExportTypeDlg *>(d.get()))
                output = QStringList{"db", "csv", "none"}.value(exportDialog->getFileType());
            QCOMPARE(output, outputs.value(i));
        }
    }

    void progress_data()
    {
        QTest::addColumn<bool>("closeOnFinish");
        QTest::addColumn<TimeoutMode>("mode");
        QTest::addColumn<QList<int>>("steps"); // progress values of 0..100; -1 waits for the timeout
        QTest::addColumn<bool>("armed"); // the timeout still pending afterwards
        QTest::addColumn<QString>("text"); // of the Cancel button; "Done" accepts, others reject
        QTest::addColumn<QString>("press"); // empty: the dialog closed itself
        const TimeoutMode first = TIMEOUT_FIRST_PROGRESS, whole = TIMEOUT_WHOLE_PROGRESS;
        using Steps = QList<int>;
        QTest::newRow("0 is no first progress") << true << first << Steps{0} << true << "Cancel" << "cancelBtn";
        QTest::newRow("first progress disarms") << true << first << Steps{5} << false << "Cancel" << "cancelBtn";
        QTest::newRow("whole timeout outlasts progress")
            << true << whole << Steps{40, -1} << false << "Timeout" << "cancelBtn";
        QTest::newRow("completes after a timeout")
            << false << first << Steps{-1, 100} << false << "Done" << "closeBtn";
        QTest::newRow("closes itself") << true << whole << Steps{30, 100} << false << "Done" << "";
        QTest::newRow("stays, Done accepts")
            << false << whole << Steps{30, 100} << false << "Done" << "cancelBtn";
        QTest::newRow("out of range does not complete")
            << true << whole << Steps{30, 120} << true << "Cancel" << "cancelBtn";
    }

    void progress()
    {
        QFETCH(bool, closeOnFinish);
        QFETCH(TimeoutMode, mode);
        QFETCH(QList<int>, steps);
        QFETCH(bool, armed);
        QFETCH(QString, text);
        QFETCH(QString, press);
        Catalogue english;
        QExtendProgressDialog dialog(nullptr, closeOnFinish);
        dialog.slotSetRange(0, 100);
        QSignalSpy timedOut(&dialog, &QExtendProgressDialog::sigProgressTimeOut);
        QSignalSpy finished(&dialog, &QExtendProgressDialog::sigProgressFinished);
        dialog.show();
        const QImage shot = dialog.grab().toImage();
        QVERIFY(bandHeightIs(shot, 35, QColor(QStringLiteral("#799CB1"))));
        QCOMPARE(shot.pixelColor(200, dialog.height() - 1), QColor(207, 207, 207));
        dialog.startTimer(steps.contains(-1) ? 20 : 5000, mode);
        for (int step : steps) {
            if (step < 0)
                QVERIFY(timedOut.wait(2000));
            else
                dialog.slotUpdateProgress(step);
        }
        QTest::qWait(60); // a timeout fires once
        QCOMPARE(timedOut.count(), int(steps.count(-1)));
        const bool done = text == QLatin1String("Done");
        QCOMPARE(finished.count(), done ? 1 : 0);
        QCOMPARE(dialog.findChild<QTimer *>(QStringLiteral("progressTimeoutTimer"))->isActive(), armed);
        QCOMPARE(child<QPushButton>(&dialog, "cancelBtn")->text(), text);
        QCOMPARE(dialog.isVisible(), !press.isEmpty());
        if (!press.isEmpty())
            QTest::mouseClick(child(&dialog, press), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(done ? QDialog::Accepted : QDialog::Rejected));
    }

    void searchClose_data()
    {
        QTest::addColumn<int>("total");
        QTest::addColumn<QList<int>>("values");
        QTest::addColumn<int>("expectedValue");
        QTest::addColumn<int>("closes");
        QTest::newRow("empty range closes at once") << 0 << QList<int>{0} << 0 << 1;
        QTest::newRow("below total") << 10 << QList<int>{3, 9} << 9 << 0;
        QTest::newRow("reaching total") << 10 << QList<int>{3, 10} << 10 << 1;
        // Judged on the bar, which refuses a value beyond its range.
        QTest::newRow("beyond total refused") << 10 << QList<int>{4, 11} << 4 << 0;
        QTest::newRow("beyond total after complete") << 10 << QList<int>{10, 12} << 10 << 2;
    }

    void searchClose()
    {
        QFETCH(int, total);
        QFETCH(QList<int>, values);
        QFETCH(int, expectedValue);
        QFETCH(int, closes);
        QSearchProgress dialog(QStringLiteral("Searching"));
        QSignalSpy close(&dialog, &QSearchProgress::SigClose);
        dialog.OnSetTotal(total);
        QCOMPARE(dialog.value(), 0);
        for (int v : values)
            dialog.OnSetValue(v);
        QCOMPARE(dialog.value(), expectedValue);
        QCOMPARE(close.count(), closes);
    }

    void sliderPercentage_data()
    {
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::addColumn<double>("fraction");
        QTest::addColumn<int>("expected");
        QTest::addColumn<int>("increment"); // saturates at INT_MAX
        QTest::addColumn<double>("percentage"); // an empty range has no position: 0, and no label
        QTest::addColumn<QString>("label");
        const int least = std::numeric_limits<int>::min(), most = std::numeric_limits<int>::max();
        QTest::newRow("above one clamps") << 0 << 99 << 1.7 << 99 << 99 << 1.0 << "100.00%";
        QTest::newRow("truncated") << 0 << 9 << 0.55 << 4 << 4 << 4.0 / 9 << "44.44%";
        QTest::newRow("negative range truncates to zero") << -9 << 0 << 0.55 << -4 << 5 << 5.0 / 9 << "55.56%";
        QTest::newRow("offset range") << -100 << 60 << 0.9375 << 50 << 150 << 0.9375 << "93.75%";
        QTest::newRow("NaN goes to the minimum") << 10 << 20 << std::nan("") << 10 << 0 << 0.0 << "0.00%";
        QTest::newRow("full int range") << least << most << 1.0 << most << most << 1.0 << "100.00%";
        QTest::newRow("empty range") << 5 << 5 << 0.5 << 5 << 0 << 0.0 << "";
    }

    void sliderPercentage()
    {
        QFETCH(int, min);
        QFETCH(int, max);
        QFETCH(double, fraction);
        QFETCH(int, expected);
        QFETCH(int, increment);
        QFETCH(double, percentage);
        QFETCH(QString, label);
        QExtendSliderDialog dialog;
        auto *shown = child<QLabel>(&dialog, "label");
        QVERIFY(shown->text().isEmpty());
        dialog.setRange(min, max);
        dialog.setValue(max);
        dialog.setCurrentPercentage(fraction);
        QCOMPARE(dialog.currentValue(), expected);
        QCOMPARE(dialog.incrementValue(), increment);
        if (expected == max)
            QCOMPARE(dialog.range(), increment);
        QCOMPARE(dialog.getCurrentPercentage(), percentage);
        QCOMPARE(shown->text(), label);
        dialog.setRange(expected, expected); // the value stays, the label goes
        QVERIFY(shown->text().isEmpty());
    }

    void drag_data()
    {
        QTest::addColumn<int>("kind"); // slider, a dialog with a title band, the progress dialog
        QTest::addColumn<QPoint>("grip");
        QTest::addColumn<bool>("moves");
        QTest::newRow("slider, background") << 0 << QPoint(3, 3) << true; // outside every child
        QTest::newRow("title band") << 1 << QPoint(60, 35) << true;
        QTest::newRow("below the title band") << 1 << QPoint(60, 36) << false;
        QTest::newRow("progress, title label") << 2 << QPoint(120, 17) << true;
        QTest::newRow("progress, below the band") << 2 << QPoint(3, 40) << false;
    }

    // The left button drags; after its release a move with the button held goes nowhere. Where
    // the platform refuses a system move (offscreen), the dialog follows the pointer itself.
    void drag()
    {
        QFETCH(int, kind);
        QFETCH(QPoint, grip);
        QFETCH(bool, moves);
        const std::unique_ptr<QDialog> d(kind == 0   ? static_cast<QDialog *>(new QExtendSliderDialog)
                                         : kind == 1 ? static_cast<QDialog *>(new QSearchProgress(QStringLiteral("Searching")))
                                                     : new QExtendProgressDialog);
        d->move(100, 100);
        d->layout()->activate(); // children where a shown dialog has them
        const QPoint start = d->pos(), global = d->mapToGlobal(grip);
        const auto send = [&](QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint offset) {
            const QPoint at = global + offset;
            QWidget *target = d->childAt(d->mapFromGlobal(at));
            target = target ? target : d.get();
            QMouseEvent event(type, target->mapFromGlobal(at), at, button, held, Qt::NoModifier);
            QApplication::sendEvent(target, &event);
        };
        QLoggingCategory::setFilterRules(QStringLiteral("widgetdeck.formcore.debug=true"));
        if (moves)
            QTest::ignoreMessage(QtDebugMsg, "startSystemMove false");
        send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {});
        QLoggingCategory::setFilterRules(QString());
        send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, {25, -15});
        send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, {25, -15});
        send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, {60, 60});
        QCOMPARE(d->pos(), moves ? start + QPoint(25, -15) : start);
    }

    void exportOptions()
    {
        QExportTypeDlg dialog;
        auto *first = child<QRadioButton>(&dialog, "radioButton_0");
        auto *second = child<QRadioButton>(&dialog, "radioButton_1");
        dialog.setRadioButtonText(QString(), QStringLiteral("Changed only")); // an empty text changes nothing
        dialog.setRadioButtonText(QStringLiteral("All"), QString());
        QCOMPARE(QStringList({first->text(), second->text()}), QStringList({"All", "Changed only"}));
        dialog.setRadioButtonChecked(RADIO_BUTTON_1);
        QCOMPARE(dialog.currentCheckedRadioButton(), RADIO_BUTTON_1);
        dialog.setRadioButtonChecked(static_cast<enRadioButton>(7));
        QVERIFY(first->isChecked() && !second->isChecked());
        QCOMPARE(dialog.currentCheckedRadioButton(), RADIO_BUTTON_0);
    }

    // A press opens the colour dialog on the button's colour; OK takes the chosen one.
    void colorButtonPress()
    {
        QWidget host;
        auto *button = new QColorButton(&host);
        button->setColor(QColor(9, 9, 9));
        host.show();
        QSignalSpy changed(button, &QColorButton::SigColorChanged);
        whenModal<QMyColorDlg>([](QMyColorDlg *d) {
            QCOMPARE(d->currentColor(), QColor(9, 9, 9));
            d->findChild<QColorDialog *>()->setCurrentColor(QColor(200, 100, 50));
            play(d, "click=STR_OK");
        });
        QTest::mousePress(button, Qt::LeftButton);
        QVERIFY(!host.findChild<QMyColorDlg *>());
        QCOMPARE(QList<QVariantList>(changed), QList<QVariantList>{{QColor(200, 100, 50)}});
        QCOMPARE(button->getColor(), QColor(200, 100, 50));
        QVERIFY(button->styleSheet().contains(QLatin1String("background:rgb(200,100,50);")));
    }
};

QTEST_MAIN(tst_Dialogs)
#include "tst_dialogs.moc"
