#ifndef QTRANSLATEDTEXTEDIT_H
#define QTRANSLATEDTEXTEDIT_H

#include "widgetdeck_export.h"

#include <QTextEdit>

class QAction;
class QMenu;

/// Text edit whose context menu is a short translated one: Copy and Select all.
class WIDGETDECK_EXPORT QTranslatedTextEdit : public QTextEdit
{
    Q_OBJECT
public:
    /// Builds the edit and its menu; Copy stays disabled while nothing is selected.
    explicit QTranslatedTextEdit(QWidget *parent = nullptr);
    /// Destroys the widget together with the children it created.
    ~QTranslatedTextEdit() override;

protected:
    /// Runs the translated menu at the mouse cursor instead of the standard one.
    void contextMenuEvent(QContextMenuEvent *event) override;

private Q_SLOTS:
    void OnSelected(bool f);

private:
    QMenu *m_menu;
    QAction *m_selectAllAction;
    QAction *m_copyAction;
};

#endif // QTRANSLATEDTEXTEDIT_H
