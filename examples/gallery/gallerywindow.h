// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef GALLERYWINDOW_H
#define GALLERYWINDOW_H

#include "gallerypages.h"

#include <QWidget>

class QComboBox;
class QListWidget;
class QStackedWidget;
class QLabel;
class QTranslator;

// Page list on the left, the current page on the right, a language switch on top.
class GalleryWindow : public QWidget
{
    Q_OBJECT
public:
    explicit GalleryWindow(const QList<GalleryPage> &pages, QWidget *parent = nullptr);

    // Installs the library's translator for "en" or "zh_CN" and rebuilds every page.
    bool setLanguage(const QString &language);
    // Writes one PNG per page into dir/<language>/; returns the number written.
    int writeScreenshots(const QString &dir);

private:
    void rebuildPages();

    QList<GalleryPage> m_pages;
    QString m_language;
    QComboBox *m_languageBox;
    QListWidget *m_pageList;
    QStackedWidget *m_stack;
    QTranslator *m_translator;
    QTranslator *m_galleryTranslator;
    QLabel *m_languageLabel = nullptr;
};

#endif // GALLERYWINDOW_H
