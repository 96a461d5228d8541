#include "AppCustom.h"
#include "DataManager/Proxy/ProxyListModel.h"
#include "DataManager/Proxy/ProxyManager.h"
#include "DataManager/Search/SearchManager.h"
#include "Interface/GlobleParam.h"
#include "PublicModule/HttpCurl/features/Encryption.h"
#include "PublicModule/HttpCurl/features/NormalJson.h"

#include <QAbstractItemModelTester>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QSignalSpy>
#include <QtTest>

namespace {

TodayList* todayRow(const QString& qstrSession, const QString& qstrBuyTime)
{
    auto* pRow = new TodayList;
    pRow->setSession(qstrSession);
    pRow->setIp(qstrSession);
    pRow->setBuyTime(qstrBuyTime);
    return pRow;
}

Json::Value extractionRecords(std::initializer_list<const char*> ips)
{
    Json::Value records(Json::arrayValue);
    for (const char* szIp : ips) {
        Json::Value record;
        record["ip"] = szIp;
        record["ip_time_type"] = "1";
        records.append(record);
    }
    return records;
}

Json::Value serviceTodayRecord(const char* szSession, const char* szIp)
{
    Json::Value line;
    line["ip"] = szIp;
    line["ip_time_type"] = "1";
    Json::Value record;
    record["session"] = szSession;
    record["line"] = Encryption::GetInstance()->encode(toNormalString(line));
    record["create_time"] = "5";
    return record;
}

QList<QObject*> shownRows(const ProxyListModel& model)
{
    QList<QObject*> rows;
    for (int nRow = 0; nRow < model.rowCount(); ++nRow)
        rows << model.get(nRow);
    return rows;
}

int roleOf(const QAbstractItemModel& model, const QByteArray& name)
{
    return model.roleNames().key(name, -1);
}

} // namespace

