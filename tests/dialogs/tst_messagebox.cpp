// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include <QDir>
#include <QFileInfo>
#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryFile>
#include <QTimer>
#include <QtTest>

#include <functional>

#include "qmymessagebox.h"
#include "qokcancel.h"

// Receives the URLs the message box asks the desktop to open, so no application starts.
class UrlSink : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public Q_SLOTS:
    void open(const QUrl &url) { opened << url; }
};

namespace {
QMyMessageBox *activeBox() { return qobject_cast<QMyMessageBox *>(QApplication::activeModalWidget()); }

// Runs @p action on the box once it is up and modal.
void whenShown(std::function<void(QMyMessageBox *)> action)
{
    QTimer::singleShot(0, [action] {
        QMyMessageBox *box = nullptr;
        QTRY_VERIFY((box = activeBox()) != nullptr);
        action(box);
    });
}

QPushButton *visibleButton(QWidget *box, const QString &text)
{
    for (QPushButton *b : box->findChildren<QPushButton *>())
        if (b->isVisible() && b->text() == text)
            return b;
    return nullptr;
}

QStringList visibleButtons(QWidget *box)
{
    QStringList texts;
    for (QPushButton *b : box->findChildren<QPushButton *>())
        if (b->isVisible())
            texts << b->text();
    return texts;
}

void click(QWidget *box, const QString &text)
{
    QPushButton *b = visibleButton(box, text);
    QVERIFY2(b, qPrintable(text));
    QTest::mouseClick(b, Qt::LeftButton);
}

QImage premultiplied(const QImage &image) { return image.convertToFormat(QImage::Format_ARGB32_Premultiplied); }
} // namespace

class tst_MessageBox : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void staticResults_data();
    void staticResults();
    void ownButtonTexts();
    void successOpensExistingFileOnly();
    void autoCloseAfterASecond();
    void keys();
    void instanceSetup();

private:
    UrlSink m_urls;
    QWidget m_parent;
};

void tst_MessageBox::initTestCase()
{
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_urls, "open");
    m_parent.resize(400, 300);
    m_parent.show();
}

void tst_MessageBox::cleanup()
{
    // Static functions must not leave boxes behind.
    for (QWidget *w : QApplication::allWidgets())
        QVERIFY(!qobject_cast<QMyMessageBox *>(w));
    m_urls.opened.clear();
}

void tst_MessageBox::staticResults_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QString>("press");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("icon");
    const QStringList ok{"STR_OK"}, okCancel{"STR_OK", "STR_CANCEL"};
    QTest::newRow("information ok") << "information" << ok << "STR_OK" << 1 << "information";
    QTest::newRow("warning ok") << "warning" << ok << "STR_OK" << 1 << "warning";
    QTest::newRow("critical ok") << "critical" << ok << "STR_OK" << 1 << "critical";
    QTest::newRow("question ok") << "question" << okCancel << "STR_OK" << 1 << "question";
    QTest::newRow("question cancel") << "question" << okCancel << "STR_CANCEL" << 0 << "question";
    // The success box shows the information icon, not the "success" image.
    QTest::newRow("success quit") << "success" << QStringList{"STR_OPEN", "STR_QUIT"} << "STR_QUIT" << 0
                                  << "information";
    QTest::newRow("information close control") << "information" << ok << "close" << 0 << "information";
}

void tst_MessageBox::staticResults()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, buttons);
    QFETCH(QString, press);
    QFETCH(int, result);
    QFETCH(QString, icon);

    QStringList seen;
    QImage shown;
    QString title, text;
    whenShown([&](QMyMessageBox *box) {
        seen = visibleButtons(box);
        shown = box->findChild<QLabel *>(QStringLiteral("labelImg"))->pixmap(Qt::ReturnByValue).toImage();
        text = box->findChild<QLabel *>(QStringLiteral("labelTxt"))->text();
        title = box->windowTitle();
        if (press == QLatin1String("close"))
            QTest::mouseClick(box->findChild<QWidget *>(QStringLiteral("baseDlgCloseButton")), Qt::LeftButton);
        else
            click(box, press);
    });
    const QString t = QStringLiteral("Title"), c = QStringLiteral("Body text");
    int r = -1;
    if (kind == QLatin1String("information"))
        r = QMyMessageBox::information(&m_parent, t, c);
    else if (kind == QLatin1String("warning"))
        r = QMyMessageBox::warning(&m_parent, t, c);
    else if (kind == QLatin1String("critical"))
        r = QMyMessageBox::critical(&m_parent, t, c);
    else if (kind == QLatin1String("question"))
        r = QMyMessageBox::question(&m_parent, t, c);
    else if (kind == QLatin1String("success"))
        r = QMyMessageBox::success(&m_parent, t, c, QString());
    QCOMPARE(seen, buttons);
    QCOMPARE(r, result);
    QCOMPARE(title, t);
    QCOMPARE(text, c);
    QVERIFY(!shown.isNull());
    QVERIFY(premultiplied(shown) == premultiplied(QImage(QStringLiteral(":/img/commonImge/") + icon)));
}

void tst_MessageBox::ownButtonTexts()
{
    for (const bool accept : {true, false}) {
        QStringList seen;
        whenShown([&](QMyMessageBox *box) {
            seen = visibleButtons(box);
            click(box, accept ? QStringLiteral("Upload") : QStringLiteral("Later"));
        });
        QCOMPARE(QMyMessageBox::information(&m_parent, "T", "C", QStringLiteral("Upload"), QStringLiteral("Later")),
                 accept ? 1 : 0);
        QCOMPARE(seen, QStringList({"Upload", "Later"}));
    }
    whenShown([](QMyMessageBox *box) { click(box, QStringLiteral("Yes")); });
    QCOMPARE(QMyMessageBox::question(&m_parent, "T", "C", QStringLiteral("Yes"), QStringLiteral("No")), 1);
}

