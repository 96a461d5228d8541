#pragma once

#include <QObject>

#include <string>

// Root of the service object that QML creates: the start-up call that sets the domains.
class HttpProc : public QObject
{
    Q_OBJECT
public:
    explicit HttpProc(QObject* parent = nullptr);

    // Command number of the domain lookup record; the answer receiver recognises it by this.
    static constexpr int kDomainLookupCmd = 3;

    // Queues the domain lookup; the answer receiver sets the domains when it has run.
    Q_INVOKABLE void getDomain();
    // The lookup uses the built-in addresses; the text is not read. Always 0.
    int ParseWebsite(const std::string& strWebsite);
};
