// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include <QFile>
#include <QtTest>

#include <dlfcn.h>

// The resource tree must live exactly as long as the library is loaded.
class tst_LibraryLoad : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void resourcesFollowLoadAndUnload()
    {
        const QString path = QStringLiteral(":/img/commonImge/warning");
        QVERIFY(!QFile::exists(path));
        void *handle = dlopen(WIDGETDECK_LIBRARY_FILE, RTLD_NOW | RTLD_LOCAL);
        QVERIFY2(handle, dlerror());
        QVERIFY(QFile::exists(path));
        QCOMPARE(dlclose(handle), 0);
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_GUILESS_MAIN(tst_LibraryLoad)
#include "tst_libraryload.moc"
