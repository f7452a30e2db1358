#include "app/PirtokApp.h"
#include "convert/ConversionRunControl.h"
#include "convert/core/DirectionEntry.h"
#include "convert/core/StreamConverter.h"
#include "shell/Module1.h"
#include "shell/UndoSnapshot.h"
#include "tests/support/AppFixture.h"
#include "tests/support/WindowTesting.h"

#include <QTest>

// The direction list's entries after the first two: their captions, and a run of each that
// ends as the converter of files converts the same text.

using codeunits::codes;
using codeunits::units;

namespace {

// A few lines of each writing the entries read: Ali-K, Zarnegar, Unicode and Arabic.
QString mixedText()
{
    return units({0x0628, 0x0629, 0x0020, 0x0637, 0x0624, 0x0631, 0x0650, 0x0627, 0x0646, 0x0020,
                  0x0643, 0x0648, 0x0644, 0x064E, u'\n',  0x0645, 0x0646, 0x0020, 0x0648, 0x064C,
                  0x0020, 0x0695, 0x06CE, 0x06AF, 0x0627, 0x0647, 0x200F, u'\r',  u'\n',  0x06A9,
                  0x0648, 0x0631, 0x062F, 0x0633, 0x062A, 0x0627, 0x0646, 0x06CC, 0x0020, 0x062C,
                  0x0648, 0x0627, 0x0646, u'\n',  0x0642, 0x0627, 0x0644, 0x0020, 0x0641, 0x064A,
                  0x0020, 0x0627, 0x0644, 0x0643, 0x062A, 0x0627, 0x0628, 0x0629, u'\n'});
}

QString repeatedTo(const QString &piece, int length)
{
    QString text;
    while (text.size() < length)
        text += piece;
    return text;
}

QString converted(int listIndex, const QString &text, pirtok::RunKind kind)
{
    const pirtok::DirectionEntry entry = *pirtok::directionEntry(listIndex);
    pirtok::StreamConverter converter(
        pirtok::ConversionPlan{entry.family, entry.direction, {}, kind, entry.standard, {}});
    QString out;
    converter.feed(text, out);
    converter.flush(out);
    return out;
}

} // namespace

class TestLegacyEntries : public QObject
{
    Q_OBJECT

private:
    AppFixture fx;
    PirtokApp *app = nullptr;
    Form3 *form = nullptr;

private Q_SLOTS:
    void init()
    {
        fx.start();
        fx.messageAnswer = 6;
        app = &fx.app();
        form = &fx.form();
    }
    void cleanup() { fx.stop(); }

    void captionsHoldTheirCodePoints_data()
    {
        QTest::addColumn<int>("listIndex");
        QTest::addColumn<QString>("caption");
        const QString toUnicode =
            units({0x0020, 0x0628, 0x06C6, 0x0020, 0x06CC, 0x0648, 0x0646, 0x06CC, 0x06A9, 0x06C6, 0x062F});
        QTest::newRow("2 Ali-K") << 2 << QStringLiteral("Ali-K") + toUnicode;
        QTest::newRow("3 Ali-Web") << 3 << QStringLiteral("Ali-Web") + toUnicode;
        QTest::newRow("4 Dylan") << 4 << QStringLiteral("Dylan") + toUnicode;
        QTest::newRow("5 Zarnegar") << 5 << QStringLiteral("Zarnegar") + toUnicode;
        QTest::newRow("6 detection") << 6
                                     << units({0x0646, 0x0627, 0x0633, 0x06CC, 0x0646, 0x06D5, 0x0648, 0x06D5,
                                               0x06CC, 0x0020, 0x062E, 0x06C6, 0x06A9, 0x0627, 0x0631}) +
                                            toUnicode;
        QTest::newRow("7 standard") << 7
                                    << units({0x06CC, 0x0648, 0x0646, 0x06CC, 0x06A9, 0x06C6, 0x062F}) +
                                           toUnicode +
                                           units({0x06CC, 0x0020, 0x0633, 0x062A, 0x0627, 0x0646, 0x062F,
                                                  0x0627, 0x0631, 0x062F});
        QTest::newRow("8 to Ali-K") << 8
                                    << units({0x06CC, 0x0648, 0x0646, 0x06CC, 0x06A9, 0x06C6, 0x062F, 0x0020,
                                              0x0628, 0x06C6, 0x0020}) +
                                           QStringLiteral("Ali-K");
    }
    void captionsHoldTheirCodePoints()
    {
        QFETCH(int, listIndex);
        QFETCH(QString, caption);
        QCOMPARE(form->Combo3->listCount(), 9);
        QCOMPARE(codes(form->Combo3->itemText(listIndex)), codes(caption));
    }

