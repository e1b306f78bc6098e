#include <QFile>
#include <QSvgRenderer>
#include <QTest>
#include <QTextDocument>

// The pictures and the help page the windows load by their resource paths.
class ResourcesTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void picture_data();
    void picture();
    void helpPage();
};

void ResourcesTest::picture_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    for (const char *name : {"compile_released", "compile_pressed", "run_released", "run_pressed",
                             "upload_released", "upload_pressed"})
        QTest::newRow(name) << QStringLiteral(":/images/%1.svg").arg(QLatin1String(name))
                            << QSize(96, 40);
    QTest::newRow("splash") << ":/images/splash.svg" << QSize(320, 240);
    QTest::newRow("about") << ":/images/about.svg" << QSize(160, 120);
    QTest::newRow("icon1") << ":/images/icon1.svg" << QSize(32, 32);
    QTest::newRow("icon2") << ":/images/icon2.svg" << QSize(32, 32);
    QTest::newRow("icon3") << ":/images/icon3.svg" << QSize(32, 32);
    QTest::newRow("window icon") << ":/images/quenvel.svg" << QSize(32, 32);
}

void ResourcesTest::picture()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QSvgRenderer renderer(path);
    QVERIFY2(renderer.isValid(), qPrintable(path));
    QCOMPARE(renderer.defaultSize(), size);
}

void ResourcesTest::helpPage()
{
    QFile page(QStringLiteral(":/help/index.html"));
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QByteArray bytes = page.readAll();
    const QString text = QString::fromUtf8(bytes);
    QCOMPARE(text.toUtf8(), bytes);  // valid UTF-8
    QTextDocument document;
    document.setHtml(text);
    QCOMPARE(document.metaInformation(QTextDocument::DocumentTitle), QStringLiteral("Quenvel ヘルプ"));
}

QTEST_MAIN(ResourcesTest)
#include "tst_resources.moc"
