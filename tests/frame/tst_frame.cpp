// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// What the frame gives every family: catalogues, accessible names for controls that show only
// an image (the password toggle's are the input tests'), and double-size images on high-density
// screens.
#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <memory>

#include "catalogue.h"

// The checks follow the families built (HAS_<family>, from the build).
#include "qbasedlg.h"
#ifdef HAS_DIALOGS
#include "qcolorbutton.h"
#include "qmymessagebox.h"
#include "qokcancel.h"
#endif
#ifdef HAS_BUTTONS
#include "qcustompushbutton.h"
#include "qimgradiobutton.h"
#include "qtopsidewidget.h"
#endif

namespace {
QString nameOf(QObject *object)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(QAccessible::Name) : QStringLiteral("<no interface>");
}

[[maybe_unused]] QStringList buttonTexts(QWidget *widget)
{
    QStringList all;
    for (QPushButton *button : widget->findChildren<QPushButton *>())
        all << button->text();
    return all;
}
} // namespace

class tst_Frame : public QObject
{
    Q_OBJECT
private Q_SLOTS:
#ifdef HAS_DIALOGS
    void untranslatedKeysShowAsKeys()
    {
        // Buttons are built as a set first shows them: these two sets build all five.
        QOkCancel bar(nullptr, CONFIRM_BTN_OPEN_QUIT);
        bar.setConfirmBtnType(CONFIRM_BTN_OK_CANCEL_DEFAULT);
        QCOMPARE(buttonTexts(&bar),
                 QStringList({"STR_OPEN", "STR_RECOVER_DEFAULT", "STR_OK", "STR_CANCEL", "STR_QUIT"}));
        // Texts are translated when set; removing the translator does not change them.
        auto english = std::make_unique<Catalogue>();
        QOkCancel translated(nullptr, CONFIRM_BTN_OPEN_QUIT);
        translated.setConfirmBtnType(CONFIRM_BTN_OK_CANCEL_DEFAULT);
        english.reset();
        QCOMPARE(buttonTexts(&translated), QStringList({"Open", "Default", "OK", "Cancel", "Quit"}));

        // A language the library does not ship, built by lrelease as documented, and installed
        // after ours: its rows win, ours still fill the keys it leaves out.
        english = std::make_unique<Catalogue>();
        auto third = std::make_unique<Catalogue>(QStringLiteral(WIDGETDECK_DE_QM));
        QOkCancel german(nullptr, CONFIRM_BTN_OPEN_QUIT);
        german.setConfirmBtnType(CONFIRM_BTN_OK_CANCEL_DEFAULT);
        third.reset();
        english.reset();
        QCOMPARE(buttonTexts(&german), QStringList({"Open", "Default", "OK", "Abbrechen", "Quit"}));
    }
#endif