    void everyEntryConverts_data()
    {
        QTest::addColumn<int>("listIndex");
        QTest::addColumn<int>("length");
        for (int listIndex = 2; listIndex <= 8; ++listIndex) {
            QTest::addRow("%d short", listIndex) << listIndex << 0;
            QTest::addRow("%d past the question", listIndex) << listIndex << 2500;
        }
    }
    // Whole-text runs, through the question and Form4, tick by tick; undo brings the text back.
    void everyEntryConverts()
    {
        QFETCH(int, listIndex);
        QFETCH(int, length);
        form->Text1->setText(length == 0 ? mixedText() : repeatedTo(mixedText(), length));
        const QString text = form->Text1->text(); // as the box holds it: its lines end in U+000A

        form->Combo3->setListIndex(listIndex);
        app->conversion().StartConversion(true);
        QCOMPARE(fx.form4Shown, length > 0 ? 1 : 0);
        QVERIFY(fx.messages[0].prompt.endsWith(form->Combo3->itemText(listIndex)));
        Q_EMIT form->Timer1->tick();
        // 80 steps, some of which take two or three units; the text is written at the end.
        if (text.size() > 3 * 80) {
            QVERIFY(app->conversion().Conversion().ConvertPos() >= 81);
            QCOMPARE(form->Text1->text(), text);
        }
        runTimerToEnd(form->Timer1);
        QCOMPARE(codes(form->Text1->text()), codes(converted(listIndex, text, pirtok::RunKind::WholeText)));
        QCOMPARE(form->Label2->caption(), QStringLiteral("%0"));
        Undo(*form);
        QCOMPARE(codes(form->Text1->text()), codes(text));
    }

    void selectionRunsConvertTheSelectionOnly()
    {
        const QString before = QStringLiteral("abc ");
        const QString selected = QString(mixedText()).remove(u'\r');
        form->Text1->setText(before + selected + QStringLiteral(" end"));
        form->Text1->setSelStart(static_cast<int>(before.size()));
        form->Text1->setSelLength(static_cast<int>(selected.size()));
        form->Combo3->setListIndex(2);
        app->conversion().StartConversion(false);
        runTimerToEnd(form->Timer2);
        QCOMPARE(codes(form->Text1->text()),
                 codes(before + converted(2, selected, pirtok::RunKind::Selection) + QStringLiteral(" end")));
    }

    // The entry is read at every tick: a run begun as Ali-K goes on as the standard pass.
    void entryIsReadAtEveryTick()
    {
        const QString line = units({0x0628, 0x0629, 0x0020, 0x0643, 0x0648, 0x0631, 0x062F, u'\n'});
        const QString text = repeatedTo(line, 160);
        form->Text1->setText(text);
        form->Combo3->setListIndex(2);
        app->conversion().StartConversion(false);
        Q_EMIT form->Timer1->tick();
        form->Combo3->setListIndex(7);
        runTimerToEnd(form->Timer1);
        const QString expected = converted(2, text.left(80), pirtok::RunKind::WholeText) +
                                 converted(7, text.mid(80), pirtok::RunKind::WholeText);
        QCOMPARE(codes(form->Text1->text()), codes(expected));
    }
};

QTEST_MAIN(TestLegacyEntries)
#include "test_legacy_entries.moc"
