#include "qmymessagebox.h"
#include "ui_qmymessagebox.h"
#include "widgetdeckpixmap_p.h"

#include <QDesktopServices>
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
};

QMyMessageBox::QMyMessageBox(QWidget *parent)
    : QBaseDlg(parent)
    , d(new QMyMessageBoxPrivate)
{
    d->m_closeTimer = new QTimer(this);
    d->ui.setupUi(this);
    d->ui.widgetOkCancel->setObjectName(QStringLiteral("STATUSWID"));
    // Return and Enter must accept whichever button has focus, so the bar's buttons must
    // not act as auto-default buttons of this dialog.
    for (QPushButton *button : d->ui.widgetOkCancel->findChildren<QPushButton *>())
        button->setAutoDefault(false);

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
    d->ui.labelTxt->setText(text);
    d->ui.labelTxt->setWordWrap(true);
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
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        accept();
}

void QMyMessageBox::paintEvent(QPaintEvent *event)
{
    QBaseDlg::paintEvent(event, 35);
}

void QMyMessageBox::onOpenFile()
{
    if (d->m_filePath.isEmpty() || !QFileInfo::exists(d->m_filePath))
        return;
    QDesktopServices::openUrl(QUrl::fromLocalFile(d->m_filePath));
    reject();
}

void QMyMessageBox::startTimer()
{
    d->m_closeTimer->start(AutoCloseMs);
}