    void imageOnlyControlsAreNamed()
    {
        Catalogue english;
        QBaseDlg dialog;
        QCOMPARE(nameOf(dialog.findChild<QToolButton *>(QStringLiteral("baseDlgCloseButton"))),
                 QStringLiteral("Close"));

#ifdef HAS_BUTTONS
        QTopSideWidget side;
        QCOMPARE(nameOf(side.findChild<QToolButton *>(QStringLiteral("CLOSEBTN1"))), QStringLiteral("Close"));
        QCOMPARE(nameOf(side.findChild<QToolButton *>(QStringLiteral("VIEWBTN"))), QStringLiteral("Hide"));
        QImgRadioButton tile(nullptr, QStringLiteral("Servo"), QStringLiteral(":/img/commonImge/success"));
        QCOMPARE(nameOf(tile.findChild<QLabel *>(QStringLiteral("labelImg"))), QStringLiteral("Servo"));
#endif

#ifdef HAS_DIALOGS
        QColorButton colour;
        colour.setColor(Qt::red);
        QCOMPARE(nameOf(&colour), QStringLiteral("Color"));
        QCOMPARE(QAccessible::queryAccessibleInterface(&colour)->text(QAccessible::Description),
                 QStringLiteral("#ff0000"));

        QMyMessageBox box;
        auto *icon = box.findChild<QLabel *>(QStringLiteral("labelImg"));
        // A host image carries no claim about the message's kind.
        const std::pair<const char *, const char *> images[] = {
            {":/img/commonImge/warning", "Warning"}, {":/img/commonImge/critical", "Error"}, {":/host/logo", ""}};
        for (const auto &image : images) {
            box.setImg(QLatin1String(image.first));
            QCOMPARE(icon->accessibleName(), QLatin1String(image.second));
        }
#endif
    }

#ifdef HAS_BUTTONS
    // A host's image shows wherever an image reader finds it (a name without a suffix also
    // matches it with a format's suffix); where nothing is there the tile shows none.
    void hostImagesLoad_data()
    {
        QTest::addColumn<QString>("file"); // written into a scratch folder, "" for none
        QTest::addColumn<QString>("path"); // asked for, inside that folder unless a resource
        QTest::addColumn<bool>("shown");
        QTest::newRow("with suffix") << "tile.png" << "tile.png" << true;
        QTest::newRow("suffix added by the reader") << "tile.png" << "tile" << true;
        QTest::newRow("file without suffix") << "tile" << "tile" << true;
        QTest::newRow("longer name only") << "tiles.png" << "tile" << false;
        QTest::newRow("missing") << "" << "tile" << false;
        QTest::newRow("missing with suffix") << "" << "tile.png" << false;
        QTest::newRow("missing folder") << "" << "nowhere/tile" << false;
        QTest::newRow("resource") << "" << ":/img/commonImge/success" << true;
    }
    void hostImagesLoad()
    {
        QFETCH(QString, file);
        QFETCH(QString, path);
        QFETCH(bool, shown);
        QTemporaryDir dir;
        if (!file.isEmpty()) {
            QImage image(4, 4, QImage::Format_ARGB32);
            image.fill(Qt::red);
            QVERIFY(image.save(dir.filePath(file), "PNG"));
        }
        QImgRadioButton tile(nullptr, QStringLiteral("Tile"), path.startsWith(QLatin1Char(':')) ? path : dir.filePath(path));
        auto *label = tile.findChild<QLabel *>(QStringLiteral("labelImg"));
        QVERIFY(label);
        QCOMPARE(!label->pixmap(Qt::ReturnByValue).isNull(), shown);
    }
#endif

    // Run alone with QT_SCALE_FACTOR=2 (the tst_highdpi test), skipped otherwise.
    // The message images and the status button's images come from their "@2x" variants.
    void highDpiIcons()
    {
        if (QWidget().devicePixelRatioF() != 2.0)
            QSKIP("needs QT_SCALE_FACTOR=2");
#ifdef HAS_DIALOGS
        QMyMessageBox box;
        box.setImg(QStringLiteral(":/img/commonImge/warning"));
        auto *label = box.findChild<QLabel *>(QStringLiteral("labelImg"));
        const QPixmap shown = label->pixmap(Qt::ReturnByValue);
        QCOMPARE(shown.size(), QSize(64, 64));
        QCOMPARE(shown.devicePixelRatio(), 2.0);
        // A path without a 2x variant still loads at its own size.
        box.setImg(QStringLiteral(":/qm/../img/commonImge/does-not-exist"));
        QVERIFY(label->pixmap(Qt::ReturnByValue).isNull());
#endif
#ifdef HAS_BUTTONS
        QCustomPushButton button;
        for (bool ok : {true, false}) {
            button.setButtonStatus(ok, QStringLiteral("timeout"));
            const QPixmap shown = button.getLabelImg()->pixmap(Qt::ReturnByValue);
            QCOMPARE(shown.size(), QSize(64, 64));
            QCOMPARE(shown.devicePixelRatio(), 2.0);
        }
#endif
    }
};

QTEST_MAIN(tst_Frame)
#include "tst_frame.moc"
