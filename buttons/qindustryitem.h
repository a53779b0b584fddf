#ifndef QINDUSTRYITEM_H
#define QINDUSTRYITEM_H

#include "widgetdeck_export.h"

#include <QWidget>

class QLabel;
class QPushButton;

/// One entry of a list of industry names: a label and a small close button. Clicking the
/// entry asks to show it, the close button asks to remove it.
class WIDGETDECK_EXPORT QIndustryItem : public QWidget
{
    Q_OBJECT
public:
    /// Builds an empty, removable entry.
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
    /// The entry was clicked (left press and release inside it).
    void showIndustry(QString account);
    /// The close button was clicked.
    void removeIndustry(QString account_number_text);

protected:
    /// Remembers a left press.
    void mousePressEvent(QMouseEvent *e) override;
    /// Emits showIndustry() when a remembered press ends inside the entry.
    void mouseReleaseEvent(QMouseEvent *e) override;

private Q_SLOTS:
    void removeIndustry();

private:
    QLabel *m_label;
    QPushButton *m_closeButton;
    bool m_pressed = false;
};

#endif // QINDUSTRYITEM_H
