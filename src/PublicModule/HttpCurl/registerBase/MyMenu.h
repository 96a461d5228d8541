#pragma once

#include <QQuickItem>

class MyAction;
class QMenu;

// A pop-up menu declared in QML. Its entries are the MyAction, MySeparator and MyMenu
// objects declared inside it, taken in declaration order when the tree is complete.
// "width" and "height" are those of the menu widget, not of the (invisible) item.
class MyMenu : public QQuickItem
{
    Q_OBJECT
    Q_PROPERTY(int width READ menuWidth WRITE setWidth NOTIFY widthChanged)
    Q_PROPERTY(int height READ menuHeight WRITE setHeight NOTIFY heightChanged)
public:
    explicit MyMenu(QQuickItem* parent = nullptr);
    ~MyMenu() override;

    int menuWidth() const;
    int menuHeight() const;
    QMenu* menu() const { return m_menu; }

public slots:
    void setWidth(int nWidth);
    void setHeight(int nHeight);
    void addAction(MyAction* action);
    void addSeparator();
    void addMenu(MyMenu* menu);

protected:
    void componentComplete() override;

private:
    QMenu* m_menu;
};
