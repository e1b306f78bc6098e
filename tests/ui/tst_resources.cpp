#include <QSvgRenderer>
#include <QTest>

// The pictures the windows load by their resource paths.
class ResourcesTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void picturesLoad()
    {
        for (const char *name : {"compile_released", "compile_pressed", "run_released", "run_pressed", "upload_released",
                                 "upload_pressed", "splash", "about", "icon1", "icon2", "icon3", "quenvel"}) {
            const QString path = QStringLiteral(":/images/%1.svg").arg(QLatin1String(name));
            QVERIFY2(QSvgRenderer(path).isValid(), qPrintable(path));
        }
    }
};

QTEST_MAIN(ResourcesTest)
#include "tst_resources.moc"
