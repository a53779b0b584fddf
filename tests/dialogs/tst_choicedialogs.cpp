// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <functional>

#include "qcolorbutton.h"
#include "qexporttypedlg.h"
#include "qmycolordlg.h"
#include "qokcancel.h"
#include "qstyleinputdialog.h"

namespace {
// Runs @p action once a modal dialog of type T is up and active; a failed check inside
// rejects the dialog so the modal run cannot hang.
template<typename T>
void whenModal(std::function<void(T *)> action)
{
    QTimer::singleShot(0, [action] {
        T *dialog = nullptr;
        QTRY_VERIFY((dialog = qobject_cast<T *>(QApplication::activeModalWidget())) != nullptr);
        // The offscreen platform does not reactivate a window shown a second time.
        QApplication::setActiveWindow(dialog);
        QTRY_COMPARE(QApplication::activeWindow(), dialog);
        action(dialog);
        if (QTest::currentTestFailed())
            dialog->reject();
    });
}

template<typename T = QPushButton>
T *child(QWidget *parent, const char *name)
{
    return parent->findChild<T *>(QLatin1String(name));
}

void clickBarButton(QWidget *dialog, bool ok)
{
    const QString text = ok ? QStringLiteral("STR_OK") : QStringLiteral("STR_CANCEL");
    for (QPushButton *b : child<QOkCancel>(dialog, "STATUSWID")->findChildren<QPushButton *>())
        if (b->isVisible() && b->text() == text)
            return QTest::mouseClick(b, Qt::LeftButton);
    QFAIL(qPrintable(text));
}
} // namespace

class tst_ChoiceDialogs : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void inputDialog();
    void exportFormatButtons_data();
    void exportFormatButtons();
    void exportOptions();
    void colorDialog();
    void colorButtonStyleSheet();
    void colorButtonPress_data();
    void colorButtonPress();
};

void tst_ChoiceDialogs::inputDialog()
{
    QStyleInputDialog dialog;
    dialog.setTooltip(QStringLiteral("Name of the axis"));
    QCOMPARE(child<QLineEdit>(&dialog, "lineEdit")->toolTip(), QStringLiteral("Name of the axis"));
    QVERIFY(dialog.toolTip().isEmpty() && child(&dialog, "okPBtn")->toolTip().isEmpty()
            && child(&dialog, "cancelPBtn")->toolTip().isEmpty());
    QCOMPARE(child(&dialog, "okPBtn")->text(), QStringLiteral("STR_OK"));

    // Each run: the field has the focus and its whole text is selected, so typing replaces it.
    const auto run = [&dialog](const QString &selected, const QString &typed, const char *button) {
        whenModal<QStyleInputDialog>([=](QStyleInputDialog *d) {
            auto *edit = child<QLineEdit>(d, "lineEdit");
            QTRY_VERIFY(edit->hasFocus());
            QCOMPARE(edit->selectedText(), selected);
            QTest::keyClicks(edit, typed);
            if (button)
                QTest::mouseClick(child(d, button), Qt::LeftButton);
            else
                QTest::keyClick(edit, Qt::Key_Return); // OK is the default button
        });
        return dialog.exec();
    };
    QCOMPARE(run(QString(), QString(), nullptr), int(QDialog::Accepted));
    QCOMPARE(dialog.text(), QString());
    QCOMPARE(run(QString(), QStringLiteral("Axis 1"), "okPBtn"), int(QDialog::Accepted));
    QCOMPARE(dialog.text(), QStringLiteral("Axis 1"));
    QCOMPARE(run(QStringLiteral("Axis 1"), QStringLiteral("Spindle"), "cancelPBtn"), int(QDialog::Rejected));
    QCOMPARE(dialog.text(), QStringLiteral("Spindle"));
}

void tst_ChoiceDialogs::exportFormatButtons_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("expected");
    QTest::newRow("database") << "btn_db" << int(FILE_TYPE_DB);
    QTest::newRow("csv") << "btn_csv" << int(FILE_TYPE_CSV);
    QTest::newRow("title-band close") << "baseDlgCloseButton" << int(FILE_TYPE_NONE);
}

void tst_ChoiceDialogs::exportFormatButtons()
{
    QFETCH(QString, control);
    QFETCH(int, expected);
    QExportTypeDlg dialog;
    QCOMPARE(dialog.title(), QStringLiteral("STR_EXPORT_FUNCODE"));
    QCOMPARE(dialog.getFileType(), FILE_TYPE_NONE);
    whenModal<QExportTypeDlg>([control](QExportTypeDlg *d) {
        auto *button = d->findChild<QAbstractButton *>(control);
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
    });
    dialog.exec();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(int(dialog.getFileType()), expected);
    // A later run closed without a choice does not report this one's format.
    whenModal<QExportTypeDlg>([](QExportTypeDlg *d) { QTest::keyClick(d, Qt::Key_Escape); });
    dialog.exec();
    QCOMPARE(dialog.getFileType(), FILE_TYPE_NONE);
}

