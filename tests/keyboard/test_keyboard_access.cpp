#include "app/PirtokApp.h"
#include "keyboard/AnyLayoutOption.h"
#include "keyboard/KeyboardTyping.h"
#include "shell/SettingsKeys.h"
#include "tests/support/AppFixture.h"
#include "tests/support/WindowTesting.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QSettings>
#include <QTest>

using codeunits::codes;
using codeunits::units;

namespace {

// X11 key codes of some keys, where a US keyboard has q, s, a, c, v, b, i, k, p and '.
constexpr quint32 ScanQ = 24, ScanA = 38, ScanApostrophe = 48, ScanC = 54, ScanV = 55, ScanB = 56;
constexpr quint32 ScanI = 31, ScanK = 45, ScanP = 33, ScanDigit1 = 10;

// A key as the platform delivers it: first offered as a shortcut override to the focus
// widget, then, when nobody overrides it, to the shortcuts; the press only when no
// shortcut ran.
void keyAt(QWidget *focus, int key, Qt::KeyboardModifiers modifiers, quint32 scanCode,
           const QString &text = {})
{
    QKeyEvent override(QEvent::ShortcutOverride, key, modifiers, scanCode, 0, 0, text);
    QCoreApplication::sendEvent(focus, &override);
    bool shortcutRan = false;
    if (!override.isAccepted())
        shortcutRan = qt_sendShortcutOverrideEvent(focus, 0, key, modifiers, text);
    if (!shortcutRan) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, scanCode, 0, 0, text);
        QCoreApplication::sendEvent(focus, &press);
    }
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, scanCode, 0, 0, text);
    QCoreApplication::sendEvent(focus, &release);
}

AnyLayoutOption &anyLayout(PirtokApp &app)
{
    return *app.window().findChild<AnyLayoutOption *>();
}

} // namespace

class TestKeyboardAccess : public QObject
{
    Q_OBJECT

private:
    AppFixture fx;
    Form3 *form = nullptr;

    QString storedAnyLayout() const
    {
        QSettings ini(fx.configPath() + QStringLiteral("/Pirtok/Pirtok.ini"), QSettings::IniFormat);
        return ini.value(QStringLiteral("Settings/AnyLayout")).toString();
    }

private Q_SLOTS:
    void init()
    {
        fx.start();
        form = &fx.form();
        form->Text1->setText(QString());
        QVERIFY(WindowTesting::showActive(form));
        form->Text1->setFocus();
    }
    void cleanup() { fx.stop(); }

    void switchMenuOffersAnyLayout()
    {
        QCOMPARE(form->Label6->contextMenuPolicy(), Qt::ActionsContextMenu);
        const QList<QAction *> actions = form->Label6->actions();
        QCOMPARE(actions.size(), 1);
        QCOMPARE(codes(actions[0]->text()),
                 codes(units({0x06A9, 0x06CC, 0x0628, 0x06C6, 0x0631, 0x062F, 0x06CC, 0x0020, 0x06A9, 0x0648,
                              0x0631, 0x062F, 0x06CC, 0x0020, 0x0644, 0x06D5, 0x0633, 0x06D5, 0x0631, 0x0020,
                              0x0647, 0x06D5, 0x0631, 0x0020, 0x0632, 0x0645, 0x0627, 0x0646, 0x06CE, 0x06A9,
                              0x06CC, 0x0020, 0x06A9, 0x06CC, 0x0628, 0x06C6, 0x0631, 0x062F})));
        QVERIFY(actions[0]->isCheckable());
        QVERIFY(!actions[0]->isChecked()); // a first start
    }

    void anyLayoutIsRemembered()
    {
        anyLayout(fx.app()).action()->setChecked(true);
        QCOMPARE(storedAnyLayout(), QStringLiteral("1"));
        fx.stop();
        fx.start(AppFixture::Files::Keep);
        QVERIFY(anyLayout(fx.app()).isOn());
        anyLayout(fx.app()).action()->setChecked(false);
        QCOMPARE(storedAnyLayout(), QStringLiteral("0"));
    }

