#include "app/PirtokApp.h"
#include "search/SearchCommands.h"
#include "search/core/SearchMessages.h"
#include "shell/UndoSnapshot.h"
#include "tests/support/AppFixture.h"
#include "tests/support/WindowTesting.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QTest>

using codeunits::codes;
using codeunits::units;

namespace {

const QString He = units({0x0647});
const QString Ae = units({0x06D5});

} // namespace

class TestSearchWindow : public QObject
{
    Q_OBJECT

private:
    AppFixture fx;
    Form3 *form = nullptr;
    SearchCommands *search = nullptr;

    pirtok::SearchMessages texts() const { return pirtok::SearchMessages(form->LetterEe, form->LetterRr); }

    void setUp(const QString &text, const QString &word, const QString &replacement = QString())
    {
        form->Text1->setText(text);
        form->Text3->setText(word);
        form->Text2->setText(replacement);
        form->Text1->setFocus();
    }
    void press(Qt::Key key, QWidget *box = nullptr) { QTest::keyClick(box ? box : form->Text1, key); }
    void caretAt(int position) { form->Text1->setSelStart(position); }
    QString selection() const
    {
        return QStringLiteral("%1+%2").arg(form->Text1->selStart()).arg(form->Text1->selLength());
    }

private Q_SLOTS:
    void init()
    {
        fx.start();
        form = &fx.form();
        search = form->findChild<SearchCommands *>();
        QVERIFY(search);
        QVERIFY(WindowTesting::showActive(form));
    }
    void cleanup() { fx.stop(); }

    void newRunStartsNearTheCaret_data()
    {
        QTest::addColumn<int>("caret");
        QTest::addColumn<int>("found");
        // "ab" at 1, 4 and 7.
        QTest::newRow("caret at 0") << 0 << 1;
        QTest::newRow("caret before the first") << 1 << 1;
        QTest::newRow("caret just inside a match finds that match") << 5 << 4;
        QTest::newRow("caret on a match's start") << 4 << 4;
        QTest::newRow("caret just behind a match's first letter") << 8 << 7;
        QTest::newRow("caret at the end starts over") << 9 << 1;
    }
    void newRunStartsNearTheCaret()
    {
        QFETCH(int, caret);
        QFETCH(int, found);
        setUp(QStringLiteral("xab ab ab"), QStringLiteral("AB"));
        caretAt(caret);
        press(Qt::Key_F3);
        QCOMPARE(selection(), QStringLiteral("%1+2").arg(found));
        QVERIFY(fx.messages.isEmpty());
    }

