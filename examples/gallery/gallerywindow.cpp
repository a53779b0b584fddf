// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "gallerywindow.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTranslator>
#include <QVBoxLayout>

GalleryWindow::GalleryWindow(const QList<GalleryPage> &pages, QWidget *parent)
    : QWidget(parent)
    , m_pages(pages)
    , m_languageBox(new QComboBox(this))
    , m_pageList(new QListWidget(this))
    , m_stack(new QStackedWidget(this))
    , m_translator(new QTranslator(this))
    , m_galleryTranslator(new QTranslator(this))
{
    m_languageBox->setObjectName(QStringLiteral("languageBox"));
    m_languageBox->addItem(QStringLiteral("English"), QStringLiteral("en"));
    m_languageBox->addItem(QString::fromUtf8("中文"), QStringLiteral("zh_CN"));
    m_pageList->setObjectName(QStringLiteral("pageList"));
    m_pageList->setFixedWidth(250);
    m_pageList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto *top = new QHBoxLayout;
    m_languageLabel = new QLabel(this);
    m_languageLabel->setObjectName(QStringLiteral("languageLabel"));
    top->addWidget(m_languageLabel);
    top->addWidget(m_languageBox);
    top->addStretch();
    auto *body = new QHBoxLayout;
    body->addWidget(m_pageList);
    body->addWidget(m_stack, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(body, 1);

    connect(m_pageList, &QListWidget::currentRowChanged, m_stack, &QStackedWidget::setCurrentIndex);
    // Assistive technologies select an item without moving the current row.
    connect(m_pageList, &QListWidget::itemSelectionChanged, m_stack, [this] {
        const QList<QListWidgetItem *> selected = m_pageList->selectedItems();
        if (!selected.isEmpty())
            m_stack->setCurrentIndex(m_pageList->row(selected.first()));
    });
    connect(m_languageBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this](int index) { setLanguage(m_languageBox->itemData(index).toString()); });
    resize(1160, 760);
    setLanguage(QStringLiteral("en"));
}

bool GalleryWindow::setLanguage(const QString &language)
{
    QCoreApplication::removeTranslator(m_translator);
    QCoreApplication::removeTranslator(m_galleryTranslator);
    const bool loaded = m_translator->load(QStringLiteral(":/qm/tr_libwidgetdeck_") + language);
    if (loaded)
        QCoreApplication::installTranslator(m_translator);
    // The gallery is a host: its own catalogue goes next to the library's.
    if (m_galleryTranslator->load(QStringLiteral(":/qm/tr_gallery_") + language))
        QCoreApplication::installTranslator(m_galleryTranslator);
    m_languageLabel->setText(QCoreApplication::translate("Gallery", "Language:"));
    setWindowTitle(QCoreApplication::translate("Gallery", "WidgetDeck gallery"));
    m_language = language;
    const int index = m_languageBox->findData(language);
    if (index >= 0 && index != m_languageBox->currentIndex()) {
        const QSignalBlocker blocker(m_languageBox);
        m_languageBox->setCurrentIndex(index);
    }
    rebuildPages();
    return loaded;
}

void GalleryWindow::rebuildPages()
{
    const int current = qMax(0, m_pageList->currentRow());
    while (m_stack->count() > 0) {
        QWidget *page = m_stack->widget(0);
        m_stack->removeWidget(page);
        delete page;
    }
    const QSignalBlocker blocker(m_pageList);
    m_pageList->clear();
    for (const GalleryPage &page : qAsConst(m_pages)) {
        m_pageList->addItem(QCoreApplication::translate("Gallery", page.title.toUtf8().constData()));
        m_stack->addWidget(page.build());
    }
    if (!m_pages.isEmpty()) {
        m_pageList->setCurrentRow(qMin(current, m_pages.size() - 1));
        m_stack->setCurrentIndex(m_pageList->currentRow());
    }
}

int GalleryWindow::writeScreenshots(const QString &dir)
{
    const QDir out(dir);
    out.mkpath(m_language);
    show();
    int written = 0;
    for (int i = 0; i < m_pages.size(); ++i) {
        m_pageList->setCurrentRow(i);
        QApplication::processEvents();
        // No focus frame, caret or selection left over from building the page.
        if (QWidget *focused = QApplication::focusWidget())
            focused->clearFocus();
        for (QLineEdit *edit : m_stack->currentWidget()->findChildren<QLineEdit *>())
            edit->deselect();
        QApplication::sendPostedEvents();
        QApplication::processEvents();
        QString slug = m_pages.at(i).title.toLower();
        slug.replace(QRegularExpression(QStringLiteral("[^a-z0-9]+")), QStringLiteral("-"));
        const QString file = out.filePath(QStringLiteral("%1/%2-%3.png")
                                              .arg(m_language)
                                              .arg(i + 1, 2, 10, QLatin1Char('0'))
                                              .arg(slug));
        if (grab().save(file))
            ++written;
    }
    return written;
}
