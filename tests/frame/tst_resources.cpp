// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QPushButton>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include "qokcancel.h"

class tst_Resources : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void catalogue_data();
    void catalogue();
    void cataloguesHoldTheSameRows();
    void untranslatedKeysShowAsKeys();
    void images_data();
    void images();
    void hostPathsAreNotShipped();
};

void tst_Resources::catalogue_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    QTest::newRow("en OkCancel cancel") << "en" << "OkCancel" << "STR_CANCEL" << "Cancel";
    QTest::newRow("en input dialog cancel") << "en" << "QStyleInputDialog" << "STR_CANCEL" << "Cancel";
    QTest::newRow("en progress cancel") << "en" << "QExtendProgressDialog" << "STR_CANCEL" << "Cancel";
    QTest::newRow("en default") << "en" << "OkCancel" << "STR_RECOVER_DEFAULT" << "Default";
    QTest::newRow("en config failed") << "en" << "QWebSetClient" << "STR_CONFIG_FAILED"
                                      << "Configuration failed. Cause: %1";
    QTest::newRow("en folder tip") << "en" << "QFolderEdit" << "STR_FOLDER_INVALID_TIP"
                                   << "A file name cannot contains:\n\\ / : * ? \" < > |";
    QTest::newRow("en export format") << "en" << "exportDlg" << "STR_SELECT_EXPORT_FORMAT" << "Export to:";
    QTest::newRow("zh OkCancel cancel") << "zh_CN" << "OkCancel" << "STR_CANCEL" << QString::fromUtf8("取消");
    QTest::newRow("zh default") << "zh_CN" << "OkCancel" << "STR_RECOVER_DEFAULT"
                                << QString::fromUtf8("恢复默认值");
    QTest::newRow("zh export format") << "zh_CN" << "exportDlg" << "STR_SELECT_EXPORT_FORMAT"
                                      << QString::fromUtf8("选择导出格式：");
    QTest::newRow("zh folder tip") << "zh_CN" << "QFolderEdit" << "STR_FOLDER_INVALID_TIP"
                                   << QString::fromUtf8("文件名不能包含下列任何字符:\n\\ / : * ? \" < > |");
    QTest::newRow("zh base dialog close") << "zh_CN" << "QBaseDlg" << "STR_CLOSE" << QString::fromUtf8("关闭");
    // A key exists only in the contexts the catalogue lists.
    QTest::newRow("en wrong context") << "en" << "QHexDlg" << "STR_CANCEL" << QString();
}

void tst_Resources::catalogue()
{
    QFETCH(QString, language);
    QFETCH(QString, context);
    QFETCH(QString, key);
    QFETCH(QString, expected);

    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/qm/tr_libwidgetdeck_") + language));
    QCOMPARE(translator.translate(context.toUtf8().constData(), key.toUtf8().constData()), expected);
}

namespace {
// (context, key) pairs of a .ts source, each of which must carry a finished translation.
QSet<QPair<QString, QString>> rowsOf(const QString &fileName, int *unfinished)
{
    QSet<QPair<QString, QString>> rows;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return rows;
    QXmlStreamReader xml(&file);
    QString context, source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation")) {
            if (xml.attributes().hasAttribute(QStringLiteral("type")))
                ++*unfinished;
            rows.insert({context, source});
        }
    }
    return rows;
}
} // namespace

void tst_Resources::cataloguesHoldTheSameRows()
{
    int unfinished = 0;
    const auto en = rowsOf(QStringLiteral(WIDGETDECK_TS_DIR "/tr_libwidgetdeck_en.ts"), &unfinished);
    const auto zh = rowsOf(QStringLiteral(WIDGETDECK_TS_DIR "/tr_libwidgetdeck_zh_CN.ts"), &unfinished);
    // Only STR_ keys are catalogue rows; form titles never enter it.
    for (const auto &row : en)
        QVERIFY2(row.second.startsWith(QLatin1String("STR_")), qPrintable(row.first + ": " + row.second));
    QVERIFY(!en.isEmpty());
    QCOMPARE(en, zh);
    QCOMPARE(unfinished, 0);
}

void tst_Resources::untranslatedKeysShowAsKeys()
{
    const auto texts = [](QOkCancel &bar) {
        QStringList all;
        for (QPushButton *button : bar.findChildren<QPushButton *>())
            all << button->text();
        return all;
    };
    QOkCancel bar;
    QCOMPARE(texts(bar), QStringList({"STR_OPEN", "STR_RECOVER_DEFAULT", "STR_OK", "STR_CANCEL", "STR_QUIT"}));

    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/qm/tr_libwidgetdeck_en")));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    QOkCancel translated;
    // Texts are translated when set; removing the translator does not change them.
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(texts(translated), QStringList({"Open", "Default", "OK", "Cancel", "Quit"}));

    // A language the library does not ship, built by lrelease as documented, and installed
    // after ours: its rows win, ours still fill the keys it leaves out.
    QTranslator ours;
    QTranslator third;
    QVERIFY(ours.load(QStringLiteral(":/qm/tr_libwidgetdeck_en")));
    QVERIFY(third.load(QStringLiteral(WIDGETDECK_DE_QM)));
    QVERIFY(QCoreApplication::installTranslator(&ours));
    QVERIFY(QCoreApplication::installTranslator(&third));
    QOkCancel german;
    QCoreApplication::removeTranslator(&third);
    QCoreApplication::removeTranslator(&ours);
    QCOMPARE(texts(german), QStringList({"Open", "Default", "OK", "Abbrechen", "Quit"}));
}

void tst_Resources::images_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"information", "critical", "warning", "question", "success", "failure"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void tst_Resources::images()
{
    QFETCH(QString, name);
    const QImage image(QStringLiteral(":/img/commonImge/") + name);
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), QSize(32, 32));
    QVERIFY(image.hasAlphaChannel());
    // A glyph is drawn: the image is neither empty nor a single flat colour.
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    QVERIFY(colours.size() > 2);
}

void tst_Resources::hostPathsAreNotShipped()
{
    QVERIFY(QPixmap(QStringLiteral(":/img/commonImge/arrow_left")).isNull());
    QVERIFY(QPixmap(QStringLiteral(":/img/commonImge/inverter")).isNull());
    QVERIFY(!QFile::exists(QStringLiteral(":/img/noImg.png")));
}

QTEST_MAIN(tst_Resources)
#include "tst_resources.moc"
