// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QWEBSETCLIENT_H
#define QWEBSETCLIENT_H

#include "widgetdeck_export.h"

#include <qbasestylewidget.h>

#include <memory>

class QWebSetClientPrivate;

/// Panel that lists the running network adapters and switches the chosen one to DHCP or to
/// a designated IPv4 address, mask and gateway. The change runs on a worker thread; the
/// outcome shows in the status line and in an information box.
class WIDGETDECK_EXPORT QWebSetClient : public QBaseStyleWidget
{
    Q_OBJECT
public:
    /// Builds the panel in designated mode and lists the adapters.
    explicit QWebSetClient(QWidget *parent = nullptr);
    /// Waits for a running configuration to end first.
    ~QWebSetClient() override;

    /// Applies the settings shown (or, on the worker, those shown when OK was pressed);
    /// blocks the calling thread while the system command runs.
    void setWeb();

Q_SIGNALS:
    /// Emitted once at the end of every setWeb() with the status text.
    void SigConfigOver(QString text);

private Q_SLOTS:
    void onNetCardChanged(QString name);
    void onAutoIPButtonclicked();
    void onSpIpButtonclicked();
    void onApplyButtonclicked();
    void onIpEditFinished();
    void onConfigOver(QString text);
    QString getDefaultGateway();
    void on_pushButtonRefresh_clicked();

protected:
    /// Builds the panel over a prepared implementation (the library's internal factory uses it).
    QWebSetClient(std::unique_ptr<QWebSetClientPrivate> dd, QWidget *parent);
    /// Retranslates the form on a language change, keeping the status line; the address
    /// editors are named after their labels.
    void changeEvent(QEvent *event) override;

private:
    void init();
    void connectSignals();
    void showNetCard();
    void updateNetWork(QString name);
    void showStatus(const QString &text);

    std::unique_ptr<QWebSetClientPrivate> const d;
};

#endif // QWEBSETCLIENT_H
