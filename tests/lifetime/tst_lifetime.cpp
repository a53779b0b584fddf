// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// Combo boxes destroyed with their popup open, which the every-class harness never opens: by the
// parent, or by deleteLater() (handled inside the box's own event()). Nothing may crash and no
// signal may arrive afterwards.
#include "qextendcombobox.h"
#include "qmycombobox.h"

#include <QAbstractItemView>
#include <QPointer>
#include <QtTest>

class tst_Lifetime : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void popupOpen_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("viaParent"); // else deleteLater()
        for (const char *kind : {"hide-notifying", "user-data"}) {
            QTest::addRow("%s, parent deleted", kind) << QString::fromLatin1(kind) << true;
            QTest::addRow("%s, deleteLater", kind) << QString::fromLatin1(kind) << false;
        }
    }

    void popupOpen()
    {
        QFETCH(QString, kind);
        QFETCH(bool, viaParent);
        QPointer<QWidget> parent = new QWidget;
        parent->show();
        QObject survivor;
        int late = 0;
        QPointer<QComboBox> combo = kind == QLatin1String("hide-notifying")
            ? static_cast<QComboBox *>(new QMyCombobox(parent)) : new QExtendComboBox(parent);
        combo->addItems({QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")});
        connect(combo, QOverload<int>::of(&QComboBox::currentIndexChanged), &survivor, [&late] { ++late; });
        combo->show();
        combo->showPopup();
        QTRY_VERIFY(combo->view()->isVisible());
        if (viaParent)
            delete parent.data();
        else
            combo->deleteLater();
        QTRY_VERIFY(combo.isNull());
        delete parent.data();
        QTest::qWait(150);
        QCOMPARE(late, 0);
    }
};

QTEST_MAIN(tst_Lifetime)
#include "tst_lifetime.moc"
