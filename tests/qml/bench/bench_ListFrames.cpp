// Frame times of the proxy list screens with 10,000 rows against 100, in one run: the Proxy
// List page scrolled top to bottom one view height per frame, each sort header clicked, and
// a location filter applied on the Today page. A frame is the time from applying one step
// to the window's next frameSwapped. After an untimed pass of each size, rounds alternate
// the sizes; in each round the 100 rows are scrolled through again until they have given as
// many scroll frames as the 10,000, and each phase's 95th percentile frame of both sizes is
// compared.
// Prints medians over the rounds with their min-max.
// Usage (a display is needed; the software backend is what it measures):
//   xvfb-run -a env QT_QUICK_BACKEND=software build/bin/bench_ListFrames
#include "AppCustom.h"
#include "BenchFigure.h"
#include "DataManager/Proxy/ProxyManager.h"
#include "DataManager/Search/SearchManager.h"
#include "Interface/GlobleParam.h"
#include "PublicModule/Driver/UiDriver.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRandomGenerator>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kFrameLimitMs = 5000;
constexpr int kRounds = 5;
constexpr int kMany = 10000;
constexpr int kFew = 100;

// Exits of four countries with scattered states, cities, operators and postal codes.
Json::Value lines(int nRows)
{
    static const char* const kCountries[] = {"US", "BR", "FR", "DE"};
    QRandomGenerator random(7);
    Json::Value array(Json::arrayValue);
    for (int i = 0; i < nRows; ++i) {
        Json::Value line;
        line["ip"] = QStringLiteral("%1.%2.%3.%4")
                         .arg(random.bounded(1, 255))
                         .arg(random.bounded(256))
                         .arg(random.bounded(256))
                         .arg(i % 256)
                         .toStdString();
        line["country"] = kCountries[i % 4];
        line["state"] = "S" + std::to_string(random.bounded(50));
        line["city"] = "C" + std::to_string(random.bounded(500));
        line["isp"] = "isp" + std::to_string(random.bounded(20));
        line["postal"] = std::to_string(10000 + random.bounded(80000));
        line["ip_time_type"] = "1";
        line["sn"] = "c24gMTIzNDU2Nzg5";
        array.append(line);
    }
    return array;
}

// The online list and today's list, nRows each, as the service's answers would leave them.
void fill(int nRows)
{
    ProxyManager* pManager = ProxyManager::GetInstance();
    pManager->clearAllData(1);
    const Json::Value array = lines(nRows);
    pManager->setProxyListDataJson(array);
    pManager->beginRarseProxyListData();
    pManager->addDataByJsonArray(array, Proxy_Today, 2);
}

// The frame below which the given share of the times lie.
double percentile(std::vector<double> times, int nPercent)
{
    if (times.empty())
        return 0;
    std::sort(times.begin(), times.end());
    return times[std::min(times.size() - 1, times.size() * size_t(nPercent) / 100)];
}

void click(QQuickItem* pItem)
{
    const QPointF point = pItem->mapToScene(QPointF(pItem->width() / 2, pItem->height() / 2));
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, point, point, pItem->window()->mapToGlobal(point.toPoint()),
                          Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(pItem->window(), &event);
    }
}

class FrameBench
{
public:
    FrameBench(QQmlApplicationEngine& engine, QQuickWindow& window)
        : m_driver(engine, {}), m_window(window)
    {
    }

    QQuickItem* item(const char* szName) const
    {
        auto* pItem = qobject_cast<QQuickItem*>(m_driver.find(QString::fromLatin1(szName)));
        if (!pItem)
            std::fprintf(stderr, "bench_ListFrames: no item named %s\n", szName);
        return pItem;
    }

    // Runs step() until it says there is nothing more to do, timing each frame it asks for.
    bool frames(const std::function<bool()>& step, std::vector<double>& times)
    {
        for (;;) {
            QElapsedTimer timer;
            timer.start();
            if (!step())
                return true;
            m_window.update();
            if (!nextFrame())
                return false;
            times.push_back(timer.nsecsElapsed() / 1e6);
        }
    }