void tst_ChoiceDialogs::exportOptions()
{
    QExportTypeDlg dialog;
    auto *first = child<QRadioButton>(&dialog, "radioButton_0");
    auto *second = child<QRadioButton>(&dialog, "radioButton_1");
    auto *check = child<QCheckBox>(&dialog, "checkBox");
    QVERIFY(first->isHidden() && second->isHidden() && check->isHidden());
    QCOMPARE(dialog.currentCheckedRadioButton(), RADIO_BUTTON_0);

    // An empty text leaves that button's text as it was.
    dialog.setRadioButtonText(QString(), QStringLiteral("Changed only"));
    QCOMPARE(first->text(), QStringLiteral("RadioButton"));
    dialog.setRadioButtonText(QStringLiteral("All"), QString());
    QCOMPARE(first->text(), QStringLiteral("All"));
    QCOMPARE(second->text(), QStringLiteral("Changed only"));

    dialog.enableRadioButton();
    dialog.enableCheckBox();
    QVERIFY(!first->isHidden() && !second->isHidden() && !check->isHidden());
    QVERIFY(!child<QLabel>(&dialog, "label_2")->isHidden());

    dialog.setRadioButtonChecked(RADIO_BUTTON_1);
    QVERIFY(second->isChecked() && !first->isChecked());
    QCOMPARE(dialog.currentCheckedRadioButton(), RADIO_BUTTON_1);
    dialog.setRadioButtonChecked(static_cast<enRadioButton>(7));
    QVERIFY(first->isChecked() && !second->isChecked());
    QCOMPARE(dialog.currentCheckedRadioButton(), RADIO_BUTTON_0);

    dialog.show();
    QTest::mouseClick(second, Qt::LeftButton); // exclusive without a group
    QVERIFY(second->isChecked() && !first->isChecked());
    dialog.setCheckBoxText(QStringLiteral("Include descriptions"));
    dialog.setChecked(true);
    QTest::mouseClick(check, Qt::LeftButton);
    QVERIFY(!dialog.isChecked());
    dialog.setCheckBoxText(QString());
    QCOMPARE(check->text(), QString());
}

void tst_ChoiceDialogs::colorDialog()
{
    for (const bool confirm : {true, false}) {
        QMyColorDlg dialog(QColor(10, 20, 30));
        QCOMPARE(dialog.title(), QStringLiteral("STR_COLOR"));
        QCOMPARE(dialog.currentColor(), QColor(10, 20, 30));
        auto *picker = dialog.findChild<QColorDialog *>();
        QVERIFY(picker && !picker->isWindow());
        QCOMPARE(picker->options(), QColorDialog::ColorDialogOptions(QColorDialog::NoButtons));
        whenModal<QMyColorDlg>([confirm](QMyColorDlg *d) {
            QVERIFY(d->findChild<QColorDialog *>()->isVisible());
            d->findChild<QColorDialog *>()->setCurrentColor(QColor(1, 2, 3));
            clickBarButton(d, confirm);
        });
        QCOMPARE(dialog.exec(), confirm ? 1 : 0);
        QCOMPARE(dialog.currentColor(), QColor(1, 2, 3)); // readable after the run either way
    }
}

void tst_ChoiceDialogs::colorButtonStyleSheet()
{
    QColorButton button(nullptr);
    QSignalSpy changed(&button, &QColorButton::SigColorChanged);
    button.setColor(Qt::red);
    QCOMPARE(button.styleSheet(),
             QStringLiteral("QPushButton{ \tbackground:rgb(255,0,0); \tborder:1px solid gray; \tmin-width:30px; "
                            "\tmin-height:30px; \t}"));
    button.setColor(QColor());
    QVERIFY(!button.getColor().isValid());
    QVERIFY(button.styleSheet().contains(QLatin1String("background:rgb(0,0,0);")));
    QCOMPARE(changed.count(), 0);
}

void tst_ChoiceDialogs::colorButtonPress_data()
{
    QTest::addColumn<int>("mouseButton");
    QTest::addColumn<bool>("confirm");
    QTest::newRow("left, OK") << int(Qt::LeftButton) << true;
    QTest::newRow("right, OK") << int(Qt::RightButton) << true;
    QTest::newRow("middle, OK") << int(Qt::MiddleButton) << true;
    QTest::newRow("left, Cancel") << int(Qt::LeftButton) << false;
}

void tst_ChoiceDialogs::colorButtonPress()
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
        clickBarButton(d, confirm);
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

QTEST_MAIN(tst_ChoiceDialogs)
#include "tst_choicedialogs.moc"
