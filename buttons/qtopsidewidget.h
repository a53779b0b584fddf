// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QTOPSIDEWIDGET_H
#define QTOPSIDEWIDGET_H

#include "widgetdeck_export.h"
#include "widgetdecktypes.h"

#include <qbasestylewidget.h>

#include <memory>

class QTopSideWidgetPrivate;

/// Title strip of a collapsible side panel: caption, a hide button whose arrow shows the
/// panel's side, and a close button.
class WIDGETDECK_EXPORT QTopSideWidget : public QBaseStyleWidget
{
    Q_OBJECT
public:
    /// Builds the strip with @p title. @p direct is only stored; setDirect() sets the arrow.
    explicit QTopSideWidget(QWidget *parent = nullptr, QString title = QString(), DirectSide_E direct = DIRECT_LEFT);
    /// Destroys the widget together with the children it created.
    ~QTopSideWidget() override;

    /// Stores @p direct and shows its arrow on the hide button (none for unknown values).
    void setDirect(DirectSide_E direct);
    /// Stores the caption and shows it.
    void setTitle(QString title);
    /// The stored caption.
    QString getTitle();

Q_SIGNALS:
    /// The hide button was clicked.
    void SigHide();
    /// The close button was clicked.
    void SigClose();

private:
    std::unique_ptr<QTopSideWidgetPrivate> const d;
};

#endif // QTOPSIDEWIDGET_H