    // Lets the window settle between phases: a few frames, not timed.
    void settle()
    {
        for (int i = 0; i < 3; ++i) {
            m_window.update();
            nextFrame();
        }
    }

private:
    bool nextFrame()
    {
        QEventLoop loop;
        QObject::connect(&m_window, &QQuickWindow::frameSwapped, &loop, &QEventLoop::quit);
        QTimer::singleShot(kFrameLimitMs, &loop, [&loop] { loop.exit(1); });
        return loop.exec() == 0;
    }

    UiDriver m_driver;
    QQuickWindow& m_window;
};

// The page's sort headers: its shown items that keep a sort mark and may sort, left to right.
QList<QQuickItem*> sortHeaders(QQuickItem* pPage)
{
    QList<QQuickItem*> headers;
    QList<QQuickItem*> pending{pPage};
    while (!pending.isEmpty()) {
        QQuickItem* pItem = pending.takeFirst();
        if (pItem->isVisible() && pItem->property("nSort").isValid() &&
            pItem->property("bAllowSort").toBool())
            headers << pItem;
        pending << pItem->childItems();
    }
    std::sort(headers.begin(), headers.end(), [](QQuickItem* a, QQuickItem* b) {
        return a->mapToScene(QPointF()).x() < b->mapToScene(QPointF()).x();
    });
    return headers;
}

void send(QObject* pPage, int nType, int nValue)
{
    QMetaObject::invokeMethod(pPage, "signal_SetUiData", Q_ARG(int, nType),
                              Q_ARG(QString, QString()), Q_ARG(int, nValue));
}

// Frame times of each phase, over every pass.
struct PhaseTimes
{
    std::vector<double> scroll, sort, filter;
    // Of each sort frame, the click's own handling: the page's handler, the store's view and
    // the model's reset, before the scene is polished and drawn.
    std::vector<double> sortClick;

    std::vector<double>* phases[3] = {&scroll, &sort, &filter};
};

