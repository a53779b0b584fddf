// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// The names a reader hears for the controls inside composite widgets and dialogs, read through
// the accessibility interface, in English, after a switch to Chinese, and after the host's
// label changes.

#include <QtTest>
#include <QtWidgets>

#include "catalogue.h"
#include "factory.h"
#include "qcustomdatetimeedit.h"
#include "qcustomlineedit.h"
#include "qeditip.h"
#include "qextendprogressdialog.h"
#include "qextendsliderdialog.h"
#include "qhexdlg.h"
#include "qiplineedit.h"
#include "qmultihexspinbox.h"
#include "qstyleinputdialog.h"
#include "qwebsetclient.h"

namespace {
QString nameOf(QWidget *widget)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QStringLiteral("<no interface>");
}

// "a/b": child b of child a; empty: the object itself.
QWidget *part(QWidget *object, const QString &path)
{
    QWidget *widget = object;
    for (const QString &name : path.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        widget = widget ? widget->findChild<QWidget *>(name) : nullptr;
    }
    return widget;
}
} // namespace

class tst_AccessibleNames : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void names_data()
    {
        QTest::addColumn<Make>("make");
        QTest::addColumn<QString>("path");  // see part()
        QTest::addColumn<QString>("label"); // of a host label whose buddy the object is
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("chinese");
        const Make hexDlg = make<QHexDlg>();
        const Make input = make<QStyleInputDialog>();
        const Make titled = [](QWidget *parent) -> QWidget * {
            auto *dialog = new QStyleInputDialog(parent);
            dialog->setTitle(QStringLiteral("Rename"));
            return dialog;
        };
        const Make united = [](QWidget *parent) -> QWidget * {
            auto *edit = new QCustomLineEdit(parent);
            edit->setUnit(QStringLiteral("rpm"));
            return edit;
        };
        QTest::newRow("segment, no label") << make<QEditIP>() << "ipSegment0" << ""
                                           << "IP address, part 1 of 4" << "IP地址，第 1 部分，共 4 部分";
        QTest::newRow("segment, label") << make<QEditIP>() << "ipSegment3" << "&Host:" << "Host, part 4 of 4"
                                        << "Host，第 4 部分，共 4 部分";
        QTest::newRow("octet, no label") << make<QIPLineEdit>() << "ipOctet1" << ""
                                         << "IP address, part 2 of 4" << "IP地址，第 2 部分，共 4 部分";
        QTest::newRow("octet, label") << make<QIPLineEdit>() << "ipOctet0" << "Peer" << "Peer, part 1 of 4"
                                      << "Peer，第 1 部分，共 4 部分";
        QTest::newRow("panel mask") << make<QWebSetClient>() << "lineEditSubnet/ipSegment1" << ""
                                    << "Subnet mask, part 2 of 4" << "子网掩码，第 2 部分，共 4 部分";
        QTest::newRow("hex field") << make<QMultiHexSpinBox>() << "hexField_1" << ""
                                   << "Hexadecimal value, part 2 of 2" << "十六进制值，第 2 部分，共 2 部分";
        QTest::newRow("hex field, label") << make<QMultiHexSpinBox>() << "hexField_0" << "Key:"
                                          << "Key, part 1 of 2" << "Key，第 1 部分，共 2 部分";
        QTest::newRow("bit") << hexDlg << "widgetModify/bitButton_3" << "" << "Bit 3" << "第 3 位";
        QTest::newRow("decimal editor") << hexDlg << "widgetModify/RANGEEDIT" << "" << "Decimal:" << "十进制:";
        QTest::newRow("explanation") << hexDlg << "textEdit" << "" << "Explanation" << "说明";
        QTest::newRow("progress title") << make<QExtendProgressDialog>() << "" << "" << "Status feedback"
                                        << "状态反馈";
        QTest::newRow("progress close") << make<QExtendProgressDialog>() << "closeBtn" << "" << "Close" << "关闭";
        QTest::newRow("slider title") << make<QExtendSliderDialog>() << "" << "" << "" << "";
        QTest::newRow("slider") << make<QExtendSliderDialog>() << "slider" << "" << "Value" << "值";
        QTest::newRow("input, no title") << input << "lineEdit" << "" << "Input" << "输入";
        QTest::newRow("input, title") << titled << "lineEdit" << "" << "Rename" << "Rename";
        QTest::newRow("value with unit") << united << "FLOWDIAGRAM" << "" << "rpm" << "rpm";
        QTest::newRow("value, label") << united << "FLOWDIAGRAM" << "Speed" << "Speed" << "Speed";
        QTest::newRow("date, no label") << make<QCustomDateTimeEdit>() << "dateTimeEdit" << ""
                                        << "Date and time" << "日期和时间";
        QTest::newRow("date, label") << make<QCustomDateTimeEdit>() << "dateTimeEdit" << "Start:" << "Start"
                                     << "Start";
    }

    void names()
    {
        QFETCH(Make, make);
        QFETCH(QString, path);
        QFETCH(QString, label);
        QFETCH(QString, english);
        QFETCH(QString, chinese);
        auto catalogue = std::make_unique<Catalogue>();
        QWidget host;
        auto *layout = new QHBoxLayout(&host);
        auto *hostLabel = new QLabel(label, &host);
        layout->addWidget(hostLabel);
        QWidget *object = make(&host);
        if (!object->isWindow())
            layout->addWidget(object);
        if (!label.isEmpty())
            hostLabel->setBuddy(object);
        host.show();
        object->show();
        QVERIFY(QTest::qWaitForWindowExposed(object));
        QWidget *control = part(object, path);
        QVERIFY(control);
        QCOMPARE(nameOf(control), english);

        catalogue = std::make_unique<Catalogue>(QStringLiteral("zh_CN"));
        QCoreApplication::processEvents();
        QCOMPARE(nameOf(control), chinese);
        if (!label.isEmpty()) {
            // A label announces no change of text; its name follows once it has repainted.
            hostLabel->setText(QStringLiteral("Other"));
            QTRY_COMPARE(nameOf(control), QString(chinese).replace(QString(label).remove(QLatin1Char('&')).remove(QLatin1Char(':')), QStringLiteral("Other")));
        }
    }
};

QTEST_MAIN(tst_AccessibleNames)
#include "tst_accessiblenames.moc"
