#pragma once

#include <QObject>

// Called after each write with the property's name; an overload for a class that needs to
// know of its writes (the proxy rows) is chosen over this one.
inline void notePropertyWrite(const void*, const char*) {}

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
        notePropertyWrite(this, #name);                                                            \
        emit name##Changed(value);                                                                 \
    }                                                                                              \
    Q_SIGNAL void name##Changed(Type name);                                                        \
                                                                                                   \
private:                                                                                           \
    Type m_##name{__VA_ARGS__};
