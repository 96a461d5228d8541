#pragma once

#include <QAction>
#include <QUrl>

// A menu entry for QML: a QAction whose picture is given as a URL.
class MyAction : public QAction
{
    Q_OBJECT
    Q_PROPERTY(QUrl icon READ icon WRITE setIcon NOTIFY iconChanged)
public:
    explicit MyAction(QObject* parent = nullptr);

    QUrl icon() const { return m_icon; }

public slots:
    void setIcon(const QUrl& icon);

signals:
    void iconChanged();

private:
    QUrl m_icon;
};
