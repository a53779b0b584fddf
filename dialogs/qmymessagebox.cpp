// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#include "qmymessagebox.h"
#include "ui_qmymessagebox.h"
#include "widgetdeckpixmap_p.h"
#include "dialogslogging_p.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

namespace {
constexpr int AutoCloseMs = 1000;

QString iconPath(MessageBoxType_E type)
{
    switch (type) {
    case MSG_BOX_CRITICAL:
        return QStringLiteral(":/img/commonImge/critical");
    case MSG_BOX_WARNING:
        return QStringLiteral(":/img/commonImge/warning");
    case MSG_BOX_QUESTION:
        return QStringLiteral(":/img/commonImge/question");
    case MSG_BOX_INFORMATION:
    case MSG_BOX_SUCCESS:
        break;
    }
    return QStringLiteral(":/img/commonImge/information");
}

ConfirmBtnType_E buttonsFor(MessageBoxType_E type)
{
    switch (type) {
    case MSG_BOX_QUESTION:
        return CONFIRM_BTN_OK_CANCEL;
    case MSG_BOX_SUCCESS:
        return CONFIRM_BTN_OPEN_QUIT;
    default:
        return CONFIRM_BTN_OK;
    }
}
} // namespace

class QMyMessageBoxPrivate
{
public:
    Ui::MyMessageBox ui;
    QString m_filePath;
    QTimer *m_closeTimer = nullptr;
    QScrollArea *m_scroll = nullptr;
};

QMyMessageBox::QMyMessageBox(QWidget *parent)
    : QBaseDlg(parent)
    , d(new QMyMessageBoxPrivate)
{
    d->m_closeTimer = new QTimer(this);
    d->ui.setupUi(this);
    d->ui.widgetOkCancel->setObjectName(QStringLiteral("STATUSWID"));

    connect(d->ui.widgetOkCancel, &QOkCancel::SigOk, this, &QDialog::accept);
    connect(d->ui.widgetOkCancel, &QOkCancel::SigCancel, this, &QDialog::reject);
    connect(d->ui.widgetOkCancel, &QOkCancel::SigOpen, this, &QMyMessageBox::onOpenFile);

    d->m_closeTimer->setSingleShot(true);
    connect(d->m_closeTimer, &QTimer::timeout, this, [this] { QBaseDlg::close(); });
}

QMyMessageBox::~QMyMessageBox() = default;

int QMyMessageBox::information(QWidget *parent, const QString &title, const QString &content)
{
    return create(parent, title, content, MSG_BOX_INFORMATION, QString(), MEG_CLOSE_MANUAL);
}

int QMyMessageBox::information(QWidget *parent, const QString &title, const QString &content,
                               MegCloseType closeType)
{
    return create(parent, title, content, MSG_BOX_INFORMATION, QString(), closeType);
}

int QMyMessageBox::information(QWidget *parent, const QString &title, const QString &content,
                               const QString &okText, const QString &cancelText)
{
    return runTextBox(parent, title, content, iconPath(MSG_BOX_INFORMATION), okText, cancelText);
}

int QMyMessageBox::question(QWidget *parent, const QString &title, const QString &content)
{
    return create(parent, title, content, MSG_BOX_QUESTION, QString(), MEG_CLOSE_MANUAL);
}

int QMyMessageBox::question(QWidget *parent, const QString &title, const QString &content,
                            const QString &okText, const QString &cancelText)
{
    return runTextBox(parent, title, content, iconPath(MSG_BOX_QUESTION), okText, cancelText);
}

int QMyMessageBox::warning(QWidget *parent, const QString &title, const QString &content)
{
    return create(parent, title, content, MSG_BOX_WARNING, QString(), MEG_CLOSE_MANUAL);
}

int QMyMessageBox::critical(QWidget *parent, const QString &title, const QString &content)
{
    return create(parent, title, content, MSG_BOX_CRITICAL, QString(), MEG_CLOSE_MANUAL);
}

int QMyMessageBox::success(QWidget *parent, const QString &title, const QString &content,
                           const QString &filePath)
{
    return create(parent, title, content, MSG_BOX_SUCCESS, filePath, MEG_CLOSE_MANUAL);
}

int QMyMessageBox::create(QWidget *parent, const QString &title, const QString &content,
                          MessageBoxType_E type, const QString &filePath, MegCloseType closeType)
{
    auto *box = new QMyMessageBox(parent);
    box->setTitle(title);
    box->setContent(content);
    box->setFilePath(filePath);
    box->setImg(iconPath(type));
    box->setBoxType(buttonsFor(type));
    if (closeType == MEG_CLOSE_AUTO)
        box->startTimer();
    return runAndDispose(box);
}

int QMyMessageBox::runTextBox(QWidget *parent, const QString &title, const QString &content,
                              const QString &icon, const QString &okText, const QString &cancelText)
{
    auto *box = new QMyMessageBox(parent);
    box->setTitle(title);
    box->setContent(content);
    box->setImg(icon);
    box->setBoxType(CONFIRM_BTN_OK_CANCEL);
    box->setBtnText(okText, cancelText);
    return runAndDispose(box);
}

