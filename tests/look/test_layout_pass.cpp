#include "app/PirtokApp.h"
#include "look/WindowLayoutPass.h"
#include "shell/Bevels.h"
#include "shell/Form3Texts.h"
#include "tests/support/AppFixture.h"
#include "tests/support/WindowTesting.h"

#include <QTest>

using codeunits::codes;

namespace {

const QColor White(255, 255, 255);
const QColor DarkGrey(64, 64, 64);

// Where every control the pass does not place stands, by name.
QMap<QString, QRect> unplacedGeometry(Form3 &form)
{
    const QSet<QString> placed = {
        QStringLiteral("Image1"), QStringLiteral("Text1"),  QStringLiteral("Label3"),
        QStringLiteral("Label4"), QStringLiteral("Shape0"), QStringLiteral("Shape1"),
        QStringLiteral("Shape2"), QStringLiteral("Shape3"), QStringLiteral("Shape4"),
        QStringLiteral("Line1"),  QStringLiteral("Line2"),  QStringLiteral("Line3"),
        QStringLiteral("Line4"),  QStringLiteral("Line5")};
    QMap<QString, QRect> geometry;
    for (QWidget *child : form.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        if (!child->objectName().isEmpty() && !placed.contains(child->objectName()))
            geometry.insert(child->objectName(), child->geometry());
    return geometry;
}

} // namespace

class TestLayoutPass : public QObject
{
    Q_OBJECT

private:
    AppFixture fx;
    Form3 *form = nullptr;

    int W() const { return TwipsGeometry::toTwips(form->frameGeometry().width()); }
    int IW() const { return form->widthTwips(); }
    int IH() const { return form->heightTwips(); }
    int H() const { return TwipsGeometry::toTwips(form->frameGeometry().height()); }
    // Sizes the window as the user drags it: outer size, frame included.
    void resizeTwips(int width, int height)
    {
        const QSize frame = form->frameGeometry().size() - form->size();
        form->resize(TwipsGeometry::toPixels(width) - frame.width(),
                     TwipsGeometry::toPixels(height) - frame.height());
        QCoreApplication::processEvents();
    }

private Q_SLOTS:
    void init()
    {
        fx.start();
        form = &fx.form();
        QVERIFY(WindowTesting::showActive(form));
    }
    void cleanup() { fx.stop(); }

    void placesTheWindowsParts()
    {
        resizeTwips(15000, 9000);
        QCOMPARE(W(), 15000);
        QCOMPARE(H(), 9000);
        // The text follows the client area, the frames and symbols the outer size.
        QCOMPARE(form->Text1->geometryTwips(), QRect(90, 1260, IW() - 120, IH() - 1320));
        QCOMPARE(form->Image1->geometryTwips(), QRect(0, 0, W(), 375));
        QCOMPARE(form->Image3->leftTwips(), 60);
        QCOMPARE(form->Label13->leftTwips(), 435);
        QCOMPARE(form->Shape0->geometryTwips(), QRect(0, 0, W(), 9000));
        QCOMPARE(form->Shape4->geometryTwips(), QRect(60, 435, W() - 120, 9000 - 495));
        QCOMPARE(form->Line1->pointsTwips(), QLine(75, 1185, W() - 75, 1185));
        QCOMPARE(form->Line3->pointsTwips(), QLine(45, 1215, W() - 45, 1215));
        QCOMPARE(form->Line5->pointsTwips(), QLine(75, 1245, W() - 75, 1245));
        QCOMPARE(form->Label3->geometryTwips().topLeft(), QPoint(W() - 600, 30));
        QCOMPARE(form->Label4->geometryTwips().topLeft(), QPoint(W() - 900, 15));
    }

    void wideningByFifteenHundredTwips()
    {
        resizeTwips(15000, 9000);
        const QRect text = form->Text1->geometryTwips();
        const QRect strip = form->Image1->geometryTwips();
        std::array<QRect, 5> frames;
        std::array<QLine, 5> lines;
        for (std::size_t i = 0; i < frames.size(); ++i) {
            frames[i] = form->frames()[i]->geometryTwips();
            lines[i] = form->ridgeLines()[i]->pointsTwips();
        }
        const int settings = form->Label3->leftTwips(), help = form->Label4->leftTwips();
        const QMap<QString, QRect> toolRows = unplacedGeometry(*form);

        resizeTwips(16500, 9000);
        QCOMPARE(form->Text1->geometryTwips(), text.adjusted(0, 0, 1500, 0));
        QCOMPARE(form->Image1->geometryTwips(), strip.adjusted(0, 0, 1500, 0));
        for (std::size_t i = 0; i < frames.size(); ++i) {
            QCOMPARE(form->frames()[i]->geometryTwips(), frames[i].adjusted(0, 0, 1500, 0));
            QCOMPARE(form->ridgeLines()[i]->pointsTwips(),
                     QLine(lines[i].p1(), lines[i].p2() + QPoint(1500, 0)));
        }
        QCOMPARE(form->Label3->leftTwips(), settings + 1500);
        QCOMPARE(form->Label4->leftTwips(), help + 1500);
        QCOMPARE(unplacedGeometry(*form), toolRows);
    }

