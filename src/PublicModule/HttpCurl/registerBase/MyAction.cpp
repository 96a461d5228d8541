#include "MyAction.h"

#include "TrayIconUrl.h"

MyAction::MyAction(QObject* parent) : QAction(parent)
{
    setObjectName(QStringLiteral("MyAction"));
}

void MyAction::setIcon(const QUrl& icon)
{
    if (icon == m_icon)
        return;
    QAction::setIcon(trayIconFromUrl(icon));
    m_icon = icon;
    emit iconChanged();
}
