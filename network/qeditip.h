// SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
// SPDX-License-Identifier: MIT

#ifndef QEDITIP_H
#define QEDITIP_H

#include "widgetdeck_export.h"

#include <QWidget>

#include <memory>

class QLineEdit;
class QEditIPPrivate;

/// IPv4 entry as four segments of up to three digits inside a painted rounded frame.
/// A full segment is clamped to 255 and hands the focus on; leaving the last one ends editing.
class WIDGETDECK_EXPORT QEditIP : public QWidget
{
    Q_OBJECT
public:
    /// Builds an editor with four empty segments.
    explicit QEditIP(QWidget *parent = nullptr);
    /// Destroys the widget together with the children it created.
    ~QEditIP() override;

    /// Shows @p ip when it is four dot-separated groups of one to three digits; false otherwise.
    bool setText(const QString &ip);
    /// The segment texts joined with dots, as they stand ("..." when empty).
    QString text();
    /// Empties all segments.
    void clear();
    /// Makes the segments read-only; the background turns grey.
    void setReadOnly(bool readOnly);
    /// Always 75 x 24.
    QSize sizeHint() const override;

Q_SIGNALS:
    /// The last segment lost the keyboard focus (from the event loop when it went to another segment).
    void editingFinished();

private Q_SLOTS:
    void slotEditTextChanged(QString str);

protected:
    /// The segment after (@p next) or before @p edit, or null; there is no wrap-around.
    QLineEdit *getAdjacentEdit(QLineEdit *edit, bool next);
    /// Moves between the segments on keys and reports leaving the last segment.
    bool eventFilter(QObject *watched, QEvent *event) override;
    /// Paints the rounded frame and the dots between the segments.
    void paintEvent(QPaintEvent *event) override;

private:
    bool setIP(QString ip);
    QString getIP();

    friend class QEditIPPrivate;
    std::unique_ptr<QEditIPPrivate> const d;
};

#endif // QEDITIP_H
