#pragma once

#include <QObject>

// A divider between menu entries; a menu recognises it by its object name.
class MySeparator : public QObject
{
    Q_OBJECT
public:
    explicit MySeparator(QObject* parent = nullptr) : QObject(parent)
    {
        setObjectName(QStringLiteral("MySeparator"));
    }
};
