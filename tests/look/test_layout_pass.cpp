#include "app/PirtokApp.h"
#include "look/WindowLayoutPass.h"
#include "shell/Bevels.h"
#include "shell/Form3Texts.h"
#include "tests/look/OffscreenScreen.h"
#include "tests/support/AppFixture.h"
#include "tests/support/WindowTesting.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

using codeunits::codes;

namespace {

const QColor White(255, 255, 255);
const QColor DarkGrey(64, 64, 64);

// Where every control the pass does not place stands, by name.
QMap<QString, QRect> unplacedGeometry(Form3 &form)
{
    QSet<QObject *> placed = {form.Image1, form.Text1, form.Label3, form.Label4};
    for (QObject *frame : form.frames())
        placed.insert(frame);
    for (QObject *line : form.ridgeLines())
        placed.insert(line);
    QMap<QString, QRect> geometry;
    for (QWidget *child : form.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        if (!placed.contains(child))
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

    // The outer size, frame included, in twips.
    int W() const { return TwipsGeometry::toTwips(form->frameGeometry().width()); }
    int H() const { return TwipsGeometry::toTwips(form->frameGeometry().height()); }
    // Sizes the window as a user's drag does: by its outer size.
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

    void followsTheWindowsSize()
    {
        resizeTwips(15000, 9000);
        QCOMPARE(W(), 15000);
        // The text follows the client area; frames, lines and symbols the outer size.
        QCOMPARE(form->Text1->geometryTwips(),
                 QRect(90, 1260, form->widthTwips() - 120, form->heightTwips() - 1320));
        QCOMPARE(form->Shape0->geometryTwips(), QRect(0, 0, 15000, 9000));
        QCOMPARE(form->Line1->pointsTwips(), QLine(75, 1185, 14925, 1185));
        QCOMPARE(form->Label13->leftTwips(), 435);
        const QMap<QString, QRect> toolRows = unplacedGeometry(*form);

        resizeTwips(16500, 9000);
        QCOMPARE(form->Image1->widthTwips(), 16500);
        QCOMPARE(form->Shape4->widthTwips(), 16500 - 120);
        QCOMPARE(form->Line3->pointsTwips(), QLine(45, 1215, 16455, 1215));
        QCOMPARE(form->Label3->geometryTwips().topLeft(), QPoint(16500 - 600, 30));
        QCOMPARE(form->Label4->geometryTwips().topLeft(), QPoint(16500 - 900, 15));
        QCOMPARE(unplacedGeometry(*form), toolRows);
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
        QCOMPARE(QSize(W(), H()), kept);
        QCOMPARE(form->Text1->widthTwips(), form->widthTwips() - 120);
    }

    void everyPassResetsProgressCaptionsAndTheSwitch_data()
    {
        QTest::addColumn<int>("arabic");
        QTest::addColumn<QColor>("topLeft");
        QTest::addColumn<QColor>("bottomRight");
        QTest::newRow("Kurdish: raised") << 0 << White << DarkGrey;
        QTest::newRow("Arabic: pressed") << 1 << DarkGrey << White;
    }
    void everyPassResetsProgressCaptionsAndTheSwitch()
    {
        QFETCH(int, arabic);
        QFETCH(QColor, topLeft);
        QFETCH(QColor, bottomRight);
        form->Check1->setValue(arabic);
        Bevels::paint(*form, Bevels::KeyboardSwitch, arabic == 0); // the wrong look
        form->Label2->setCaption(QStringLiteral("%55"));
        form->UniLabel1->setCaption(QString());
        const QRect switchPlace = form->Label6->geometryTwips();

        resizeTwips(W(), H() + 15);
        QCOMPARE(form->Label2->caption(), QStringLiteral("%0"));
        QCOMPARE((QList<QColor>{form->Li[0]->borderColor(), form->Li[3]->borderColor()}),
                 (QList<QColor>{topLeft, topLeft}));
        QCOMPARE((QList<QColor>{form->Li[1]->borderColor(), form->Li[2]->borderColor()}),
                 (QList<QColor>{bottomRight, bottomRight}));
        QCOMPARE(form->Label6->geometryTwips(), switchPlace);
        using namespace Form3Texts;
        QCOMPARE(codes(form->Label6->caption()), codes(QString::fromUtf16(ArabicTyping)));
        QCOMPARE(codes(form->UniLabel1->caption()), codes(QString::fromUtf16(FontCaption)));
        QCOMPARE(codes(form->UniLabel2->caption()), codes(QString::fromUtf16(SizeCaption)));
        QCOMPARE(codes(form->UniLabel3->caption()), codes(QString::fromUtf16(DirectionCaption)));
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
        QCOMPARE(form->Text1->widthTwips(), form->widthTwips() - 120);
    }
};

// A screen larger than every size tried here, so that only the window's minimum limits it.
int main(int argc, char **argv)
{
    QTemporaryDir dir;
    if (!useOffscreenScreen(dir.path(), 1920, 1200))
        return 1;
    QApplication app(argc, argv);
    TestLayoutPass test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_layout_pass.moc"
