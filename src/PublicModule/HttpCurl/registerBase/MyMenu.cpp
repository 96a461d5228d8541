#include "MyMenu.h"

#include "MyAction.h"

#include <QMenu>

MyMenu::MyMenu(QQuickItem* parent) : QQuickItem(parent), m_menu(new QMenu)
{
    setObjectName(QStringLiteral("MyMenu"));
}

// The widget has no parent widget, so the item releases it; a tray icon that shows it
// only keeps a guarded pointer.
MyMenu::~MyMenu()
{
    delete m_menu;
}

int MyMenu::menuWidth() const
{
    return m_menu->width();
}

int MyMenu::menuHeight() const
{
    return m_menu->height();
}

void MyMenu::setWidth(int nWidth)
{
    if (nWidth == m_menu->width())
        return;
    m_menu->setFixedWidth(nWidth);
    emit widthChanged();
}

void MyMenu::setHeight(int nHeight)
{
    if (nHeight == m_menu->height())
        return;
    m_menu->setFixedHeight(nHeight);
    emit heightChanged();
}

void MyMenu::addAction(MyAction* action)
{
    if (action)
        m_menu->addAction(action);
}

void MyMenu::addSeparator()
{
    m_menu->addSeparator();
}

void MyMenu::addMenu(MyMenu* menu)
{
    if (menu)
        m_menu->addMenu(menu->menu());
}

void MyMenu::componentComplete()
{
    QQuickItem::componentComplete();
    for (QObject* child : children()) {
        const QString qstrName = child->objectName();
        if (qstrName == QLatin1String("MyAction"))
            addAction(qobject_cast<MyAction*>(child));
        else if (qstrName == QLatin1String("MySeparator"))
            addSeparator();
        else if (qstrName == QLatin1String("MyMenu"))
            addMenu(qobject_cast<MyMenu*>(child));
    }
}
