#include "PublicModule/HttpCurl/registerBase/FieldCheck.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// Every field kind with the inputs that must be refused (with a reason) and taken.
class tst_FieldCheck : public QObject
{
    Q_OBJECT

private slots:
    void checks_data();
    void checks();
    void programs();
};

void tst_FieldCheck::checks_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");

    const QList<std::tuple<const char*, const char*, bool>> rows = {
        {"count", "0", false},          {"count", "201", false},
        {"count", "01", false},         {"count", "abc", false},
        {"count", "1", true},           {"count", "200", true},
        {"count", "", true},            {"port", "0", false},
        {"port", "65536", false},       {"port", "30010", false},
        {"port", "080", false},         {"port", "", false},
        {"port", "10001", true},        {"port", "65535", true},
        {"segment", "300.1", false},    {"segment", "1.2.3.4.5", false},
        {"segment", "1..2", false},     {"segment", "71.183", true},
        {"segment", "0.255.1.2", true}, {"segment", "", true},
        {"interval", "4", false},       {"interval", "721", false},
        {"interval", "050", false},     {"interval", "", false},
        {"interval", "5", true},        {"interval", "720", true},
        {"interval", "30", true},
    };
    for (const auto& [kind, text, accepted] : rows)
        QTest::addRow("%s '%s'", kind, text) << kind << text << accepted;
}

void tst_FieldCheck::checks()
{
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(bool, accepted);

    const FieldCheck check;
    QString qstrReason;
    if (kind == "count")
        qstrReason = check.checkCount(text);
    else if (kind == "port")
        qstrReason = check.checkApiPort(text, 30000, 50);
    else if (kind == "segment")
        qstrReason = check.checkIpSegment(text);
    else
        qstrReason = check.checkSwitchInterval(text);
    QCOMPARE(qstrReason.isEmpty(), accepted);
}

// Programs: only an existing executable regular file, each refusal with its own reason.
void tst_FieldCheck::programs()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString qstrText = dir.filePath("notes.txt");
    const QString qstrProgram = dir.filePath("my tool");
    for (const QString& qstrPath : {qstrText, qstrProgram}) {
        QFile file(qstrPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n");
    }
    QVERIFY(QFile::setPermissions(qstrProgram, QFile::ReadOwner | QFile::ExeOwner));

    const FieldCheck check;
    const QStringList reasons = {check.checkProgramFile(qstrText),
                                 check.checkProgramFile(dir.filePath("missing")),
                                 check.checkProgramFile(dir.path()),
                                 check.checkProgramFile("")};
    for (const QString& qstrReason : reasons)
        QVERIFY(!qstrReason.isEmpty());
    QCOMPARE(QSet<QString>(reasons.begin(), reasons.end()).size(), 3);
    QCOMPARE(check.checkProgramFile(qstrProgram), QString());
}

QTEST_GUILESS_MAIN(tst_FieldCheck)
#include "tst_FieldCheck.moc"
