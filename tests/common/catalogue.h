// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef TST_CATALOGUE_H
#define TST_CATALOGUE_H

#include <QCoreApplication>
#include <QTranslator>
#include <QtTest>

// The library's catalogue of one language ("en", "zh_CN") or a .qm file given by its path,
// installed while the object lives; texts are built from it.
struct Catalogue {
    QTranslator translator;
    explicit Catalogue(const QString &language = QStringLiteral("en"))
    {
        const QString file = language.contains(QLatin1Char('/')) ? language : QStringLiteral(":/qm/tr_libwidgetdeck_") + language;
        QVERIFY2(translator.load(file), qPrintable(file));
        QVERIFY(QCoreApplication::installTranslator(&translator));
    }
    ~Catalogue() { QCoreApplication::removeTranslator(&translator); }
};

#endif // TST_CATALOGUE_H
