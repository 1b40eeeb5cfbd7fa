#include "library/ButtonPicture.h"
#include "TestFolder.h"

#include <QBuffer>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray picture(const QSize &size, const char *format)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

bool isTemplate(const QPixmap &pixmap)
{
    return pixmap.toImage() == ButtonPicture::templatePicture().toImage();
}

} // namespace

// Button pictures are read whole and decoded from memory; only a whole GIF
// shows as itself.
class TestButtonPicture : public QObject
{
    Q_OBJECT

private slots:
    void loadsByContents()
    {
        TestFolder folder;
        const QPixmap gif =
            ButtonPicture::load(qEnvironmentVariable("TASTWERK_SOURCE_DIR") + u"/data/buttons/navigate_to.gif"_s);
        QCOMPARE(gif.size(), QSize(80, 50));
        QVERIFY(!isTemplate(gif));

        // A button picture is a GIF: another format under its name is none.
        folder.write(u"png_inside.gif"_s, picture({80, 50}, "PNG"));
        QVERIFY(isTemplate(ButtonPicture::load(u"png_inside.gif"_s)));
    }

    void standsInWithTheTemplate()
    {
        TestFolder folder;
        QVERIFY(isTemplate(ButtonPicture::load(u"gone.gif"_s)));
        folder.write(u"text.gif"_s, "GIF89a and then nothing useful");
        QVERIFY(isTemplate(ButtonPicture::load(u"text.gif"_s)));
        folder.write(u"huge.gif"_s, picture({4000, 2}, "PNG"));
        QVERIFY(isTemplate(ButtonPicture::load(u"huge.gif"_s)));
    }
};

QTEST_MAIN(TestButtonPicture)
#include "tst_buttonpicture.moc"
