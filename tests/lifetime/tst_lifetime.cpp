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

class tst_Lifetime : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void destroyed_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<bool>("viaParent"); // else deleteLater() or delete
        QTest::newRow("auto-closing box, parent deleted") << "box" << true;
        QTest::newRow("first-progress timeout pending") << "first" << false;
        QTest::newRow("whole-progress timeout pending") << "whole" << false;
        for (const char *kind : {"no-wheel", "hide-notifying", "item", "user-data"}) {
            QTest::addRow("%s popup open, parent deleted", kind) << QString::fromLatin1(kind) << true;
            QTest::addRow("%s popup open, deleteLater", kind) << QString::fromLatin1(kind) << false;
        }
    }

    void destroyed()
    {
        QFETCH(QString, state);
        QFETCH(bool, viaParent);
        QPointer<QWidget> parent = new QWidget;
        parent->show();
        QVERIFY(QTest::qWaitForWindowExposed(parent));
        QObject survivor;
        int late = 0;
        if (state == QLatin1String("box")) {
            // Its 1 s timer must not fire into the box once the parent took it along.
            QTimer::singleShot(50, [&] { delete parent.data(); });
            QMyMessageBox::information(parent, QStringLiteral("Title"), QStringLiteral("Text"), MEG_CLOSE_AUTO);
            QVERIFY(parent.isNull());
            QTest::qWait(1200);
            QVERIFY(!QApplication::activeModalWidget());
            return;
        }
        QPointer<QWidget> victim;
        if (state == QLatin1String("first") || state == QLatin1String("whole")) {
            auto *dialog = new QExtendProgressDialog(parent, true);
            connect(dialog, &QExtendProgressDialog::sigProgressTimeOut, &survivor, [&late] { ++late; });
            connect(dialog, &QExtendProgressDialog::sigProgressFinished, &survivor, [&late] { ++late; });
            dialog->show();
            dialog->slotSetRange(0, 10);
            dialog->startTimer(30, state == QLatin1String("first") ? TIMEOUT_FIRST_PROGRESS : TIMEOUT_WHOLE_PROGRESS);
            dialog->slotUpdateProgress(3);
            delete dialog;
        } else {
            QComboBox *combo = state == QLatin1String("no-wheel") ? new QNoWheelComboBox(parent)
                : state == QLatin1String("hide-notifying")        ? new QMyCombobox(parent)
                : state == QLatin1String("item")                  ? new QItemComboBox(parent)
                                                                  : static_cast<QComboBox *>(new QExtendComboBox(parent));
            victim = combo;
            combo->addItems({QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")});
            connect(combo, QOverload<int>::of(&QComboBox::currentIndexChanged), &survivor, [&late] { ++late; });
            combo->show();
            combo->showPopup();
            QTRY_VERIFY(combo->view()->isVisible());
            if (viaParent)
                delete parent.data();
            else
                combo->deleteLater();
            QTRY_VERIFY(victim.isNull());
        }
        delete parent.data();
        QTest::qWait(150);
        QCOMPARE(late, 0);
    }
};

QTEST_MAIN(tst_Lifetime)
#include "tst_lifetime.moc"
