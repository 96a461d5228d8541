#include "SystemTrayIcon.h"

#include "MyMenu.h"
#include "TrayIconUrl.h"

#include <QCoreApplication>
#include <QMenu>

SystemTrayIcon::SystemTrayIcon(QQuickItem* parent)
    : QQuickItem(parent), m_systemTray(new QSystemTrayIcon(this))
{
    connect(this, &QQuickItem::visibleChanged, this, &SystemTrayIcon::onVisibleChanged);
    connect(m_systemTray, &QSystemTrayIcon::activated, this, &SystemTrayIcon::onActivated);
    // The icon appears only once QML asks for it.
    setVisible(false);
}

int SystemTrayIcon::trayX() const
{
    return m_systemTray->geometry().x();
}

int SystemTrayIcon::trayY() const
{
    return m_systemTray->geometry().y();
}

QString SystemTrayIcon::toolTip() const
{
    return m_systemTray->toolTip();
}

bool SystemTrayIcon::isAvailable()
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void SystemTrayIcon::hideWindow(QWindow* window)
{
    if (window)
        window->hide();
}

void SystemTrayIcon::setIcon(const QUrl& icon)
{
    if (icon == m_icon)
        return;
    m_systemTray->setIcon(trayIconFromUrl(icon));
    m_icon = icon;
    emit iconChanged();
}

void SystemTrayIcon::setToolTip(const QString& toolTip)
{
    if (toolTip == m_toolTip)
        return;
    m_systemTray->setToolTip(toolTip);
    m_toolTip = toolTip;
    emit toolTipChanged();
}

void SystemTrayIcon::setMenu(MyMenu* menu)
{
    if (menu == m_menu)
        return;
    m_menu = menu;
    m_systemTray->setContextMenu(menu ? menu->menu() : nullptr);
    emit menuChanged();
}

void SystemTrayIcon::onVisibleChanged()
{
    m_systemTray->setVisible(isVisible());
}

void SystemTrayIcon::onActivated(QSystemTrayIcon::ActivationReason reason)
{
    // A right click opens the context menu through the platform itself.
    if (reason == QSystemTrayIcon::DoubleClick || reason == QSystemTrayIcon::Trigger)
        emit trigger();
}

void SystemTrayIcon::onExit()
{
    m_systemTray->hide();
    QCoreApplication::exit(0);
}
