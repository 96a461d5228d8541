// Frame times of the proxy list screens with 10,000 rows against 100, in one run: the Proxy
// List page scrolled top to bottom one view height per frame, each sort header clicked, and
// a location filter applied on the Today page. A frame is the time from applying one step
// to the window's next frameSwapped. Prints worst and median frame (and the 99th percentile)
// for both row counts and the ratio of the worst frames.
// Usage (a display is needed; the software backend is what it measures):
//   xvfb-run -a env QT_QUICK_BACKEND=software build/bin/bench_ListFrames
#include "AppCustom.h"
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

struct Figures
{
    double fWorst = 0;
    double fMedian = 0;
    double fHigh = 0; // the 99th percentile
    int nFrames = 0;
};

Figures figuresOf(std::vector<double> times)
{
    Figures figures;
    if (times.empty())
        return figures;
    std::sort(times.begin(), times.end());
    figures.fWorst = times.back();
    figures.fMedian = times[times.size() / 2];
    figures.fHigh = times[times.size() * 99 / 100];
    figures.nFrames = int(times.size());
    return figures;
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

    std::vector<double> all() const
    {
        std::vector<double> times = scroll;
        times.insert(times.end(), sort.begin(), sort.end());
        times.insert(times.end(), filter.begin(), filter.end());
        return times;
    }
};

void printFigures(const char* szName, const std::vector<double>& times)
{
    const Figures figures = figuresOf(times);
    std::printf("  %-7s %5d frames, worst %6.1f ms, 99th percentile %6.1f ms, median %5.1f ms\n",
                szName, figures.nFrames, figures.fWorst, figures.fHigh, figures.fMedian);
}

// One pass: scroll, sort and filter, one frame per step.
bool runPhases(FrameBench& bench, PhaseTimes& times)
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

    const QList<QQuickItem*> headers = sortHeaders(pProxyPage);
    int nHeader = 0;
    const bool bSorted = bench.frames([&] {
        if (nHeader == headers.size())
            return false;
        click(headers.at(nHeader++));
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

    // The few rows are run through again until they have given as many frames as the many,
    // so that both worst frames are picked from samples of one size.
    Figures results[2];
    const int kCounts[2] = {10000, 100};
    size_t nFrames = 0;
    for (int nRun = 0; nRun < 2; ++nRun) {
        fill(kCounts[nRun]);
        PhaseTimes times;
        int nPasses = 0;
        do {
            if (!runPhases(bench, times)) {
                std::fprintf(stderr, "bench_ListFrames: a phase did not run through\n");
                return 1;
            }
            ++nPasses;
        } while (times.all().size() < nFrames);
        nFrames = times.all().size();
        std::printf("%d rows, %d pass%s:\n", kCounts[nRun], nPasses, nPasses == 1 ? "" : "es");
        printFigures("scroll", times.scroll);
        printFigures("sort", times.sort);
        printFigures("filter", times.filter);
        printFigures("all", times.all());
        results[nRun] = figuresOf(times.all());
    }
    std::printf("worst frame ratio 10,000 / 100 rows: %.2f (target 2); worst %.1f ms and median "
                "%.1f ms with 10,000 rows (50 ms and 16 ms reported, not gated)\n",
                results[0].fWorst / std::max(results[1].fWorst, 0.001), results[0].fWorst,
                results[0].fMedian);
    return 0;
}
