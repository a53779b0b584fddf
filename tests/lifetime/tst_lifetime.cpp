// Dialogs and widgets destroyed in awkward states: inside their own modal loop, with a timer
// pending, with a popup open. Nothing may crash and no signal may arrive afterwards.
#include "qcolorbutton.h"
#include "qexporttypedlg.h"
#include "qextendcombobox.h"
#include "qextendprogressdialog.h"
#include "qextendsliderdialog.h"
#include "qhexdlg.h"
#include "qhideableheaderview.h"
#include "qitemcombobox.h"
#include "qmycolordlg.h"
#include "qmycombobox.h"
#include "qmymessagebox.h"
#include "qnowheelcombobox.h"
#include "qsearchprogress.h"
#include "qstyleinputdialog.h"

#include <QPointer>
#include <QStandardItemModel>
#include <QTableView>
#include <QtTest>

namespace {
QDialog *makeDialog(const QString &kind, QWidget *parent)
{
    const QHash<QString, std::function<QDialog *()>> make{
        {"multi-radix", [parent] { return new QHexDlg(parent); }},
        {"input", [parent] { return new QStyleInputDialog(parent); }},
        {"slider", [parent] { return new QExtendSliderDialog(parent); }},
        {"progress", [parent] { return new QExtendProgressDialog(parent); }},
        {"search progress", [parent] { return new QSearchProgress(QStringLiteral("Search"), parent); }},
        {"export type", [parent] { return new QExportTypeDlg(parent); }},
        {"colour", [parent] { return new QMyColorDlg(Qt::red, parent); }},
        {"message box", [parent] { return new QMyMessageBox(parent); }}};
    return make.value(kind, [] { return static_cast<QDialog *>(nullptr); })();
}

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

void kill(QWidget *parent, QObject *victim, bool viaParent)
{
    if (viaParent)
        delete parent;
    else
        victim->deleteLater();
}

// One row per kind, deleted either with its parent or by deleteLater().
void addKillRows(std::initializer_list<const char *> kinds)
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("viaParent");
    for (const char *kind : kinds) {
        QTest::addRow("%s, parent deleted", kind) << QString::fromLatin1(kind) << true;
        QTest::addRow("%s, deleteLater", kind) << QString::fromLatin1(kind) << false;
    }
}
} // namespace

class tst_Lifetime : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void destroyedInModalLoop_data();
    void destroyedInModalLoop();
    void staticMessageBoxLosesParent();
    void progressTimeoutPending();
    void comboPopupOpen_data();
    void comboPopupOpen();
    void headerMenuOpen();
    void colourButtonDialogOpen();
};

void tst_Lifetime::destroyedInModalLoop_data()
{
    addKillRows({"multi-radix", "input", "slider", "progress", "search progress", "export type", "colour", "message box"});
}

void tst_Lifetime::destroyedInModalLoop()
{
    QFETCH(QString, kind);
    QFETCH(bool, viaParent);
    QPointer<QWidget> parent = new QWidget;
    parent->show();
    QPointer<QDialog> dialog = makeDialog(kind, parent);
    QVERIFY(dialog);
    QSignalSpy finished(dialog.data(), &QDialog::finished);
    QTimer::singleShot(50, parent, [&] {
        QVERIFY(dialog && dialog->isVisible()); // the modal loop is running
        kill(parent, dialog, viaParent);
    });
    dialog->exec();
    QTRY_VERIFY(dialog.isNull());
    delete parent.data();
    QTest::qWait(20);
    QVERIFY(finished.size() <= 1);
}

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

void tst_Lifetime::comboPopupOpen_data()
{
    addKillRows({"no-wheel", "hide-notifying", "item", "user-data"});
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
    kill(parent, combo, viaParent);
    QTRY_VERIFY(guard.isNull());
    delete parent.data();
    QTest::qWait(20);
    QCOMPARE(changed.size(), 0);
}

void tst_Lifetime::headerMenuOpen()
{
    QPointer<QWidget> parent = new QWidget;
    auto *view = new QTableView(parent);
    auto *model = new QStandardItemModel(3, 9, view);
    view->setModel(model);
    auto *header = new QHideableHeaderView(Qt::Horizontal, view);
    view->setHorizontalHeader(header);
    parent->show();
    QVERIFY(QTest::qWaitForWindowExposed(parent));

    // The menu runs its own loop inside the context-menu handler; the header dies meanwhile.
    QTimer::singleShot(50, [&] {
        QVERIFY(QApplication::activePopupWidget());
        delete parent.data();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), header->viewport()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(header->viewport(), &event);
    QVERIFY(parent.isNull());
    QTRY_VERIFY(!QApplication::activePopupWidget());
}

void tst_Lifetime::colourButtonDialogOpen()
{
    QPointer<QWidget> parent = new QWidget;
    auto *button = new QColorButton(parent);
    button->setColor(Qt::blue);
    QSignalSpy changed(button, &QColorButton::SigColorChanged);
    parent->show();
    QVERIFY(QTest::qWaitForWindowExposed(parent));
    QTimer::singleShot(50, [&] {
        QVERIFY(qobject_cast<QMyColorDlg *>(QApplication::activeModalWidget()));
        delete parent.data(); // takes the button and the dialog, whose parent it is
    });
    QTest::mousePress(button, Qt::LeftButton); // no release: the button is gone by then
    QVERIFY(parent.isNull());
    QTest::qWait(20);
    QCOMPARE(changed.size(), 0);
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(tst_Lifetime)
#include "tst_lifetime.moc"
