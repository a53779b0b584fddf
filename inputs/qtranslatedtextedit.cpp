#include "qtranslatedtextedit.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>

QTranslatedTextEdit::QTranslatedTextEdit(QWidget *parent)
    : QTextEdit(parent)
    , m_menu(nullptr)
    , m_selectAllAction(new QAction(tr("STR_SELECT_ALL"), this))
    , m_copyAction(new QAction(tr("STR_COPY"), this))
{
    m_selectAllAction->setShortcut(QKeySequence::SelectAll);
    connect(m_selectAllAction, &QAction::triggered, this, &QTextEdit::selectAll);

    m_copyAction->setShortcut(QKeySequence::Copy);
    m_copyAction->setEnabled(false);
    connect(m_copyAction, &QAction::triggered, this, &QTextEdit::copy);

    // The actions live in the menu only; the edit's own key handling covers the shortcuts.
    m_menu = new QMenu(this);
    m_menu->addAction(m_copyAction);
    m_menu->addAction(m_selectAllAction);

    connect(this, &QTextEdit::copyAvailable, this, &QTranslatedTextEdit::OnSelected);
}

QTranslatedTextEdit::~QTranslatedTextEdit() = default;

void QTranslatedTextEdit::contextMenuEvent(QContextMenuEvent *event)
{
    Q_UNUSED(event)
    m_menu->exec(QCursor::pos());
}

void QTranslatedTextEdit::OnSelected(bool f)
{
    m_copyAction->setEnabled(f);
}
