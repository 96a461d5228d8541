#pragma once

#include <QMutex>
#include <QMutexLocker>
#include <QObject>
#include <QString>

// Declares one notifying property together with its getter, setter, change signal and
// member. Reads and writes go through the object's lock so that the few writers on worker
// threads cannot tear a value; the change signal is emitted after the lock is released, so
// a receiver may read the object again without deadlock.
#define GLOBLE_PROPERTY(Type, name, Getter, Setter)                                                \
    Q_PROPERTY(Type name READ Getter WRITE Setter NOTIFY name##Changed)                            \
public:                                                                                            \
    Type Getter() const                                                                            \
    {                                                                                              \
        return readLocked(m_##name);                                                               \
    }                                                                                              \
    void Setter(const Type& value)                                                                 \
    {                                                                                              \
        if (storeLocked(m_##name, value))                                                          \
            emit name##Changed(value);                                                             \
    }                                                                                              \
    Q_SIGNAL void name##Changed(Type name);                                                        \
                                                                                                   \
private:                                                                                           \
    Type m_##name{};

// The common base of the global parameter object: the lock every property shares and the
// few product values every program of the system carries.
class GlobleParamBase : public QObject
{
    Q_OBJECT
    GLOBLE_PROPERTY(bool, bIsTTWebDomain, getIsTTWebDomain, setIsTTWebDomain)
    GLOBLE_PROPERTY(QString, qstrVersionUpdate, GetVersionUpdate, SetVersionUpdate)
    GLOBLE_PROPERTY(QString, qstrLnkName, GetLnkName, SetLnkName)
    GLOBLE_PROPERTY(QString, qstrProduceName, GetProduceName, SetProduceName)

public:
    GlobleParamBase();
    ~GlobleParamBase() override;

    // The most recently built object, seen as its base; null when there is none.
    static GlobleParamBase* GetInstance();

protected:
    void GetArgumentsBase();

    template <typename T> T readLocked(const T& member) const
    {
        QMutexLocker lock(&m_mutex);
        return member;
    }

    // Stores the value when it differs; tells whether it did.
    template <typename T> bool storeLocked(T& member, const T& value)
    {
        QMutexLocker lock(&m_mutex);
        if (member == value)
            return false;
        member = value;
        return true;
    }

private:
    mutable QMutex m_mutex;
};
