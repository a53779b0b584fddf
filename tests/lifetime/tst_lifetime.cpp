// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// Widgets destroyed in awkward states the every-class harness does not reach: a timer pending,
// a combo popup open, an auto-closing box whose parent goes first. Nothing may crash and no
// signal may arrive afterwards.
#include "qextendcombobox.h"
#include "qextendprogressdialog.h"
#include "qitemcombobox.h"
#include "qmycombobox.h"
#include "qmymessagebox.h"
#include "qnowheelcombobox.h"

#include <QAbstractItemView>
#include <QPointer>
#include <QtTest>

namespace {
QComboBox *makeCombo(const QString &kind, QWidget *parent)
{
    if (kind == QLatin1String("no-wheel"))
        return new QNoWheelComboBox(parent);
    if (kind == QLatin1String("hide-notifying"))
        return new QMyCombobox(parent);
    if (kind == QLatin1String("item"))
        return new QItemComboBox(parent);
    return new QExtendComboBox(parent);
}
} // namespace

class tst_Lifetime : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void staticMessageBoxLosesParent();
    void progressTimeoutPending();
    void comboPopupOpen_data();
    void comboPopupOpen();
};



void tst_Lifetime::staticMessageBoxLosesParent()
{
    // The auto-closing box: its parent goes first, its 1 s timer must not fire into it later.
    QPointer<QWidget> parent = new QWidget;
    parent->show();
    QTimer::singleShot(50, [&] { delete parent.data(); });
    QMyMessageBox::information(parent, QStringLiteral("Title"), QStringLiteral("Text"), MEG_CLOSE_AUTO);
    QVERIFY(parent.isNull());
    QTest::qWait(1200);
    QVERIFY(!QApplication::activeModalWidget());
}

void tst_Lifetime::progressTimeoutPending()
{
    QObject survivor;
    int late = 0;
    for (TimeoutMode mode : {TIMEOUT_FIRST_PROGRESS, TIMEOUT_WHOLE_PROGRESS}) {
        auto *dialog = new QExtendProgressDialog(nullptr, true);
        connect(dialog, &QExtendProgressDialog::sigProgressTimeOut, &survivor, [&late] { ++late; });
        connect(dialog, &QExtendProgressDialog::sigProgressFinished, &survivor, [&late] { ++late; });
        dialog->show();
        dialog->slotSetRange(0, 10);
        dialog->startTimer(30, mode);
        dialog->slotUpdateProgress(3);
        delete dialog;
    }
    QTest::qWait(150);
    QCOMPARE(late, 0);
}

// One row per kind, deleted either with its parent or by deleteLater().
void tst_Lifetime::comboPopupOpen_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("viaParent");
    for (const char *kind : {"no-wheel", "hide-notifying", "item", "user-data"}) {
        QTest::addRow("%s, parent deleted", kind) << QString::fromLatin1(kind) << true;
        QTest::addRow("%s, deleteLater", kind) << QString::fromLatin1(kind) << false;
    }
}

void tst_Lifetime::comboPopupOpen()
{
    QFETCH(QString, kind);
    QFETCH(bool, viaParent);
    QPointer<QWidget> parent = new QWidget;
    QComboBox *combo = makeCombo(kind, parent);
    combo->addItems({QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")});
    QPointer<QComboBox> guard(combo);
    QSignalSpy changed(combo, QOverload<int>::of(&QComboBox::currentIndexChanged));
    parent->show();
    QVERIFY(QTest::qWaitForWindowExposed(parent));
    combo->showPopup();
    QTRY_VERIFY(combo->view()->isVisible());
    if (viaParent)
        delete parent.data();
    else
        combo->deleteLater();
    QTRY_VERIFY(guard.isNull());
    delete parent.data();
    QTest::qWait(20);
    QCOMPARE(changed.size(), 0);
}



QTEST_MAIN(tst_Lifetime)
#include "tst_lifetime.moc"
