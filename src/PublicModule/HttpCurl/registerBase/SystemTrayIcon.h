#pragma once

#include <QPointer>
#include <QQuickItem>
#include <QSystemTrayIcon>
#include <QUrl>
#include <QWindow>

class MyMenu;

// The tray icon declared in QML. It draws nothing in the scene; the item's "visible"
// shows or hides the platform icon, and "x"/"y" report where the icon sits on screen.
class SystemTrayIcon : public QQuickItem
{
    Q_OBJECT
    Q_PROPERTY(int x READ trayX CONSTANT)
    Q_PROPERTY(int y READ trayY CONSTANT)
    Q_PROPERTY(QUrl icon READ icon WRITE setIcon NOTIFY iconChanged)
    Q_PROPERTY(QString toolTip READ toolTip WRITE setToolTip NOTIFY toolTipChanged)
    Q_PROPERTY(MyMenu* menu READ menu WRITE setMenu NOTIFY menuChanged)
    Q_PROPERTY(bool available READ isAvailable CONSTANT)
public:
    explicit SystemTrayIcon(QQuickItem* parent = nullptr);

    int trayX() const;
    int trayY() const;
    QUrl icon() const { return m_icon; }
    QString toolTip() const;
    MyMenu* menu() const { return m_menu; }
    QSystemTrayIcon* platformIcon() const { return m_systemTray; }

    // Whether the desktop offers a tray at all (stock GNOME does not).
    static bool isAvailable();
    // Hides a window into the tray (the screens end the program instead when there is none).
    Q_INVOKABLE void hideWindow(QWindow* window);

public slots:
    void setIcon(const QUrl& icon);
    void setToolTip(const QString& toolTip);
    void setMenu(MyMenu* menu);
    void onVisibleChanged();
    void onActivated(QSystemTrayIcon::ActivationReason reason);
    void onExit();

signals:
    void trigger();
    void iconChanged();
    void toolTipChanged();
    void menuChanged();

private:
    QSystemTrayIcon* m_systemTray;
    QPointer<MyMenu> m_menu;
    QString m_toolTip;
    QUrl m_icon;
};
