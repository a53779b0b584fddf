// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QINDUSTRYITEM_H
#define QINDUSTRYITEM_H

#include "widgetdeck_export.h"

#include <QWidget>

#include <memory>

class QIndustryItemPrivate;

/// One entry of a list of industry names: a label and a small close button. Clicking the
/// entry, or Space, Return or Enter while it has the focus, asks to show it; the close
/// button (never a host dialog's default) asks to remove it.
class WIDGETDECK_EXPORT QIndustryItem : public QWidget
{
    Q_OBJECT
public:
    /// Builds an empty, removable entry that takes the focus from Tab and clicks.
    explicit QIndustryItem(QWidget *parent = nullptr);
    /// Destroys the widget together with the children it created.
    ~QIndustryItem() override;

    /// Shows @p industry as the entry's name.
    void setIndustry(QString industry);
    /// Shows @p industry and hides the close button: a fixed entry that cannot be removed.
    void setNormalIndustry(QString industry);
    /// The shown name.
    QString getIndustry();

Q_SIGNALS:
    /// The entry was clicked (left press and release inside it) or activated from the keyboard.
    void showIndustry(QString account);
    /// The close button was clicked.
    void removeIndustry(QString account_number_text);

protected:
    /// Remembers a left press.
    void mousePressEvent(QMouseEvent *e) override;
    /// Emits showIndustry() when a remembered press ends inside the entry.
    void mouseReleaseEvent(QMouseEvent *e) override;
    /// Return/Enter emit showIndustry(); Space starts a key click.
    void keyPressEvent(QKeyEvent *e) override;
    /// Emits showIndustry() when a started Space key click ends.
    void keyReleaseEvent(QKeyEvent *e) override;
    /// Claims Space, Return and Enter from host shortcuts while the entry has the focus.
    bool event(QEvent *e) override;
    /// Draws the focus frame while the entry has the focus.
    void paintEvent(QPaintEvent *e) override;

private Q_SLOTS:
    void removeIndustry();

private:
    std::unique_ptr<QIndustryItemPrivate> const d;
};

#endif // QINDUSTRYITEM_H
