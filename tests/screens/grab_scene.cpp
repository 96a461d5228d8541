// Loads a QML scene whose root is a window and saves the window, at its own size, once it
// has rendered and settled. The scene finds two sample pictures under `sampleDir`, the
// optional third argument as `sceneParam`, and `sceneCatalogue` to give the location
// catalogue its countries. QEL_SCENE_TRANSLATION names a compiled translation to show the
// scene in.
//   qel_grab_scene <scene.qml> <out.png> [param]
#include "AppCustom.h"
#include "DataManager/Search/SearchManager.h"
#include "PublicModule/HttpCurl/features/JsonRead.h"

#include <QApplication>
#include <QImage>
#include <QLoggingCategory>
#include <QPainter>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>

#include <cstdio>

// What the service's country list would have given the catalogue, for one plan.
class SceneCatalogue : public QObject
{
    Q_OBJECT

public:
    Q_INVOKABLE bool setAreas(const QString& qstrJson, int nPlan)
    {
        Json::Value countries;
        if (!JsonRead::parse(qstrJson.toStdString(), countries))
            return false;
        SearchManager::GetInstance()->setAreaDataJson(countries, nPlan);
        return true;
    }
};

namespace {

constexpr int kSettleMs = 600;
constexpr int kLimitMs = 15000;

// Stand-ins for pictures a user would attach: a light page with a few bars.
bool writeSamplePicture(const QString& qstrPath, const QColor& accent)
{
    QImage image(320, 200, QImage::Format_RGB32);
    image.fill(QColor("#F4F6FB"));
    QPainter painter(&image);
    painter.fillRect(0, 0, 320, 36, accent);
    for (int i = 0; i < 4; ++i)
        painter.fillRect(24, 60 + i * 30, 272 - i * 48, 14, QColor("#D1D9E7"));
    painter.end();
    return image.save(qstrPath);
}

} // namespace

int main(int argc, char** argv)
{
    // A widgets application, as the client is: Qt's file dialogs then take the same form.
    QApplication app(argc, argv);
    // The screens' own diagnostics are not the harness's output; warnings still show.
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false\n*.info=false"));
    const QStringList args = app.arguments();
    if (args.size() != 3 && args.size() != 4) {
        std::fprintf(stderr, "usage: qel_grab_scene scene.qml out.png [param]\n");
        return 2;
    }
    CApp::UseScreenFont();
    CAppCustom().RegisterInit();
    QTranslator translator;
    const QString qstrTranslation = qEnvironmentVariable("QEL_SCENE_TRANSLATION");
    if (!qstrTranslation.isEmpty() &&
        (!translator.load(qstrTranslation) || !QCoreApplication::installTranslator(&translator))) {
        std::fprintf(stderr, "cannot load %s\n", qPrintable(qstrTranslation));
        return 1;
    }

    QTemporaryDir samples;
    if (!writeSamplePicture(samples.filePath("sample1.png"), QColor("#FF5C00")) ||
        !writeSamplePicture(samples.filePath("sample2.png"), QColor("#1F3A93")))
        return 1;

    SceneCatalogue catalogue;
    QQmlApplicationEngine engine;
    engine.rootContext()->setContextProperty(QStringLiteral("sampleDir"), samples.path());
    engine.rootContext()->setContextProperty(QStringLiteral("sceneParam"), args.value(3));
    engine.rootContext()->setContextProperty(QStringLiteral("sceneCatalogue"), &catalogue);
    engine.load(QUrl::fromLocalFile(args[1]));
    auto* window = qobject_cast<QQuickWindow*>(engine.rootObjects().value(0));
    if (!window) {
        std::fprintf(stderr, "%s has no window at its root\n", qPrintable(args[1]));
        return 1;
    }

    int nStatus = 1;
    bool bScheduled = false;
    QObject::connect(window, &QQuickWindow::frameSwapped, &app, [&] {
        if (bScheduled)
            return;
        bScheduled = true;
        QTimer::singleShot(kSettleMs, &app, [&] {
            const QImage image = window->grabWindow();
            nStatus = image.save(args[2]) ? 0 : 1;
            if (nStatus != 0)
                std::fprintf(stderr, "cannot write %s\n", qPrintable(args[2]));
            app.exit(nStatus);
        });
    });
    QTimer::singleShot(kLimitMs, &app, [&] {
        std::fprintf(stderr, "%s did not render in time\n", qPrintable(args[1]));
        app.exit(1);
    });
    window->show();
    return app.exec();
}

#include "grab_scene.moc"