    void heighteningLengthensTheTextAndFrames()
    {
        resizeTwips(15000, 7000);
        const QRect text = form->Text1->geometryTwips();
        const QRect frame = form->Shape2->geometryTwips();
        resizeTwips(15000, 8500);
        QCOMPARE(form->Text1->geometryTwips(), text.adjusted(0, 0, 0, 1500));
        QCOMPARE(form->Text1->topTwips(), 375 + 885);
        QCOMPARE(form->Shape2->geometryTwips(), frame.adjusted(0, 0, 0, 1500));
    }

    void snapsBackToTheMinimum_data()
    {
        QTest::addColumn<QSize>("asked");
        QTest::addColumn<QSize>("kept");
        QTest::newRow("narrower") << QSize(9000, 7005) << QSize(14055, 7005);
        QTest::newRow("lower") << QSize(16005, 1500) << QSize(16005, 4500);
        QTest::newRow("both") << QSize(150, 150) << QSize(14055, 4500);
    }
    void snapsBackToTheMinimum()
    {
        QFETCH(QSize, asked);
        QFETCH(QSize, kept);
        resizeTwips(asked.width(), asked.height());
        QCOMPARE(TwipsGeometry::toTwips(form->frameGeometry().width()), kept.width());
        QCOMPARE(TwipsGeometry::toTwips(form->frameGeometry().height()), kept.height());
        QCOMPARE(form->Text1->widthTwips(), IW() - 120);
    }

    void everyPassResetsTheProgressAndRedrawsTheSwitch_data()
    {
        QTest::addColumn<int>("arabic");
        QTest::addColumn<QColor>("topLeft");
        QTest::addColumn<QColor>("bottomRight");
        QTest::newRow("Kurdish: raised") << 0 << White << DarkGrey;
        QTest::newRow("Arabic: pressed") << 1 << DarkGrey << White;
    }
    void everyPassResetsTheProgressAndRedrawsTheSwitch()
    {
        QFETCH(int, arabic);
        QFETCH(QColor, topLeft);
        QFETCH(QColor, bottomRight);
        form->Check1->setValue(arabic);
        Bevels::paint(*form, Bevels::KeyboardSwitch, arabic == 0); // the wrong look
        form->Label2->setCaption(QStringLiteral("%55"));
        const QRect switchPlace = form->Label6->geometryTwips();
        resizeTwips(W(), H() + 15);
        QCOMPARE(form->Label2->caption(), QStringLiteral("%0"));
        QCOMPARE(form->Li[0]->borderColor(), topLeft);
        QCOMPARE(form->Li[3]->borderColor(), topLeft);
        QCOMPARE(form->Li[1]->borderColor(), bottomRight);
        QCOMPARE(form->Li[2]->borderColor(), bottomRight);
        QCOMPARE(form->Label6->geometryTwips(), switchPlace);
    }

    void captionsEndWhole()
    {
        resizeTwips(15000, 8000);
        using namespace Form3Texts;
        QCOMPARE(codes(form->Label6->caption()), codes(QString::fromUtf16(ArabicTyping)));
        QCOMPARE(codes(form->UniLabel2->caption()), codes(QString::fromUtf16(SizeCaption)));
        QCOMPARE(codes(form->UniLabel3->caption()), codes(QString::fromUtf16(DirectionCaption)));
        QCOMPARE(codes(form->UniLabel1->caption()), codes(QString::fromUtf16(FontCaption)));
        QCOMPARE(form->UniLabel4->caption(), QStringLiteral("Undo"));
    }

    void nothingWhileMinimizedAFullPassOnRestoring()
    {
        form->showMinimized();
        QTRY_VERIFY(form->isMinimized());
        form->Label2->setCaption(QStringLiteral("%55"));
        const QRect text = form->Text1->geometryTwips();
        resizeTwips(W() + 1500, H());
        QCOMPARE(form->Label2->caption(), QStringLiteral("%55"));
        QCOMPARE(form->Text1->geometryTwips(), text);

        form->showNormal();
        QTRY_COMPARE(form->Label2->caption(), QStringLiteral("%0"));
        QCOMPARE(form->Text1->widthTwips(), IW() - 120);
    }
};

QTEST_MAIN(TestLayoutPass)
#include "test_layout_pass.moc"
