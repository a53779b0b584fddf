// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include "ui_everywidget.h"

#include <QLocale>
#include <QPluginLoader>
#include <QPushButton>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include <algorithm>

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

// Texts that show a catalogue key instead of its translation.
QStringList keysShown(const QWidget *form)
{
    QStringList keys;
    for (const QWidget *child : form->findChildren<QWidget *>())
        if (child->property("text").toString().startsWith(QLatin1String("STR_")))
            keys << child->objectName() + QLatin1String(": ") + child->property("text").toString();
    return keys;
}

bool hasButton(const QWidget *parent, const QString &text)
{
    const QList<QPushButton *> buttons = parent->findChildren<QPushButton *>();
    return std::any_of(buttons.cbegin(), buttons.cend(), [&](const QPushButton *b) { return b->text() == text; });
}
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

    // Each offered widget: palette data, default properties that parse and name the class and a
    // non-empty geometry, and a preview created under the form that reads texts, never keys.
    void offersEveryPlaceableWidgetByFamily()
    {
        QMap<QString, QStringList> offered;
        QWidget form;
        for (QDesignerCustomWidgetInterface *widget : m_widgets) {
            offered[widget->group()] << widget->name();
            QVERIFY2(!widget->icon().pixmap(16, 16).isNull(), qPrintable(widget->name()));
            QVERIFY(!widget->toolTip().isEmpty());
            QVERIFY(!widget->whatsThis().isEmpty());
            QVERIFY(!widget->isContainer());
            QCOMPARE(widget->includeFile(), widget->name().toLower() + ".h");

            QXmlStreamReader xml(widget->domXml());
            QString declared;
            int width = 0;
            while (!xml.atEnd()) {
                if (xml.readNext() != QXmlStreamReader::StartElement)
                    continue;
                if (xml.name() == QLatin1String("widget") && declared.isEmpty())
                    declared = xml.attributes().value("class").toString();
                else if (xml.name() == QLatin1String("width"))
                    width = xml.readElementText().toInt();
            }
            QVERIFY2(!xml.hasError(), qPrintable(widget->name() + ": " + xml.errorString()));
            QCOMPARE(declared, widget->name());
            QVERIFY(width > 0);

            QWidget *created = widget->createWidget(&form);
            QVERIFY2(created, qPrintable(widget->name()));
            QCOMPARE(created->parentWidget(), &form);
            QVERIFY(!created->isWindow());
            // Designer warns when the palette's name differs from the run-time class name.
            QCOMPARE(QString::fromLatin1(created->metaObject()->className()), widget->name());
        }
        QCOMPARE(offered, kExpected);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(keysShown(&form), QStringList());
        QVERIFY(hasButton(&form, QStringLiteral("OK")));
    }

    void formHoldsEveryWidget_data()
    {
        QTest::addColumn<QString>("catalogue");
        QTest::addColumn<QString>("ok");
        QTest::newRow("en") << QStringLiteral(":/qm/tr_libwidgetdeck_en") << QStringLiteral("OK");
        QTest::newRow("zh_CN") << QStringLiteral(":/qm/tr_libwidgetdeck_zh_CN")
                                << QString::fromUtf8("\xe7\xa1\xae\xe5\xae\x9a");
    }

    // The form a host draws with every offered widget, built through uic's code with a translator.
    void formHoldsEveryWidget()
    {
        QFETCH(QString, catalogue);
        QFETCH(QString, ok);
        QTranslator translator;
        QVERIFY(translator.load(catalogue));
        QVERIFY(QCoreApplication::installTranslator(&translator));
        QWidget form;
        Ui::EveryWidgetForm ui;
        ui.setupUi(&form);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QStringList built, offered;
        for (QWidget *child : form.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
            QCOMPARE(child->objectName(), QLatin1Char('w') + QLatin1String(child->metaObject()->className()));
            built << child->objectName().mid(1);
        }
        for (QDesignerCustomWidgetInterface *widget : m_widgets)
            offered << widget->name();
        QCOMPARE(built, offered);
        QCOMPARE(keysShown(&form), QStringList());
        QVERIFY(hasButton(ui.wQOkCancel, ok));
        QCoreApplication::removeTranslator(&translator);
    }

private:
    QList<QDesignerCustomWidgetInterface *> m_widgets;
};

QTEST_MAIN(tst_Designer)
#include "tst_designer.moc"