// One pass: scroll, sort and filter, one frame per step; or the scroll alone.
bool runPhases(FrameBench& bench, PhaseTimes& times, bool bScrollOnly = false)
{
    QQuickItem* pProxyPage = bench.item("rectProxyListID");
    QQuickItem* pList = bench.item("proxyListView1");
    QQuickItem* pTodayPage = bench.item("rectTodayListID");
    QQuickItem* pCountry = bench.item("rectTodayListID/countryCombo2");
    QQuickItem* pSearch = bench.item("rectTodayListID/searchButton2");
    if (!pProxyPage || !pList || !pTodayPage || !pCountry || !pSearch)
        return false;

    pTodayPage->setVisible(false);
    pProxyPage->setVisible(true);
    send(pProxyPage, 113, 1);
    bench.settle();
    pList->setProperty("contentY", 0);
    bench.settle();
    const bool bScrolled = bench.frames([&] {
        if (pList->property("atYEnd").toBool())
            return false;
        const double fTop = pList->property("contentY").toDouble();
        pList->setProperty("contentY", fTop + pList->height());
        return true;
    }, times.scroll);
    if (bScrollOnly)
        return bScrolled;

    const QList<QQuickItem*> headers = sortHeaders(pProxyPage);
    int nHeader = 0;
    const bool bSorted = bench.frames([&] {
        if (nHeader == headers.size())
            return false;
        times.sortClick.push_back(bench::wallMs([&] { click(headers.at(nHeader++)); }));
        return true;
    }, times.sort);

    pProxyPage->setVisible(false);
    pTodayPage->setVisible(true);
    send(pTodayPage, 114, 0);
    bench.settle();
    const QStringList countries{QStringLiteral("US"), QStringLiteral("BR"), QStringLiteral("FR"),
                                QStringLiteral("DE"), QString()};
    int nCountry = 0;
    const bool bFiltered = bench.frames([&] {
        if (nCountry == countries.size())
            return false;
        pCountry->setProperty("currentCode", countries.at(nCountry++));
        click(pSearch);
        return true;
    }, times.filter);
    return bScrolled && bSorted && bFiltered && !headers.isEmpty();
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
        qputenv("QT_QUICK_BACKEND", "software");
    // Only warnings and worse: the stores' diagnostics would bury the figures.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& qstrText) {
        if (type != QtDebugMsg && type != QtInfoMsg)
            std::fprintf(stderr, "%s\n", qPrintable(qstrText));
    });
    QGuiApplication app(argc, argv);
    CAppCustom().RegisterInit();
    GlobleParam param;
    param.SetUsername("bench");
    param.setIsLogin(1);
    // Scrolled to the end, the list asks for no next page.
    param.setHeadListState(0);

    QQmlApplicationEngine engine;
    engine.rootContext()->setContextProperty(QStringLiteral("globleParam"), &param);
    engine.load(QUrl::fromLocalFile(QStringLiteral(QEL_SOURCE_DIR "/tests/qml/bench/ListFrames.qml")));
    auto* pWindow = qobject_cast<QQuickWindow*>(engine.rootObjects().value(0));
    if (!pWindow) {
        std::fprintf(stderr, "bench_ListFrames: the scene did not load\n");
        return 1;
    }
    pWindow->show();
    FrameBench bench(engine, *pWindow);

    // Untimed first passes, which also tell how many passes of the few rows give as many
    // scroll frames as one of the many.
    size_t nScroll[2] = {};
    for (int nSize = 0; nSize < 2; ++nSize) {
        fill(nSize == 0 ? kMany : kFew);
        PhaseTimes warmUp;
        if (!runPhases(bench, warmUp)) {
            std::fprintf(stderr, "bench_ListFrames: a phase did not run through\n");
            return 1;
        }
        nScroll[nSize] = std::max<size_t>(1, warmUp.scroll.size());
    }
    const int nFewPasses = int((nScroll[0] + nScroll[1] - 1) / nScroll[1]);
    static const char* const kPhases[] = {"scroll", "sort", "filter"};
    bench::Figure many[3], few[3], ratio[3], worstSort, worstSortClick;
    for (int nRound = 0; nRound < kRounds; ++nRound) {
        PhaseTimes times[2];
        for (int nSide : {nRound % 2, 1 - nRound % 2}) {
            fill(nSide == 0 ? kMany : kFew);
            // The few rows scroll in fewer frames: their later passes scroll only.
            for (int nPass = 0; nPass < (nSide == 0 ? 1 : nFewPasses); ++nPass) {
                if (!runPhases(bench, times[nSide], nPass > 0)) {
                    std::fprintf(stderr, "bench_ListFrames: a phase did not run through\n");
                    return 1;
                }
            }
        }
        for (int nPhase = 0; nPhase < 3; ++nPhase) {
            std::vector<double>& manyTimes = *times[0].phases[nPhase];
            std::vector<double>& fewTimes = *times[1].phases[nPhase];
            const size_t nFrames = std::min(manyTimes.size(), fewTimes.size());
            manyTimes.resize(nFrames);
            fewTimes.resize(nFrames);
            many[nPhase].add(percentile(manyTimes, 95));
            few[nPhase].add(percentile(fewTimes, 95));
            ratio[nPhase].add(percentile(manyTimes, 95) / std::max(percentile(fewTimes, 95), 0.001));
        }
        const auto worst = std::max_element(times[0].sort.cbegin(), times[0].sort.cend());
        worstSort.add(*worst);
        worstSortClick.add(times[0].sortClick.at(size_t(worst - times[0].sort.cbegin())));
    }
    std::printf("%d rounds, %d pass(es) of %d rows for each of %d rows; median (min-max)\n",
                kRounds, nFewPasses, kFew, kMany);
    for (int nPhase = 0; nPhase < 3; ++nPhase) {
        const QByteArray name = kPhases[nPhase];
        many[nPhase].print(name + " p95, 10,000 rows", " ms");
        few[nPhase].print(name + " p95, 100 rows", " ms");
        ratio[nPhase].print(name + " p95 ratio (target 2)", "x");
    }
    worstSort.print("worst sort frame, 10,000 rows (target 50)", " ms");
    worstSortClick.print("  of it the click's handling", " ms");
    return 0;
}
