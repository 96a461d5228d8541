#include "DataManager/Search/SearchManager.h"

#include <QSignalSpy>
#include <QTest>

#include <thread>

// The location choices' defaults and change signals, a catalogue that its owner deleted,
// and the image arrays written by one thread while another reads them.
class tst_SearchManager : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { delete SearchManager::GetInstance(); }

    void choices()
    {
        SearchManager* pSearch = SearchManager::GetInstance();
        QCOMPARE(pSearch->getCurrentCountryCode(), QString("random"));
        QCOMPARE(pSearch->getIpSearch(), QString());
        QSignalSpy country(pSearch, &SearchManager::qstrCurrentCountryCodeChanged);
        QSignalSpy search(pSearch, &SearchManager::qstrIpSearchChanged);
        pSearch->setCurrentCountryCode("US");
        pSearch->setCurrentCountryCode("US");
        pSearch->setIpSearch("1.2");
        QCOMPARE(country.count(), 1);
        QCOMPARE(search.count(), 1);

        using Set = void (SearchManager::*)(QString);
        using Get = QString (SearchManager::*)();
        const QList<QPair<Set, Get>> codes{
            {&SearchManager::setCurrentStateCode, &SearchManager::getCurrentStateCode},
            {&SearchManager::setCurrentCityCode, &SearchManager::getCurrentCityCode},
            {&SearchManager::setCurrentOperatorCode, &SearchManager::getCurrentOperatorCode},
            {&SearchManager::setCurrentPostalCode, &SearchManager::getCurrentPostalCode}};
        for (const auto& code : codes) {
            QCOMPARE((pSearch->*code.second)(), QString("random"));
            (pSearch->*code.first)("CA");
            QCOMPARE((pSearch->*code.second)(), QString("CA"));
            (pSearch->*code.first)("");
            QCOMPARE((pSearch->*code.second)(), QString("random"));
        }
    }

    void deletedCatalogueIsBuiltAgain()
    {
        SearchManager* pFirst = SearchManager::GetInstance();
        pFirst->setCurrentCountryCode("US");
        delete pFirst;
        SearchManager* pSecond = SearchManager::GetInstance();
        QCOMPARE(pSecond->getCurrentCountryCode(), QString("random"));
        QCOMPARE(SearchManager::GetInstance(), pSecond);
    }

    // Every read sees one whole array: n elements, each n.
    void imageArraysWrittenWhileRead()
    {
        SearchManager* pSearch = SearchManager::GetInstance();
        std::thread writer([pSearch]() {
            for (int n = 1; n <= 300; ++n) {
                Json::Value images(Json::arrayValue);
                for (int i = 0; i < n; ++i)
                    images.append(n);
                pSearch->setCarouselDataJson(images, 0);
                pSearch->setLoginImgDataJson(images, 0);
            }
        });
        bool bWhole = true;
        for (int i = 0; i < 2000 && bWhole; ++i) {
            const Json::Value images = pSearch->getCarouselDataJson();
            for (const Json::Value& image : images)
                bWhole = bWhole && image.asUInt() == images.size();
        }
        writer.join();
        QVERIFY(bWhole);
        QCOMPARE(pSearch->getLoginImgDataJson().size(), 300u);
    }
};

QTEST_GUILESS_MAIN(tst_SearchManager)
#include "tst_SearchManager.moc"