class tst_ProxyModel : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { delete ProxyManager::GetInstance(); }

    void writeNotifiesOnlyOnChange()
    {
        TodayList row;
        QSignalSpy spyPort(&row, &TodayList::qstrPortChanged);
        QSignalSpy spyLine(&row, &ProxyDataBase::qjsonLineChanged);
        row.setPort(QStringLiteral("50001"));
        row.setPort(QStringLiteral("50001"));
        row.setqjsonLine(QJsonObject{{"ip", "1.2.3.4"}});
        row.setqjsonLine(QJsonObject{{"ip", "1.2.3.4"}});
        QCOMPARE(spyPort.count(), 1);
        QCOMPARE(spyLine.count(), 1);
        QCOMPARE(spyPort.at(0).at(0).toString(), QStringLiteral("50001"));
        QCOMPARE(row.getBuyType(), 1);
        QCOMPARE(row.getCreateTime(), row.getUpdateTime());
    }

    void modelFollowsTableUnderTester()
    {
        ProxyManager* pManager = ProxyManager::GetInstance();
        auto* pModel = qobject_cast<ProxyListModel*>(pManager->getListModel(Proxy_Today));
        QVERIFY(pModel);
        QAbstractItemModelTester tester(pModel,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QVERIFY(roleOf(*pModel, "qstrPort") >= 0 && roleOf(*pModel, "modelData") >= 0);

        pManager->addData(todayRow("b", "2026-01-02 00:00:00"));
        pManager->addData(todayRow("d", "2026-01-04 00:00:00"));
        const auto byBuyTime = [](QObject* a, QObject* b) {
            return static_cast<TodayList*>(a)->getBuyTime() <
                   static_cast<TodayList*>(b)->getBuyTime();
        };
        QList<QObject*> shown;
        for (ProxyDataBase* pRow : pManager->table(Proxy_Today))
            shown.append(pRow);
        std::sort(shown.begin(), shown.end(), byBuyTime);
        pModel->setRows(shown, {}, byBuyTime);

        QSignalSpy spyInserted(pModel, &QAbstractItemModel::rowsInserted);
        pManager->addData(todayRow("c", "2026-01-03 00:00:00"));
        QCOMPARE(spyInserted.count(), 1);
        QCOMPARE(spyInserted.at(0).at(1).toInt(), 1);

        // A row filed again under its key displaces the old one in place of being added.
        pManager->addData(todayRow("c", "2026-01-05 00:00:00"));
        QCOMPARE(pModel->rowCount(), 3);
        QCOMPARE(pModel->data(pModel->index(2), roleOf(*pModel, "qstrIp")).toString(),
                 QStringLiteral("c"));

        QSignalSpy spyChanged(pModel, &QAbstractItemModel::dataChanged);
        auto* pFirst = static_cast<TodayList*>(pModel->get(0));
        pFirst->setPort(QStringLiteral("50002"));
        pFirst->setPort(QStringLiteral("50002"));
        QCOMPARE(spyChanged.count(), 1);
        QCOMPARE(spyChanged.at(0).at(2).value<QVector<int>>(),
                 QVector<int>{roleOf(*pModel, "qstrPort")});
        QCOMPARE(pModel->data(pModel->index(0), roleOf(*pModel, "modelData")).value<QObject*>(),
                 static_cast<QObject*>(pFirst));

        pManager->removeData(pFirst);
        QCOMPARE(pModel->rowCount(), 2);
        QSignalSpy spyReset(pModel, &QAbstractItemModel::modelReset);
        pManager->clearDataByType(Proxy_Today);
        QCOMPARE(spyReset.count(), 1);
        QCOMPARE(pModel->rowCount(), 0);
        QVERIFY(pManager->table(Proxy_Today).isEmpty());
    }

    // Parse, view change, remote merge, favourite removal and clear, under the tester.
    void modelSignalsMatchTheLists()
    {
        GlobleParam param;
        ProxyManager* pManager = ProxyManager::GetInstance();
        ProxyListModel* pToday = pManager->listModel(Proxy_Today);
        ProxyListModel* pFavorites = pManager->listModel(Proxy_Favorite);
        using Mode = QAbstractItemModelTester::FailureReportingMode;
        QAbstractItemModelTester todayTester(pToday, Mode::QtTest);
        QAbstractItemModelTester favoriteTester(pFavorites, Mode::QtTest);

        pManager->getDataType(Proxy_Today, 0);
        // A list filed while shown: one insertion, in the order of a fresh view, a record
        // filed twice shown once.
        QSignalSpy spyInserted(pToday, &QAbstractItemModel::rowsInserted);
        pManager->addDataByJsonArray(
            extractionRecords({"20.0.0.3", "10.0.0.1", "10.0.0.2", "10.0.0.1"}), Proxy_Today, 2);
        QCOMPARE(spyInserted.count(), 1);
        const QList<QObject*> shown = shownRows(*pToday);
        QCOMPARE(shown, pManager->getDataType(Proxy_Today, 0));
        QCOMPARE(pToday->rowCount(), 3);
        SearchManager::GetInstance()->setIpSearch("10.0");
        QCOMPARE(pManager->getDataType(Proxy_Today, 1).size(), 2);
        QCOMPARE(pToday->rowCount(), 2);
        Json::Value remote(Json::arrayValue);
        remote.append(serviceTodayRecord("r1", "10.0.0.9"));
        remote.append(serviceTodayRecord("r2", "30.0.0.9"));
        pManager->addDataByJsonArray(remote, Proxy_Today, 1);
        QCOMPARE(pToday->rowCount(), 3);
        SearchManager::GetInstance()->setIpSearch(QString());

        pManager->getDataType(Proxy_Favorite, 0);
        pManager->setFavoriteByParam("r1", Proxy_Today, true);
        QCOMPARE(pFavorites->rowCount(), 1);
        pManager->setFavoriteByParam("r1", Proxy_Favorite, false);
        QCOMPARE(pFavorites->rowCount(), 0);
        pManager->clearAllData(1);
        QCOMPARE(pToday->rowCount(), 0);
    }

    void tiedRowsKeepTheirPlaces_data()
    {
        QTest::addColumn<int>("enumType");
        QTest::addColumn<int>("nView");
        QTest::newRow("today, one buy time") << int(Proxy_Today) << 0;
        QTest::newRow("main list, one country ascending") << int(Proxy_Online) << 5;
        QTest::newRow("main list, one country descending") << int(Proxy_Online) << 6;
    }

    // Rows with equal keys, filed one by one while shown, stay where they are in a fresh view.
    void tiedRowsKeepTheirPlaces()
    {
        QFETCH(int, enumType);
        QFETCH(int, nView);
        ProxyManager* pManager = ProxyManager::GetInstance();
        ProxyListModel* pModel = pManager->listModel(enumType);
        pManager->getDataType(enumType, nView);
        QList<QObject*> filed;
        for (int nRow = 0; nRow < 40; ++nRow) {
            const QString qstrName = QStringLiteral("s%1").arg(nRow);
            ProxyDataBase* pRow = enumType == Proxy_Today
                                      ? todayRow(qstrName, "2026-01-02 00:00:00")
                                      : static_cast<ProxyDataBase*>(new ProxyList);
            pRow->setSession(qstrName);
            pRow->setqjsonLine({{"ip", qstrName}, {"country", "US"}});
            pManager->addData(pRow);
            filed.append(pRow);
        }
        QCOMPARE(shownRows(*pModel), filed);
        QCOMPARE(pManager->getDataType(enumType, nView), filed);
    }

    // The engine owns the singleton it received; the next engine gets a new store.
    void secondEngineGetsAFreshStore()
    {
        static bool bRegistered = false;
        if (!bRegistered)
            CAppCustom().RegisterCpp();
        bRegistered = true;
        QPointer<QObject> pFirst;
        for (int nEngine = 0; nEngine < 2; ++nEngine) {
            QQmlEngine engine;
            QQmlComponent component(&engine);
            component.setData("import QtQml 2.15; import Proxy.Param 1.0\n"
                              "QtObject { property QtObject store: ProxyManager }",
                              QUrl());
            std::unique_ptr<QObject> pRoot(component.create());
            QVERIFY2(pRoot, qPrintable(component.errorString()));
            QObject* pStore = pRoot->property("store").value<QObject*>();
            QCOMPARE(pStore, static_cast<QObject*>(ProxyManager::GetInstance()));
            if (nEngine == 0) {
                ProxyManager::GetInstance()->addDataByJsonArray(extractionRecords({"10.0.0.1"}),
                                                                Proxy_Today, 2);
                pFirst = pStore;
            } else {
                QVERIFY(ProxyManager::GetInstance()->table(Proxy_Today).isEmpty());
            }
            pRoot.reset();
        }
        QVERIFY(pFirst.isNull());
    }

    void instanceIsBuiltAnewAfterDeletion()
    {
        ProxyManager* pFirst = ProxyManager::GetInstance();
        QPointer<QObject> pModel = pFirst->getListModel(Proxy_Favorite);
        delete pFirst;
        QVERIFY(pModel.isNull());
        QVERIFY(ProxyManager::GetInstance());
    }

    void cachesKeepOnlyTheirTypes_data()
    {
        QTest::addColumn<int>("enumType");
        QTest::addColumn<bool>("bKept");
        QTest::newRow("devices") << int(Proxy_Equipment) << true;
        QTest::newRow("device history") << int(Proxy_EquipmentLineHistory) << true;
        QTest::newRow("today") << int(Proxy_Today) << false;
        QTest::newRow("out of range") << 14 << false;
    }

    void cachesKeepOnlyTheirTypes()
    {
        QFETCH(int, enumType);
        QFETCH(bool, bKept);
        ProxyManager* pManager = ProxyManager::GetInstance();
        Json::Value array(Json::arrayValue);
        array.append(Json::Value(Json::objectValue));
        pManager->setDataJsonByProxyType(array, enumType);
        QCOMPARE(pManager->getDataJsonByProxyType(enumType).isArray(), bKept);
        pManager->clearDataJsonByProxyType(enumType);
        QVERIFY(pManager->getDataJsonByProxyType(enumType).isNull());
    }

    void converters()
    {
        QVERIFY(ProxyManager::StringToJson("[1,2]").isEmpty());
        QVERIFY(ProxyManager::StringToJson("not json").isEmpty());
        QCOMPARE(ProxyManager::StringToJson("{\"a\":1}").value("a").toInt(), 1);
        ProxyManager* pManager = ProxyManager::GetInstance();
        QCOMPARE(pManager->buildRandSession("key"), pManager->buildRandSession("key"));
        QCOMPARE(pManager->buildRandSession("key"),
                 QString(QCryptographicHash::hash("0key", QCryptographicHash::Md5).toHex()));
    }
};

QTEST_MAIN(tst_ProxyModel)
#include "tst_ProxyModel.moc"