    void typingByPosition_data()
    {
        QTest::addColumn<bool>("anyLayout");
        QTest::addColumn<bool>("arabicMode");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<quint32>("scanCode");
        QTest::addColumn<int>("typed");
        QTest::addColumn<int>("expected");
        QTest::newRow("on: us q gives che")
            << true << false << int(Qt::Key_Q) << false << ScanQ << int('q') << 0x0686;
        QTest::newRow("on: us ' gives gaf")
            << true << false << int(Qt::Key_Apostrophe) << false << ScanApostrophe << int('\'') << 0x06AF;
        QTest::newRow("on: us shift ' gives tah")
            << true << false << int(Qt::Key_QuoteDbl) << true << ScanApostrophe << int('"') << 0x0637;
        QTest::newRow("on: us shift v gives reh with v")
            << true << false << int(Qt::Key_BraceLeft) << true << ScanV << int('{') << 0x0695;
        QTest::newRow("on: us b gives lam-alef")
            << true << false << int(Qt::Key_B) << false << ScanB << int('b') << 0xFEFB;
        QTest::newRow("on: digits stay")
            << true << false << int(Qt::Key_1) << false << ScanDigit1 << int('1') << int('1');
        QTest::newRow("on: arabic layout as designed")
            << true << false << 0x0636 << false << ScanQ << 0x0636 << 0x0686;
        QTest::newRow("on: arabic layout keeps its letters")
            << true << false << 0x0642 << false << ScanQ << 0x0642 << 0x0642;
        QTest::newRow("on, arabic mode: as typed")
            << true << true << int(Qt::Key_Q) << false << ScanQ << int('q') << int('q');
        QTest::newRow("off: as typed")
            << false << false << int(Qt::Key_Q) << false << ScanQ << int('q') << int('q');
        QTest::newRow("off: arabic layout as designed")
            << false << false << 0x0636 << false << ScanQ << 0x0636 << 0x0686;
    }
    void typingByPosition()
    {
        QFETCH(bool, anyLayout);
        QFETCH(bool, arabicMode);
        QFETCH(int, key);
        QFETCH(bool, shift);
        QFETCH(quint32, scanCode);
        QFETCH(int, typed);
        QFETCH(int, expected);
        ::anyLayout(fx.app()).action()->setChecked(anyLayout);
        form->Check1->setValue(arabicMode ? 1 : 0);
        for (UniText *box : {form->Text1, form->Text3, form->TT1[0]}) {
            box->setText(QString());
            keyAt(box, key, shift ? Qt::ShiftModifier : Qt::NoModifier, scanCode, QString(QChar(typed)));
            QCOMPARE(codes(box->text()), codes(units({char16_t(expected)})));
        }
    }

    void commandKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<quint32>("scanCode");
        QTest::addColumn<QString>("command");
        // The Latin key, and the Arabic layout's key at the same place.
        QTest::newRow("ctrl+b") << int(Qt::Key_B) << ScanB << "bold";
        QTest::newRow("ctrl+lam-alef") << 0xFEFB << ScanB << "bold";
        QTest::newRow("ctrl+i") << int(Qt::Key_I) << ScanI << "italic";
        QTest::newRow("ctrl+heh") << 0x0647 << ScanI << "italic";
        QTest::newRow("ctrl+k") << int(Qt::Key_K) << ScanK << "keyboard";
        QTest::newRow("ctrl+noon") << 0x0646 << ScanK << "keyboard";
        QTest::newRow("ctrl+p") << int(Qt::Key_P) << ScanP << "pairs";
        QTest::newRow("ctrl+hah") << 0x062D << ScanP << "pairs";
    }
    void commandKeys()
    {
        QFETCH(int, key);
        QFETCH(quint32, scanCode);
        QFETCH(QString, command);
        form->Text1->setText(QStringLiteral("abc def"));
        form->Text1->setSelStart(0);
        for (int round = 1; round <= 2; ++round) {
            keyAt(form->Text1, key, Qt::ControlModifier, scanCode);
            const bool on = round == 1;
            if (command == QLatin1String("bold"))
                QCOMPARE(form->Check2->value(), on ? 1 : 0);
            else if (command == QLatin1String("italic"))
                QCOMPARE(form->Check3->value(), on ? 1 : 0);
            else if (command == QLatin1String("keyboard"))
                QCOMPARE(form->Check1->value(), on ? 1 : 0);
            else
                QCOMPARE(form->Picture2->isVisible(), on);
        }
        // Ctrl+K went to the window, not to the box as "delete to the end of the line".
        QCOMPARE(form->Text1->text(), QStringLiteral("abc def"));
    }

    void editorKeysByPosition()
    {
        form->Text1->setText(QStringLiteral("abc"));
        form->Text1->setSelStart(1);
        keyAt(form->Text1, 0x0634, Qt::ControlModifier, ScanA); // sheen: Ctrl+A
        QCOMPARE(form->Text1->selLength(), 3);
        QGuiApplication::clipboard()->clear();
        keyAt(form->Text1, 0x0624, Qt::ControlModifier, ScanC); // waw with hamza: Ctrl+C
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("abc"));
        form->Text1->setSelStart(3);
        keyAt(form->Text1, 0x0631, Qt::ControlModifier, ScanV); // reh: Ctrl+V
        QCOMPARE(form->Text1->text(), QStringLiteral("abcabc"));
    }

    void reversingGivesTheFocusBack()
    {
        form->ActiveBox = 3;
        form->UniButton1->setFocus();
        QTest::mouseClick(form->UniButton1, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), form->Text3);
    }
};

QTEST_MAIN(TestKeyboardAccess)
#include "test_keyboard_access.moc"
