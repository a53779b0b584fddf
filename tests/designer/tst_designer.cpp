// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include "ui_everywidget.h"

#include <QLocale>
#include <QPluginLoader>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

namespace {
const QMap<QString, QStringList> kExpected = {
    {"WidgetDeck: Confirmation", {"QOkCancel"}},
    {"WidgetDeck: Cursors", {"QCursorFrame"}},
    {"WidgetDeck: Numeric Entry", {"QHexSpinBox", "QMultiHexSpinBox", "QHexLineEdit", "QIntLineEdit"}},
    {"WidgetDeck: Network", {"QIPLineEdit", "QEditIP", "QWebSetClient"}},
    {"WidgetDeck: Value Dialogs", {"QColorButton"}},
    {"WidgetDeck: Paths", {"QFolderEdit", "QPathLineEdit"}},
    {"WidgetDeck: Selection and Navigation",
     {"QClickImgLabel", "QClickRadioButton", "QImgRadioButton", "QChooseWidget", "QTopWizard", "QTopSideWidget",
      "QEdgeWidget", "QRotatePushButton", "QMenuButton", "QCustomPushButton", "QCustomButton", "QIndustryItem"}},
    {"WidgetDeck: Input Wrappers",
     {"QExtendComboBox", "QExtendDoubleSpinBox", "QNoWheelComboBox", "QNoWheelDateTimeEdit", "QNoWheelDouSpinBox",
      "QMyCombobox", "QItemComboBox", "QAxisComBoxWidget", "QCustomLineEdit", "QCustomDateTimeEdit", "QPswEdit",
      "QTranslatedTextEdit", "QPressLabel"}},
};
} // namespace

// The palette a form editor shows: every placeable widget, by family, each one creatable and
// usable in a form that uic compiles.
class tst_Designer : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        // The plugin picks the catalogue from the locale when it is loaded.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QPluginLoader loader(QStringLiteral(WIDGETDECK_DESIGNER_PLUGIN));
        QCOMPARE(loader.metaData().value(QStringLiteral("IID")).toString(),
                 QStringLiteral("org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface"));
        auto *collection = qobject_cast<QDesignerCustomWidgetCollectionInterface *>(loader.instance());
        QVERIFY2(collection, qPrintable(loader.errorString()));
        m_widgets = collection->customWidgets();
    }

    void offersEveryPlaceableWidgetByFamily_data()
    {
        QTest::addColumn<QString>("catalogue");
        QTest::addColumn<QString>("ok");
        QTest::newRow("en") << QStringLiteral(":/qm/tr_libwidgetdeck_en") << QStringLiteral("OK");
        QTest::newRow("zh_CN") << QStringLiteral(":/qm/tr_libwidgetdeck_zh_CN")
                                << QString::fromUtf8("\xe7\xa1\xae\xe5\xae\x9a");
    }

    // Each offered widget: palette data and a preview created
    // under a host's form, which then reads the host's language, never a key.
    void offersEveryPlaceableWidgetByFamily()
    {
        QFETCH(QString, catalogue);
        QFETCH(QString, ok);
        QTranslator translator;
        QVERIFY(translator.load(catalogue));
        QVERIFY(QCoreApplication::installTranslator(&translator));
        QMap<QString, QStringList> offered;
        QWidget form;
        for (QDesignerCustomWidgetInterface *widget : m_widgets) {
            offered[widget->group()] << widget->name();
            QVERIFY2(!widget->icon().pixmap(16, 16).isNull(), qPrintable(widget->name()));
            QVERIFY(!widget->isContainer());
            QCOMPARE(widget->includeFile(), widget->name().toLower() + ".h");

            QWidget *created = widget->createWidget(&form);
            QVERIFY2(created, qPrintable(widget->name()));
            // Designer warns when the palette's name differs from the run-time class name.
            QCOMPARE(QString::fromLatin1(created->metaObject()->className()), widget->name());
        }
        QCOMPARE(offered, kExpected);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        // Texts that show a catalogue key instead of its translation, and the buttons' texts.
        QStringList keys, buttons;
        for (const QWidget *child : form.findChildren<QWidget *>()) {
            const QString text = child->property("text").toString();
            if (text.startsWith(QLatin1String("STR_")))
                keys << child->objectName() + QLatin1String(": ") + text;
            if (qobject_cast<const QPushButton *>(child))
                buttons << text;
        }
        QCOMPARE(keys, QStringList());
        QVERIFY2(buttons.contains(ok), qPrintable(buttons.join(QLatin1Char(' '))));
    }

    // A host's form holding every offered widget, compiled by uic, builds them in the palette's order.
    void uicFormHoldsEveryWidget()
    {
        QWidget form;
        Ui::EveryWidgetForm().setupUi(&form);
        QStringList built, offered;
        for (QWidget *child : form.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
            built << QString::fromLatin1(child->metaObject()->className());
        for (QDesignerCustomWidgetInterface *widget : m_widgets)
            offered << widget->name();
        QCOMPARE(built, offered);
    }

private:
    QList<QDesignerCustomWidgetInterface *> m_widgets;
};

QTEST_MAIN(tst_Designer)
#include "tst_designer.moc"
