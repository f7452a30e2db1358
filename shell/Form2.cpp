#include "shell/Form2.h"

#include "shell/SettingsKeys.h"
#include "shell/SettingsStore.h"
#include "shell/core/StoredNumber.h"

namespace {

// "Run at the computer's start", with a zero-width non-joiner after each heh that must not
// join the next letter.
constexpr char16_t StartAtLogOn[] = u"\u0643\u0627\u0631 \u0628\u0643\u0627\u062A "
                                    u"\u0644\u0647\u200C\u0643\u0627\u062A\u0649 "
                                    u"\u0633\u0647\u200C\u0631\u0647\u200C\u062A\u0627\u0649 "
                                    u"\u0643\u06C6\u0645\u067E\u064A\u0648\u062A\u0647\u200C\u0631";
// "Done".
constexpr char16_t Done[] = u"\u062A\u0647\u200C\u0648\u0627\u0648";

QFont dialogFont(bool bold = false)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(8.25);
    font.setBold(bold);
    return font;
}

} // namespace

Form2::Form2(SettingsStore &store, QString executable, AutostartWriter writeAutostart, QWidget *parent)
    : QDialog(parent), TwipsGeometry(this), m_store(store), m_executable(std::move(executable)),
      m_writeAutostart(std::move(writeAutostart))
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Key Board Setting"));
    setModal(true);
    setFont(dialogFont());
    setFixedSize(toPixels(ClientWidth), toPixels(ClientHeight));
    createControls();

    connect(Check1, &CheckBox::click, this, &Form2::Check1Click);
    connect(UniLabel1, &Label::click, this, &Form2::UniLabel1Click);
    connect(ctlUniButtonImageXP1, &CommandButton::click, this, &Form2::ctlUniButtonImageXP1Click);

    Form_Load();
}

void Form2::createControls()
{
    // Created back to front: the background first, so the controls stand on it.
    Image1 = new ImageBox(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPicture(QPixmap(QStringLiteral(":/pirtok/strip.png")));

    Check1 = new CheckBox(this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setGeometryTwips(240, 165, 375, 255);

    UniLabel1 = new UniLabel(this);
    UniLabel1->setObjectName(QStringLiteral("UniLabel1"));
    UniLabel1->setGeometryTwips(600, 165, 3585, 255);
    UniLabel1->setCaption(QString::fromUtf16(StartAtLogOn));

    ctlUniButtonImageXP1 = new CommandButton(this);
    ctlUniButtonImageXP1->setObjectName(QStringLiteral("ctlUniButtonImageXP1"));
    ctlUniButtonImageXP1->setGeometryTwips(3600, 1800, 735, 285);
    ctlUniButtonImageXP1->setCaption(QString::fromUtf16(Done));
    ctlUniButtonImageXP1->setDefault(true);

    Label2 = new Label(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometryTwips(360, 780, 495, 375);
    Label2->setFont(dialogFont(true));
    Label2->setCaption(QStringLiteral("v 8.0"));

    Label1 = new Label(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometryTwips(120, 1860, 3495, 255);
    Label1->setFont(dialogFont(true));
    Label1->setCaption(QStringLiteral("Pirtok: Kurdish typing and conversion"));
}

void Form2::Form_Load()
{
    Image1->setHeightTwips(toTwips(height()));
    Image1->setWidthTwips(toTwips(width()));

    // A stored tick ticks the box, whose click handling then rewrites the log-on entry with
    // this program's path.
    const QString stored = m_store.read(SettingsKeys::Pirtok, SettingsKeys::Section,
                                        SettingsKeys::StartAtLogOn, QStringLiteral("0"));
    if (const std::optional<int> value = StoredNumber::numericReading(stored))
        Check1->setValue(*value);
}

void Form2::writeEntryForBox()
{
    // The dialog has no words for a failure of its own; the box stays as the user set it.
    if (const WriteResult written = m_writeAutostart(Check1->value() == 0 ? QString() : m_executable);
        !written.ok())
        qWarning("Pirtok: the log-on entry was not written: %s", qUtf8Printable(written.describe()));
}

void Form2::Check1Click()
{
    writeEntryForBox();
}

void Form2::UniLabel1Click()
{
    Check1->setValue(Check1->value() == 0 ? 1 : 0);
    writeEntryForBox();
}

void Form2::ctlUniButtonImageXP1Click()
{
    if (const WriteResult written =
            m_store.write(SettingsKeys::Pirtok, SettingsKeys::Section, SettingsKeys::StartAtLogOn,
                          QString::number(Check1->value()));
        !written.ok())
        qWarning("Pirtok: the log-on choice was not stored: %s", qUtf8Printable(written.describe()));
    accept();
}