void tst_MessageBox::successOpensExistingFileOnly()
{
    QTemporaryFile file;
    QVERIFY(file.open());
    whenShown([](QMyMessageBox *box) { click(box, QStringLiteral("STR_OPEN")); });
    QCOMPARE(QMyMessageBox::success(&m_parent, "T", "C", file.fileName()), 0);
    QCOMPARE(m_urls.opened, QList<QUrl>({QUrl::fromLocalFile(file.fileName())}));

    // A relative path reaches the desktop as an absolute local-file URL.
    m_urls.opened.clear();
    const QString relative = QDir::current().relativeFilePath(QFileInfo(file.fileName()).absoluteFilePath());
    whenShown([](QMyMessageBox *box) { click(box, QStringLiteral("STR_OPEN")); });
    QCOMPARE(QMyMessageBox::success(&m_parent, "T", "C", relative), 0);
    QCOMPARE(m_urls.opened, QList<QUrl>({QUrl::fromLocalFile(QFileInfo(file.fileName()).absoluteFilePath())}));

    // A missing file or an empty path: Open does nothing and the box stays until Quit.
    m_urls.opened.clear();
    for (const QString &path : {file.fileName() + QStringLiteral(".missing"), QString()}) {
        bool stillOpen = false;
        whenShown([&](QMyMessageBox *box) {
            click(box, QStringLiteral("STR_OPEN"));
            stillOpen = box->isVisible() && activeBox() == box;
            click(box, QStringLiteral("STR_QUIT"));
        });
        QCOMPARE(QMyMessageBox::success(&m_parent, "T", "C", path), 0);
        QVERIFY(stillOpen);
        QVERIFY(m_urls.opened.isEmpty());
    }
}

void tst_MessageBox::autoCloseAfterASecond()
{
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(QMyMessageBox::information(&m_parent, "T", "C", MEG_CLOSE_AUTO), 0);
    const qint64 elapsed = timer.elapsed();
    QVERIFY2(elapsed >= 950 && elapsed < 5000, qPrintable(QString::number(elapsed)));

    // Any other close type keeps the box open.
    bool openAfterDelay = false;
    whenShown([&](QMyMessageBox *box) {
        QTest::qWait(1300);
        openAfterDelay = box->isVisible();
        click(box, QStringLiteral("STR_OK"));
    });
    QCOMPARE(QMyMessageBox::information(&m_parent, "T", "C", MegCloseType(5)), 1);
    QVERIFY(openAfterDelay);
}

void tst_MessageBox::keys()
{
    bool openAfterEscape = false;
    whenShown([&](QMyMessageBox *box) {
        QTest::keyClick(box, Qt::Key_Escape);
        QTest::keyClick(box, Qt::Key_Space);
        openAfterEscape = box->isVisible();
        QTest::keyClick(box, Qt::Key_Enter);
    });
    QCOMPARE(QMyMessageBox::question(&m_parent, "T", "C"), 1);
    QVERIFY(openAfterEscape);

    // A button the user tabbed to answers Return with its own action.
    whenShown([](QMyMessageBox *box) {
        QPushButton *cancel = visibleButton(box, QStringLiteral("STR_CANCEL"));
        cancel->setFocus();
        QTest::keyClick(cancel, Qt::Key_Return);
    });
    QCOMPARE(QMyMessageBox::question(&m_parent, "T", "C"), 0);
}

void tst_MessageBox::instanceSetup()
{
    QMyMessageBox box;
    QVERIFY(box.findChild<QOkCancel *>(QStringLiteral("STATUSWID")));
    QCOMPARE(box.size(), QSize(350, 220));
    box.setContent(QStringLiteral("hello"));
    auto *text = box.findChild<QLabel *>(QStringLiteral("labelTxt"));
    QCOMPARE(text->text(), QStringLiteral("hello"));
    QVERIFY(text->wordWrap());
    QCOMPARE(box.size(), QSize(350, 220));
    // A long message grows the box; a huge one is capped and scrolls.
    QMyMessageBox tall;
    tall.setContent(QStringLiteral("word ").repeated(200));
    QVERIFY(tall.height() > 220);
    QMyMessageBox huge;
    huge.setContent(QStringLiteral("word ").repeated(20000));
    QVERIFY(huge.findChild<QWidget *>(QStringLiteral("contentScroll")));
    QVERIFY(huge.height() < 5000);
    box.setImg(QStringLiteral(":/img/commonImge/does-not-exist"));
    QVERIFY(box.findChild<QLabel *>(QStringLiteral("labelImg"))->pixmap(Qt::ReturnByValue).isNull());

    box.setBoxType(CONFIRM_BTN_OK_CANCEL_DEFAULT);
    box.setBtnText(QStringLiteral("A"), QStringLiteral("B"));
    box.show();
    QCOMPARE(visibleButtons(&box), QStringList({"STR_RECOVER_DEFAULT", "A", "B"}));
    // Default is not connected to anything.
    QSignalSpy finished(&box, &QDialog::finished);
    click(&box, QStringLiteral("STR_RECOVER_DEFAULT"));
    QCOMPARE(finished.count(), 0);
    QVERIFY(box.isVisible());
}

QTEST_MAIN(tst_MessageBox)
#include "tst_messagebox.moc"
