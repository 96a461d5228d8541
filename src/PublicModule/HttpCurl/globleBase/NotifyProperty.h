#pragma once

#include <QObject>

// A QML property whose write stores and notifies only when the value changes; the optional
// trailing arguments initialise the member. For objects used on one thread only, so no lock
// is taken.
#define NOTIFY_PROPERTY(Type, name, Getter, Setter, ...)                                           \
    Q_PROPERTY(Type name READ Getter WRITE Setter NOTIFY name##Changed)                            \
public:                                                                                            \
    Type Getter() const                                                                            \
    {                                                                                              \
        return m_##name;                                                                           \
    }                                                                                              \
    void Setter(const Type& value)                                                                 \
    {                                                                                              \
        if (m_##name == value)                                                                     \
            return;                                                                                \
        m_##name = value;                                                                          \
        emit name##Changed(value);                                                                 \
    }                                                                                              \
    Q_SIGNAL void name##Changed(Type name);                                                        \
                                                                                                   \
private:                                                                                           \
    Type m_##name{__VA_ARGS__};
