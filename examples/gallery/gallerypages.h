// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef GALLERYPAGES_H
#define GALLERYPAGES_H

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <functional>

class QWidget;

// A gallery page: its title in the page list and a factory that builds it. Pages are built
// anew after every language switch, since the library translates its texts when set.
struct GalleryPage {
    QString title;
    std::function<QWidget *()> build;
};

// The gallery's own texts are in the context "Gallery" of its own catalogue, installed next to
// the library's; page titles stay English in GalleryPage (they name the screenshot files).
// One function per group of widget families; each lives in its own pages_*.cpp.
QList<GalleryPage> messagePages();
QList<GalleryPage> numericPages();
QList<GalleryPage> networkPages();
QList<GalleryPage> dialogPages();
QList<GalleryPage> buttonPages();

#endif // GALLERYPAGES_H