    void findRunMessages_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("presses");
        QTest::addColumn<QString>("lastSelection");
        QTest::addColumn<int>("messageAt"); // 0: no message
        QTest::newRow("latin either case")
            << QStringLiteral("One ONE one") << QStringLiteral("oNe") << 3 << QStringLiteral("8+3") << 0;
        QTest::newRow("no more after the last")
            << QStringLiteral("One ONE one") << QStringLiteral("one") << 4 << QStringLiteral("8+3") << 4;
        QTest::newRow("empty text") << QString() << QStringLiteral("a") << 1 << QStringLiteral("0+0") << 1;
        QTest::newRow("ae does not match he")
            << QString(He + He + He) << Ae << 1 << QStringLiteral("0+0") << 1;
        QTest::newRow("beyond 16-bit positions") << QString(QString(40000, QLatin1Char('x')) + He + Ae)
                                                 << QString(He + Ae) << 1 << QStringLiteral("40000+2") << 0;
    }
    void findRunMessages()
    {
        QFETCH(QString, text);
        QFETCH(QString, word);
        QFETCH(int, presses);
        QFETCH(QString, lastSelection);
        QFETCH(int, messageAt);
        setUp(text, word);
        caretAt(0);
        for (int i = 1; i <= presses; ++i) {
            press(Qt::Key_F3);
            QCOMPARE(fx.messages.size(), i >= messageAt && messageAt > 0 ? 1 : 0);
        }
        QCOMPARE(selection(), lastSelection);
        if (messageAt == 0)
            return;
        const Module1::MessageBoxRequest &shown = fx.messages.first();
        QCOMPARE(codes(shown.prompt), codes(messageAt == 1 ? texts().notFound() : texts().noMore()));
        QCOMPARE(shown.buttons, 0);
        QCOMPARE(shown.title, QStringLiteral("Pirtok")); // empty title: the program's
        QCOMPARE(shown.owner.data(), form);              // the active window
        QCOMPARE(form->SearchCount, 0);
        QVERIFY(form->Text1->hasFocus());
    }

    void keysAndLabelsRunTheSameCommands_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("F3 in Text1") << QStringLiteral("Text1");
        QTest::newRow("Shift+Ctrl+F3 in Text1") << QStringLiteral("modifiers");
        QTest::newRow("F3 in Text2") << QStringLiteral("Text2");
        QTest::newRow("F3 in Text3") << QStringLiteral("Text3");
        QTest::newRow("Label10") << QStringLiteral("Label10");
    }
    void keysAndLabelsRunTheSameCommands()
    {
        QFETCH(QString, how);
        setUp(QStringLiteral("a word"), QStringLiteral("word"));
        caretAt(0);
        if (how == QLatin1String("modifiers"))
            QTest::keyClick(form->Text1, Qt::Key_F3, Qt::ShiftModifier | Qt::ControlModifier);
        else if (how == QLatin1String("Text2"))
            press(Qt::Key_F3, form->Text2);
        else if (how == QLatin1String("Text3"))
            press(Qt::Key_F3, form->Text3);
        else if (how == QLatin1String("Label10"))
            QTest::mouseClick(form->Label10, Qt::LeftButton);
        else
            press(Qt::Key_F3);
        QCOMPARE(selection(), QStringLiteral("2+4"));
        QVERIFY(form->Text1->hasFocus());
    }

    void otherKeysDoNothing()
    {
        setUp(QStringLiteral("a word"), QStringLiteral("word"), QStringLiteral("x"));
        caretAt(0);
        press(Qt::Key_F6);
        press(Qt::Key_F4, form->Text3); // F4 and F5 belong to the main text only
        press(Qt::Key_F5, form->Text2);
        QCOMPARE(form->Text1->text(), QStringLiteral("a word"));
        QCOMPARE(selection(), QStringLiteral("0+0"));
        QCOMPARE(form->SearchCount, 0);
    }

    void emptySearchWordFocusesText3_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::newRow("find") << Qt::Key_F3;
        QTest::newRow("replace once") << Qt::Key_F4;
        QTest::newRow("replace all") << Qt::Key_F5;
    }
    void emptySearchWordFocusesText3()
    {
        QFETCH(Qt::Key, key);
        setUp(QStringLiteral("some text"), QString(), QStringLiteral("x"));
        press(key);
        QVERIFY(form->Text3->hasFocus());
        QVERIFY(fx.messages.isEmpty());
        QCOMPARE(form->Text1->text(), QStringLiteral("some text"));
    }

    void replaceOnceSelectsThenReplaces()
    {
        setUp(QStringLiteral("cat cat cat."), QStringLiteral("cat"), QStringLiteral("a cat"));
        caretAt(0);
        press(Qt::Key_F4);
        QCOMPARE(form->Text1->text(), QStringLiteral("cat cat cat.")); // the first press only selects
        QCOMPARE(selection(), QStringLiteral("0+3"));
        press(Qt::Key_F4);
        QCOMPARE(form->Text1->text(), QStringLiteral("a cat cat cat."));
        QCOMPARE(selection(), QStringLiteral("6+3")); // not the "cat" of the replacement
        QTest::mouseClick(form->Label11, Qt::LeftButton);
        QCOMPARE(form->Text1->text(), QStringLiteral("a cat a cat cat."));
        QCOMPARE(selection(), QStringLiteral("12+3"));

        // One Undo takes back the last replacement only.
        QTest::mouseClick(form->UniLabel4, Qt::LeftButton);
        QCOMPARE(form->Text1->text(), QStringLiteral("a cat cat cat."));
        QVERIFY(fx.messages.isEmpty());
    }

    void replaceOnceReplacesWhatIsSelectedNow()
    {
        setUp(QStringLiteral("one two one"), QStringLiteral("one"), QStringLiteral("1"));
        caretAt(0);
        press(Qt::Key_F4);
        QCOMPARE(selection(), QStringLiteral("0+3"));
        // The user moves the caret with the arrows: the run goes on, the replacement goes in
        // at the caret.
        QTest::keyClick(form->Text1, form->Text1->rightToLeft() ? Qt::Key_Left : Qt::Key_Right);
        QCOMPARE(selection(), QStringLiteral("3+0"));
        press(Qt::Key_F4);
        QCOMPARE(form->Text1->text(), QStringLiteral("one1 two one"));
        QCOMPARE(selection(), QStringLiteral("9+3"));
    }

    void replacementKeepsSearchPosButAnEditResetsIt()
    {
        setUp(QStringLiteral("ab ab ab"), QStringLiteral("ab"), QStringLiteral("xyz"));
        caretAt(0);
        press(Qt::Key_F4);
        press(Qt::Key_F4);
        QCOMPARE(form->Text1->text(), QStringLiteral("xyz ab ab"));
        QCOMPARE(search->SearchPos, 7); // the match at 5 (1-based), advanced by the replacement's length
        WindowTesting::typeText(form->Text1, QStringLiteral("1"));
        QCOMPARE(search->SearchPos, 1);
    }

    void clickInTheTextStartsAfresh()
    {
        setUp(QStringLiteral("ab ab ab"), QStringLiteral("ab"));
        caretAt(0);
        press(Qt::Key_F3);
        press(Qt::Key_F3);
        QCOMPARE(form->SearchCount, 2);
        QTest::mouseClick(form->Text1->viewport(), Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(form->SearchCount, 0);
        QCOMPARE(search->SearchPos, 1);
    }

    void replaceOnceNearTheEndWraps()
    {
        setUp(QStringLiteral("ab ab"), QStringLiteral("ab"), QStringLiteral("c"));
        caretAt(0);
        press(Qt::Key_F4); // selects 0
        press(Qt::Key_F4); // "c ab", selects 2
        press(Qt::Key_F4); // "c c", nothing more
        QCOMPARE(form->Text1->text(), QStringLiteral("c c"));
        QCOMPARE(fx.messageTexts(), QStringList{texts().noMore()});
        form->Text1->setText(QStringLiteral("ab ab"));
        search->SearchPos = 4; // near the end: the run starts over from the beginning
        caretAt(0);
        press(Qt::Key_F4);
        QCOMPARE(selection(), QStringLiteral("0+2"));
    }

    void replaceAll_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("count"); // -1: nothing shown
        QTest::newRow("three") << QStringLiteral("ab x AB x aB") << QStringLiteral("ab")
                               << QStringLiteral("c") << QStringLiteral("c x c x c") << 3;
        QTest::newRow("not in the text") << QStringLiteral("abc") << QStringLiteral("z")
                                         << QStringLiteral("c") << QStringLiteral("abc") << 0;
        QTest::newRow("empty text") << QString() << QStringLiteral("z") << QStringLiteral("c") << QString()
                                    << -1;
        QTest::newRow("every character a match") << QStringLiteral("aaaa") << QStringLiteral("a")
                                                 << QStringLiteral("bb") << QStringLiteral("bbbbbbbb") << 4;
        QTest::newRow("removed") << QString(He + Ae + He) << He << QString() << Ae << 2;
    }
    void replaceAll()
    {
        QFETCH(QString, text);
        QFETCH(QString, word);
        QFETCH(QString, replacement);
        QFETCH(QString, expected);
        QFETCH(int, count);
        setUp(text, word, replacement);
        caretAt(1);
        press(Qt::Key_F5);
        QCOMPARE(codes(form->Text1->text()), codes(expected));
        QStringList shown;
        if (count == 0)
            shown.append(texts().notFound());
        else if (count > 0)
            shown.append(texts().completed() + texts().countLine(count));
        QCOMPARE(fx.messageTexts(), shown);

        // One Undo brings back the text from before the command.
        QTest::mouseClick(form->UniLabel4, Qt::LeftButton);
        QCOMPARE(codes(form->Text1->text()), codes(text));
    }

    void replaceAllAgreesWithStepByStepLoop()
    {
        // The window's own steps, one replacement per pass, against the one-pass command.
        QRandomGenerator random(5);
        const QString letters = QStringLiteral("aAb ") + He + Ae;
        auto randomText = [&](int maxLength) {
            QString text;
            for (int i = random.bounded(maxLength + 1); i > 0; --i)
                text.append(letters.at(random.bounded(static_cast<int>(letters.size()))));
            return text;
        };
        for (int round = 0; round < 40; ++round) {
            const QString text = randomText(16);
            const QString word = QStringLiteral("a") + randomText(1);
            const QString replacement = round % 3 == 0 ? QString(word + randomText(1)) : randomText(2);

            setUp(text, word, replacement);
            caretAt(random.bounded(static_cast<int>(text.size()) + 1));
            fx.messages.clear();
            search->SearchMode = SearchCommands::ReplaceAllMode;
            search->ReplaceAllRun = 1;
            search->FoundCount = 0;
            search->ShowCount = true;
            TakeUndoSnapshot(*form);
            const QString stepUndo = form->UndoText;
            search->SearchPos = 0;
            caretAt(0);
            search->SearchFound = true;
            form->SearchCount = 0;
            // One pass more than the text's length, so that a one-letter word matching every
            // character is replaced throughout too; an empty text takes no pass.
            const qsizetype passes = text.isEmpty() ? 0 : text.size() + 1;
            for (qsizetype pass = 0; pass < passes; ++pass) {
                if (form->SearchCount == 0) {
                    form->SearchCount = 1;
                    search->FindNext(1);
                } else {
                    search->ReplaceSelection();
                    ++form->SearchCount;
                    search->FindNext(search->SearchPos + 1);
                }
                if (!search->SearchFound)
                    break;
            }
            const QStringList stepState{form->Text1->text(), selection(), QString::number(search->FoundCount),
                                        QString::number(search->SearchPos), stepUndo};
            const QStringList stepMessages = fx.messageTexts();

            setUp(text, word, replacement);
            fx.messages.clear();
            press(Qt::Key_F5);
            const QStringList oneState{form->Text1->text(), selection(), QString::number(search->FoundCount),
                                       QString::number(search->SearchPos), form->UndoText};
            QCOMPARE(oneState, stepState);
            QCOMPARE(fx.messageTexts(), stepMessages);
            QCOMPARE(form->SearchCount, 0);
            QCOMPARE(search->ReplaceAllRun, text.isEmpty() ? 1 : 0); // an empty text ends no run
        }
    }

    void noReplacementWhileAConversionHoldsTheText()
    {
        setUp(QStringLiteral("ab ab"), QStringLiteral("ab"), QStringLiteral("c"));
        form->Text1->setReadOnly(true);
        press(Qt::Key_F5);
        press(Qt::Key_F4);
        press(Qt::Key_F4);
        QCOMPARE(form->Text1->text(), QStringLiteral("ab ab"));
        QVERIFY(fx.messages.isEmpty());
    }
};

QTEST_MAIN(TestSearchWindow)
#include "test_search_window.moc"
