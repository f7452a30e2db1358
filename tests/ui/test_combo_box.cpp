#include "ui/ComboBox.h"
#include "ui/UniCombo.h"

#include "tests/support/WindowTesting.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <memory>

// Both kinds: the editable list (font name and size) and the fixed Kurdish list.
class TestComboBox : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QWidget> host;
    ComboBox *editable = nullptr;
    UniCombo *fixed = nullptr;

    ComboBox *ofKind(bool isEditable) const { return isEditable ? editable : static_cast<ComboBox *>(fixed); }

    static const QStringList &entries()
    {
        static const QStringList list{QStringLiteral("8"), QStringLiteral("10"), QStringLiteral("12")};
        return list;
    }

    static void addKinds()
    {
        QTest::addColumn<bool>("isEditable");
        QTest::newRow("editable") << true;
        QTest::newRow("fixed") << false;
    }

private Q_SLOTS:
    void init()
    {
        host = std::make_unique<QWidget>();
        host->resize(300, 200);
        editable = new ComboBox(host.get());
        editable->setGeometry(10, 10, 120, 25);
        fixed = new UniCombo(host.get());
        fixed->setGeometry(150, 10, 120, 25);
        QVERIFY(WindowTesting::showActive(host.get()));
    }
    void cleanup() { host.reset(); }

    void fillingChoosesNothing_data()
    {
        QTest::addColumn<bool>("isEditable");
        QTest::addColumn<bool>("oneByOne");
        QTest::addColumn<bool>("refill");
        for (const bool isEditable : {true, false}) {
            const char *kind = isEditable ? "editable" : "fixed";
            QTest::addRow("%s, added one by one", kind) << isEditable << true << false;
            QTest::addRow("%s, added at once", kind) << isEditable << false << false;
            QTest::addRow("%s, cleared and filled again", kind) << isEditable << true << true;
        }
    }
    void fillingChoosesNothing()
    {
        QFETCH(bool, isEditable);
        QFETCH(bool, oneByOne);
        QFETCH(bool, refill);
        ComboBox *box = ofKind(isEditable);
        QSignalSpy clicks(box, &ComboBox::click);
        const auto fill = [&] {
            if (oneByOne)
                for (const QString &entry : entries())
                    box->addItem(entry);
            else
                box->addItems(entries());
        };
        fill();
        if (refill) {
            QVERIFY(box->setListIndex(1));
            box->clear();
            fill();
            clicks.clear();
        }
        QCOMPARE(box->listCount(), 3);
        QCOMPARE(box->listIndex(), -1);
        QCOMPARE(box->text(), QString());
        QCOMPARE(clicks.count(), 0);
    }

    void setListIndex_data()
    {
        QTest::addColumn<bool>("isEditable");
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("listIndex");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("clickCount");
        for (const bool isEditable : {true, false}) {
            const char *kind = isEditable ? "editable" : "fixed";
            QTest::addRow("%s, an entry", kind) << isEditable << 2 << true << 2 << QStringLiteral("12") << 1;
            QTest::addRow("%s, the chosen entry again", kind)
                << isEditable << 1 << true << 1 << QStringLiteral("10") << 1;
            QTest::addRow("%s, none", kind) << isEditable << -1 << true << -1 << QString() << 0;
            QTest::addRow("%s, past the end", kind)
                << isEditable << 3 << false << 1 << QStringLiteral("10") << 0;
            QTest::addRow("%s, below -1", kind)
                << isEditable << -2 << false << 1 << QStringLiteral("10") << 0;
        }
    }
    void setListIndex()
    {
        QFETCH(bool, isEditable);
        QFETCH(int, index);
        QFETCH(bool, accepted);
        QFETCH(int, listIndex);
        QFETCH(QString, text);
        QFETCH(int, clickCount);
        ComboBox *box = ofKind(isEditable);
        box->addItems(entries());
        QVERIFY(box->setListIndex(1));
        QSignalSpy clicks(box, &ComboBox::click);
        QCOMPARE(box->setListIndex(index), accepted);
        QCOMPARE(box->listIndex(), listIndex);
        QCOMPARE(box->text(), text);
        QCOMPARE(clicks.count(), clickCount);
    }

    void setTextChoosesOnlyAnEntry_data()
    {
        QTest::addColumn<bool>("isEditable");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("listIndex");
        QTest::addColumn<QString>("shown");
        QTest::newRow("editable, an entry") << true << QStringLiteral("12") << 2 << QStringLiteral("12");
        QTest::newRow("editable, no entry")
            << true << QStringLiteral("Microsoft Sans Serif") << -1 << QStringLiteral("Microsoft Sans Serif");
        QTest::newRow("editable, an entry's start")
            << true << QStringLiteral("1") << -1 << QStringLiteral("1");
        QTest::newRow("editable, empty") << true << QString() << -1 << QString();
        QTest::newRow("fixed, an entry") << false << QStringLiteral("12") << 2 << QStringLiteral("12");
        QTest::newRow("fixed, no entry") << false << QStringLiteral("9") << -1 << QString();
    }
    void setTextChoosesOnlyAnEntry()
    {
        QFETCH(bool, isEditable);
        QFETCH(QString, text);
        QFETCH(int, listIndex);
        QFETCH(QString, shown);
        ComboBox *box = ofKind(isEditable);
        box->addItems(entries());
        QVERIFY(box->setListIndex(1));
        QSignalSpy clicks(box, &ComboBox::click);
        box->setText(text);
        QCOMPARE(box->listIndex(), listIndex);
        QCOMPARE(box->text(), shown);
        QCOMPARE(clicks.count(), 0);
    }

    void typingChoosesNothing_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("no entry") << QStringLiteral("Sans");
        QTest::newRow("an entry's text") << QStringLiteral("12");
    }
    void typingChoosesNothing()
    {
        QFETCH(QString, typed);
        editable->addItems(entries());
        QVERIFY(editable->setListIndex(1));
        QSignalSpy clicks(editable, &ComboBox::click);
        editable->setFocus();
        editable->lineEdit()->selectAll();
        QTest::keyClicks(QApplication::focusWidget(), typed);
        QCOMPARE(editable->listIndex(), -1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(editable->listIndex(), -1);
        QCOMPARE(editable->text(), typed);
        QCOMPARE(clicks.count(), 0);
    }

    void aPickFromTheListRaisesClick_data() { addKinds(); }
    void aPickFromTheListRaisesClick()
    {
        QFETCH(bool, isEditable);
        ComboBox *box = ofKind(isEditable);
        box->addItems(entries());
        QSignalSpy clicks(box, &ComboBox::click);
        box->showPopup();
        QAbstractItemView *list = box->view();
        QVERIFY(QTest::qWaitForWindowExposed(list->window()));
        const QPoint entry = list->visualRect(list->model()->index(2, 0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entry);
        QCOMPARE(box->listIndex(), 2);
        QCOMPARE(box->text(), QStringLiteral("12"));
        QCOMPARE(clicks.count(), 1);
    }

    void steppingWithTheKeysIsAPick_data() { addKinds(); }
    void steppingWithTheKeysIsAPick()
    {
        QFETCH(bool, isEditable);
        ComboBox *box = ofKind(isEditable);
        box->addItems(entries());
        QVERIFY(box->setListIndex(0));
        QSignalSpy clicks(box, &ComboBox::click);
        box->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(box->listIndex(), 1);
        QCOMPARE(clicks.count(), 1);
    }
};

QTEST_MAIN(TestComboBox)
#include "test_combo_box.moc"