int QMyMessageBox::runAndDispose(QMyMessageBox *box)
{
    // The parent may be destroyed while the box runs, taking the box with it.
    QPointer<QMyMessageBox> guard(box);
    const int result = box->exec();
    delete guard.data();
    return result;
}

void QMyMessageBox::setContent(const QString &text)
{
    QLabel *label = d->ui.labelTxt;
    label->setText(text);
    label->setWordWrap(true);
    fitContent();
}

void QMyMessageBox::fitContent()
{
    // Grow with the message up to two thirds of the screen; beyond that the text scrolls.
    QLabel *label = d->ui.labelTxt;
    layout()->activate();
    const int needed = label->heightForWidth(label->width());
    const int extra = needed - label->height();
    if (extra <= 0)
        return;
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const int cap = screen ? screen->availableGeometry().height() * 2 / 3 : 600;
    const int wanted = height() + extra;
    if (wanted > cap && !d->m_scroll) {
        d->m_scroll = new QScrollArea(this);
        d->m_scroll->setObjectName(QStringLiteral("contentScroll"));
        d->m_scroll->setFrameShape(QFrame::NoFrame);
        d->m_scroll->setWidgetResizable(true);
        d->m_scroll->viewport()->setAutoFillBackground(false);
        d->m_scroll->setSizePolicy(label->sizePolicy());
        // The layout hands back the label's old item, which is ours to delete.
        delete d->ui.horizontalLayout->replaceWidget(label, d->m_scroll);
        d->m_scroll->setWidget(label);
    }
    resize(width(), qMin(wanted, cap));
}

void QMyMessageBox::setImg(const QString &path)
{
    d->ui.labelImg->setPixmap(WidgetDeckPrivate::loadPixmap(path, devicePixelRatioF()));
    // The icon alone tells the kind of message, so it is named after it.
    const QString kind = path.section(QLatin1Char('/'), -1);
    QString name;
    if (kind == QLatin1String("information"))
        name = tr("STR_INFORMATION");
    else if (kind == QLatin1String("question"))
        name = tr("STR_QUESTION");
    else if (kind == QLatin1String("warning"))
        name = tr("STR_WARNING");
    else if (kind == QLatin1String("critical"))
        name = tr("STR_CRITICAL");
    else if (kind == QLatin1String("success"))
        name = tr("STR_SUCCESS");
    d->ui.labelImg->setAccessibleName(name);
}

void QMyMessageBox::setFilePath(const QString &path)
{
    d->m_filePath = path;
}

void QMyMessageBox::setBoxType(ConfirmBtnType_E type)
{
    d->ui.widgetOkCancel->setConfirmBtnType(type);
}

void QMyMessageBox::setBtnText(const QString &okText, const QString &cancelText)
{
    d->ui.widgetOkCancel->setOkBtnText(okText);
    d->ui.widgetOkCancel->setCancelBtnText(cancelText);
}

void QMyMessageBox::keyPressEvent(QKeyEvent *event)
{
    // A focused push button takes Return itself (auto-default), so this sees it only with
    // the focus elsewhere: where the box put it on opening, Return and Enter accept.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        accept();
}

bool QMyMessageBox::event(QEvent *event)
{
    // Return, Enter and Escape belong to the box while it has the focus, whatever the host binds.
    if (event->type() == QEvent::ShortcutOverride) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier) {
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Escape) {
                event->accept();
                return true;
            }
        }
    }
    return QBaseDlg::event(event);
}

void QMyMessageBox::showEvent(QShowEvent *event)
{
    QBaseDlg::showEvent(event);
    // Open on the bar's default button (OK where there is one), else on its first shown one,
    // which QDialog would make the default anyway: a reader lands on a button, not the frame.
    const QList<QPushButton *> buttons = d->ui.widgetOkCancel->findChildren<QPushButton *>();
    QPushButton *target = nullptr;
    for (QPushButton *button : buttons) {
        if (!button->isHidden() && button->isDefault())
            target = button;
    }
    for (QPushButton *button : buttons) {
        if (!target && !button->isHidden() && button->autoDefault())
            target = button;
    }
    if (target) {
        target->setDefault(true);
        target->setFocus(Qt::OtherFocusReason);
        return;
    }
    setFocus(Qt::OtherFocusReason);
}

void QMyMessageBox::paintEvent(QPaintEvent *event)
{
    QBaseDlg::paintEvent(event, 35);
}

void QMyMessageBox::onOpenFile()
{
    if (d->m_filePath.isEmpty() || !QFileInfo::exists(d->m_filePath)) {
        qCDebug(lcWidgetDeckDialogs) << "nothing to open at" << d->m_filePath;
        return;
    }
    // A relative path would reach the desktop as "file:name"; hand over an absolute URL.
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(d->m_filePath).absoluteFilePath()));
    reject();
}

void QMyMessageBox::startTimer()
{
    d->m_closeTimer->start(AutoCloseMs);
}
