// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

// Long pastes, control characters, non-ASCII text and key storms into the editors with their
// own key handling or range checks: nothing crashes and values stay within their ranges.
// Validators and parsers with a fuzz target are left to it (its seeds replay in tst_fuzzseeds);
// the IP editors stay here for the keys that move between segments, which no fuzzer drives.
#include "qeditip.h"
#include "qhexdlg.h"
#include "qintlineedit.h"
#include "qiplineedit.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLoggingCategory>
#include <QLineEdit>
#include <QPointer>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

#include <functional>

#include "typing.h"

namespace {

// May split a surrogate pair at the end, as a careless paste can.
QString repeated(const QString &unit, int size) { return unit.repeated(size / unit.size() + 1).left(size); }

QString controls()
{
    QString text;
    for (ushort c = 0; c < 0x20; ++c)
        text += QChar(c);
    return text + QChar(0x7f) + QChar(0x200e) + QChar(0x2028) + QChar(0xfeff);
}

const QString NonAscii = QString::fromUtf8("\u0663\u0664.\u0661.\u0662.\u0663 \uFF26\uFF26 \u5341\u516D \u00e9\u00df") + QChar(0xd800);

bool matches(const QString &pattern, const QString &text)
{
    return QRegularExpression(QStringLiteral("\\A(?:%1)\\z").arg(pattern)).match(text).hasMatch();
}

// Four dot-separated parts, each empty or one to three ASCII digits worth at most 255.
bool octetsInRange(const QString &dotted)
{
    const QString octet = QStringLiteral("(?:[0-9]{0,2}|[01][0-9]{2}|2[0-4][0-9]|25[0-5])");
    return matches(QStringLiteral("%1\\.%1\\.%1\\.%1").arg(octet), dotted);
}

struct Subject {
    QWidget *widget = nullptr;
    std::function<bool()> holds; // the invariant after every attack
};

// Each editor kind with the invariant that must hold after every attack.
Subject makeSubject(const QString &kind)
{
    if (kind == QLatin1String("int line edit")) {
        auto *edit = new QIntLineEdit(nullptr, 0, 9999);
        return {edit, [edit] {
                    bool ok = false;
                    const int value = edit->locale().toInt(edit->text(), &ok);
                    return edit->text().size() <= 8 && (!ok || (value >= 0 && value <= 9999));
                }};
    }
    if (kind == QLatin1String("multi-radix dialog")) {
        auto *dialog = new QHexDlg(nullptr, 16);
        dialog->setRange(0, 1000);
        dialog->setInitialData(5);
        return {dialog, [dialog] { return dialog->getModifyData() >= 0 && dialog->getModifyData() <= 1000; }};
    }
    if (kind == QLatin1String("segmented IP editor")) {
        auto *edit = new QEditIP;
        return {edit, [edit] { return octetsInRange(edit->text()); }};
    }
    if (kind == QLatin1String("IP line edit")) {
        auto *edit = new QIPLineEdit;
        return {edit, [edit] { return octetsInRange(edit->getIP()); }};
    }
    return {};
}

} // namespace

class tst_HostileInput : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void editors_data();
    void editors();
};

void tst_HostileInput::editors_data()
{
    QTest::addColumn<QString>("kind");
    for (const char *kind : {"int line edit", "multi-radix dialog", "segmented IP editor", "IP line edit"})
        QTest::newRow(kind) << QString::fromLatin1(kind);
}

void tst_HostileInput::editors()
{
    QFETCH(QString, kind);
    Subject subject = makeSubject(kind);
    QVERIFY(subject.widget);
    QScopedPointer<QWidget> owner(subject.widget);
    subject.widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(subject.widget));

    QList<QLineEdit *> edits = subject.widget->findChildren<QLineEdit *>();
    if (auto *self = qobject_cast<QLineEdit *>(subject.widget))
        edits.prepend(self);
    QVERIFY(!edits.isEmpty());

    const QStringList pastes = {repeated(QStringLiteral("0123456789abcdefABCDEF.:/\\ \t\u00e9\u4e2d") + QString::fromUtf8("\U0001F600"), 100000),
                                repeated(QStringLiteral("9"), 100000), controls(), NonAscii};
    const QList<int> storm = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left, Qt::Key_Right, Qt::Key_Home,
                              Qt::Key_End, Qt::Key_Return, Qt::Key_Up, Qt::Key_Down, Qt::Key_Tab};
    const QString printable = QStringLiteral("0123456789abcdefxyzABCDEFXYZ .:-+/\\*?\"<>|\u00e9\u4e2d");
    QRandomGenerator random(8);

    for (QLineEdit *edit : qAsConst(edits)) {
        QPointer<QLineEdit> guard(edit);
        const auto why = [edit](const char *when) { return edit->objectName() + when + edit->text().left(40); };
        for (const QString &text : pastes) {
            QApplication::clipboard()->setText(text);
            edit->selectAll();
            edit->paste();
            QVERIFY2(subject.holds(), qPrintable(why(" after a paste: ")));
            edit->insert(text.left(64));
            QVERIFY2(subject.holds(), qPrintable(why(" after an insert: ")));
        }
        for (int i = 0; i < 400 && guard; ++i) {
            if (random.bounded(4) == 0)
                QTest::keyClick(edit, Qt::Key(storm.at(int(random.bounded(storm.size())))));
            else
                typeText(edit, printable.at(int(random.bounded(printable.size()))));
            if (i % 20 == 0)
                QVERIFY2(subject.holds(), qPrintable(why(" in a key storm: ")));
        }
        QVERIFY(guard);
        QVERIFY(subject.holds());
    }
}

int main(int argc, char *argv[])
{
    // The validators log every keystroke; a 100,000-character paste would flood the log.
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    QApplication app(argc, argv);
    tst_HostileInput test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hostileinput.moc"
