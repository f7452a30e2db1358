#include "shell/Form4.h"
#include "shell/MessageBoxStyle.h"
#include "shell/Module1.h"
#include "tests/support/WindowTesting.h"
#include "ui/Label.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using namespace MessageBoxCodes;
using SB = QMessageBox::StandardButton;
using codeunits::units;
using WindowTesting::onNextModal;

Q_DECLARE_METATYPE(QList<QMessageBox::StandardButton>)

namespace {

void pressButton(QWidget *dialog, SB button)
{
    auto *box = qobject_cast<QMessageBox *>(dialog);
    QVERIFY(box);
    QTest::mouseClick(box->button(button), Qt::LeftButton);
}

} // namespace

class TestMessageBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        Module1::setMessageBoxFunction({});
        Module1::setForm4Function({});
    }

    void decodesTheStyleWord_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QList<SB>>("buttons");
        QTest::addColumn<int>("defaultButton");
        QTest::addColumn<int>("escapeButton");
        QTest::addColumn<int>("icon");
        QTest::addColumn<bool>("help");
        using L = QList<SB>;
        QTest::newRow("0 ok") << 0 << L{SB::Ok} << int(SB::Ok) << int(SB::Ok) << int(QMessageBox::NoIcon)
                              << false;
        QTest::newRow("1 ok cancel") << 1 << L{SB::Ok, SB::Cancel} << int(SB::Ok) << int(SB::Cancel)
                                     << int(QMessageBox::NoIcon) << false;
        QTest::newRow("2 abort retry ignore, 3rd default, stop")
            << (2 | 0x200 | 0x10) << L{SB::Abort, SB::Retry, SB::Ignore} << int(SB::Ignore)
            << int(SB::NoButton) << int(QMessageBox::Critical) << false;
        QTest::newRow("3 yes no cancel, question")
            << (3 | 0x20) << L{SB::Yes, SB::No, SB::Cancel} << int(SB::Yes) << int(SB::Cancel)
            << int(QMessageBox::Question) << false;
        QTest::newRow("4 yes no, 2nd default, exclamation")
            << (4 | 0x100 | 0x30) << L{SB::Yes, SB::No} << int(SB::No) << int(SB::NoButton)
            << int(QMessageBox::Warning) << false;
        QTest::newRow("5 retry cancel, information")
            << (5 | 0x40) << L{SB::Retry, SB::Cancel} << int(SB::Retry) << int(SB::Cancel)
            << int(QMessageBox::Information) << false;
        QTest::newRow("ok and help") << 0x4000 << L{SB::Ok} << int(SB::Ok) << int(SB::Ok)
                                     << int(QMessageBox::NoIcon) << true;
        QTest::newRow("default past the last button")
            << (4 | 0x200) << L{SB::Yes, SB::No} << int(SB::Yes) << int(SB::NoButton)
            << int(QMessageBox::NoIcon) << false;
    }
    void decodesTheStyleWord()
    {
        QFETCH(int, style);
        QFETCH(QList<SB>, buttons);
        QFETCH(int, defaultButton);
        QFETCH(int, escapeButton);
        QFETCH(int, icon);
        QFETCH(bool, help);
        const DecodedStyle decoded = decodeStyle(style);
        QCOMPARE(decoded.buttons, buttons);
        QCOMPARE(int(decoded.defaultButton), defaultButton);
        QCOMPARE(int(decoded.escapeButton), escapeButton);
        QCOMPARE(int(decoded.icon), icon);
        QCOMPARE(decoded.help, help);
    }

    void mapsButtonsToSystemCodes_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("code");
        QTest::newRow("ok") << int(SB::Ok) << 1;
        QTest::newRow("cancel") << int(SB::Cancel) << 2;
        QTest::newRow("abort") << int(SB::Abort) << 3;
        QTest::newRow("retry") << int(SB::Retry) << 4;
        QTest::newRow("ignore") << int(SB::Ignore) << 5;
        QTest::newRow("yes") << int(SB::Yes) << 6;
        QTest::newRow("no") << int(SB::No) << 7;
        QTest::newRow("none") << int(SB::NoButton) << 0;
    }
    void mapsButtonsToSystemCodes()
    {
        QFETCH(int, button);
        QFETCH(int, code);
        QCOMPARE(resultCode(SB(button)), code);
    }

    void appliesTheDefaultsBeforeShowing()
    {
        Module1::MessageBoxRequest seen;
        Module1::setMessageBoxFunction([&](const Module1::MessageBoxRequest &r) {
            seen = r;
            return 7;
        });
        QCOMPARE(Module1::UnicodeMsgBox(QStringLiteral("x"), 4, QString()), 7);
        QCOMPARE(seen.title, QStringLiteral("Pirtok"));
        QCOMPARE(seen.buttons, 4);
        QVERIFY(!seen.owner); // no window of the program is active

        Module1::UnicodeMsgBox(QStringLiteral("x"), 0, QStringLiteral("  "));
        QCOMPARE(seen.title, QStringLiteral("  "));

        // A named icon replaces the icon bits by the own-icon flag and keeps the rest.
        Module1::UnicodeMsgBox(QStringLiteral("x"), 0x4000 | 0x100 | 0x30 | 4, QString(),
                               QStringLiteral("icon"));
        QCOMPARE(seen.buttons, 0x4000 | 0x100 | 0x80 | 4);
        QCOMPARE(seen.iconName.value_or(QString()), QStringLiteral("icon"));
    }

    void realBoxAnswersInSystemCodes_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<bool>("escape");
        QTest::addColumn<int>("press");
        QTest::addColumn<int>("expected");
        QTest::newRow("yes") << 4 << false << int(SB::Yes) << 6;
        QTest::newRow("no") << 4 << false << int(SB::No) << 7;
        QTest::newRow("escape on ok") << 0 << true << int(SB::NoButton) << 1;
        QTest::newRow("escape on ok cancel") << 1 << true << int(SB::NoButton) << 2;
        QTest::newRow("escape refused on yes no, then no") << 4 << true << int(SB::No) << 7;
        QTest::newRow("retry") << 5 << false << int(SB::Retry) << 4;
    }
    void realBoxAnswersInSystemCodes()
    {
        QFETCH(int, style);
        QFETCH(bool, escape);
        QFETCH(int, press);
        QFETCH(int, expected);
        const QString kurdish = units({0x0628, 0x0628, 0x0648, 0x0631, 0x0647});
        QString title;
        bool rightToLeft = false;
        onNextModal([&](QWidget *dialog) {
            title = dialog->windowTitle();
            rightToLeft = dialog->layoutDirection() == Qt::RightToLeft;
            if (escape)
                QTest::keyClick(dialog, Qt::Key_Escape);
            if (press != int(SB::NoButton))
                QTimer::singleShot(0, dialog, [dialog, press] { pressButton(dialog, SB(press)); });
        });
        QCOMPARE(Module1::UnicodeMsgBox(kurdish, style, QString()), expected);
        QCOMPARE(title, QStringLiteral("Pirtok"));
        QVERIFY(rightToLeft);
    }

    void form4AnswersThroughTheLabel()
    {
        Label answer;
        answer.setCaption(QStringLiteral("Yes"));
        QString captionWhenShown;
        onNextModal([&](QWidget *dialog) {
            captionWhenShown = answer.caption();
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Kurdish KeyBoard"));
            dialog->close(); // the close box
        });
        Module1::ShowForm4(answer);
        QCOMPARE(captionWhenShown, QStringLiteral("No"));
        QCOMPARE(answer.caption(), QStringLiteral("No"));

        for (int asking = 0; asking < 2; ++asking) {
            onNextModal([&](QWidget *dialog) {
                captionWhenShown = answer.caption();
                QTest::mouseClick(static_cast<Form4 *>(dialog)->Command2, Qt::LeftButton);
            });
            Module1::ShowForm4(answer);
            QCOMPARE(captionWhenShown, QStringLiteral("No"));
            QCOMPARE(answer.caption(), QStringLiteral("Yes"));
        }
    }

    void form4QuestionIsItsCodePoints()
    {
        Label answer;
        Form4 dialog(answer);
        const QString q = dialog.UniLabel5->caption();
        QCOMPARE(q.size(), 48);
        QCOMPARE(q.count(QChar(0x200C)), 5);
        QCOMPARE(q.left(5), units({0x0626, 0x0627, 0x064A, 0x0647, 0x200C}));
        QCOMPARE(dialog.size(), QSize(270, 105)); // 4050 x 1575 twips
    }

    void seamScriptsForm4()
    {
        Label answer;
        Module1::setForm4Function([](Label &l) { l.setCaption(QStringLiteral("Yes")); });
        Module1::ShowForm4(answer);
        QCOMPARE(answer.caption(), QStringLiteral("Yes"));
    }
};

QTEST_MAIN(TestMessageBox)
#include "test_message_box.moc"
