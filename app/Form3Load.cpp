#include "app/Form3Load.h"

#include "convert/DirectionList.h"
#include "look/FontStyle.h"
#include "look/WindowLayoutPass.h"
#include "shell/Bevels.h"
#include "shell/DesktopLauncher.h"
#include "shell/Form3.h"
#include "shell/Module1.h"
#include "shell/SavedTextPath.h"
#include "shell/SettingsKeys.h"
#include "shell/SettingsStore.h"
#include "shell/core/StoredNumber.h"

#include <QFontDatabase>

Form3Load::Form3Load(Form3 &form, SettingsStore &store, ProgramPlace place)
    : m_form(form), m_store(store), m_place(std::move(place))
{
}

QString Form3Load::read(const QString &key) const
{
    return m_store.read(SettingsKeys::Pirtok, SettingsKeys::Section, key);
}

void Form3Load::run()
{
    recordStart(m_store, m_place);
    firstRun();
    initialLooks();
    // The letter variables are the window's constants.
    m_form.Text1->setText(QString());
    fillFontList();
    fillSizeList();
    FillDirectionList(m_form);
    restoreFontName();
    restoreFontSize();
    QString direction = read(SettingsKeys::Convert);
    if (direction.isEmpty())
        direction = QStringLiteral("0");
    restoreCheckBoxes();
    restoreTexts();
    DrawStyleToggles(m_form);
    // Once more with the final choice, whichever order the lists' handlers ran in.
    ApplyFont(m_form);
    restoreDirection(direction);
    centre();
    // One pass before the window is shown, as its resize handling does on every size change.
    LayOutWindow(m_form);
    m_form.Label2->setCaption(QStringLiteral("%0"));
    drawKeyboardSwitch();
    centre();
    restoreSavedText();
}

namespace {

// Nothing at start-up is the user's to be told; a line for whoever reads the log.
void warnIfFailed(const WriteResult &result, const char *what)
{
    if (!result.ok())
        qWarning("Pirtok: %s was not written: %s", what, qUtf8Printable(result.describe()));
}

} // namespace

void Form3Load::recordStart(SettingsStore &store, const ProgramPlace &place)
{
    using namespace SettingsKeys;
    warnIfFailed(
        store.writeAll(Varok, Section, {{CommandLine, place.commandLine}, {ProgramFolder, place.folder}}),
        "the start");
}

void Form3Load::firstRun()
{
    using namespace SettingsKeys;
    if (!m_store.read(Varok, Section, FirstRunMarker).toUpper().isEmpty())
        return;
    // The marker goes first: a launcher that cannot be made is not tried again.
    warnIfFailed(m_store.write(Varok, Section, FirstRunMarker, m_place.folder.toUpper()),
                 "the first-run marker");
    warnIfFailed(DesktopLauncher::writeShortcut(m_place), "the desktop launcher");
}

void Form3Load::initialLooks()
{
    m_form.Image1->setHeightTwips(ToolStripHeight);
    Bevels::paint(m_form, Bevels::Convert, false);
}

void Form3Load::fillFontList()
{
    m_form.Combo1->addItems(QFontDatabase::families());
}

void Form3Load::fillSizeList()
{
    QStringList sizes;
    for (int i = 0; i < SizeCount; ++i)
        sizes << QString::number(FirstSize + 2 * i);
    m_form.Combo2->addItems(sizes);
}

void Form3Load::restoreFontName()
{
    // By name when that font is still installed: its place in the list moves as fonts come
    // and go.
    const QString family = read(SettingsKeys::FontFamily);
    if (!family.isEmpty()) {
        if (const int byName = m_form.Combo1->findText(family, Qt::MatchFixedString | Qt::MatchCaseSensitive);
            byName >= 0) {
            m_form.Combo1->setListIndex(byName);
            return;
        }
    }
    const QString stored = read(SettingsKeys::FontName);
    if (stored.isEmpty()) {
        m_form.Combo1->setText(family.isEmpty() ? QString::fromUtf16(DefaultFontName) : family);
        return;
    }
    // Else by position in this machine's font list, whatever font now stands there.
    if (const std::optional<int> index = StoredNumber::integerConversion(stored))
        m_form.Combo1->setListIndex(*index);
    // A name the list never had ("Microsoft Sans Serif") comes back as the box's text.
    if (m_form.Combo1->listIndex() < 0 && !family.isEmpty())
        m_form.Combo1->setText(family);
}

void Form3Load::restoreFontSize()
{
    if (const std::optional<int> index = StoredNumber::numericReading(read(SettingsKeys::FontSize)))
        m_form.Combo2->setListIndex(*index);
}

void Form3Load::restoreCheckBoxes()
{
    using namespace SettingsKeys;
    const std::pair<CheckBox *, QLatin1String> boxes[] = {
        {m_form.Check1, Arabic}, {m_form.Check2, Bold},        {m_form.Check3, Italic},
        {m_form.Check4, Black},  {m_form.Check5, LeftToRight},
    };
    // A value the box refuses ("9") leaves it clear.
    for (const auto &[box, key] : boxes)
        if (const std::optional<int> value = StoredNumber::numericReading(read(key)))
            box->setValue(*value);
}

void Form3Load::restoreTexts()
{
    m_form.Text3->setText(read(SettingsKeys::SearchWord));
    m_form.Text2->setText(read(SettingsKeys::ReplacementWord));
    for (int i = 0; i < Form3::TT1Count; ++i)
        m_form.TT1[i]->setText(read(SettingsKeys::letterBox(i)));
}

void Form3Load::restoreDirection(const QString &direction)
{
    if (const std::optional<int> index = StoredNumber::numericReading(direction))
        m_form.Combo3->setListIndex(*index);
}

void Form3Load::centre()
{
    CentreWindow(m_form);
}

void Form3Load::drawKeyboardSwitch()
{
    Bevels::paint(m_form, Bevels::KeyboardSwitch, m_form.Check1->value() != 0);
}

void Form3Load::restoreSavedText()
{
    const QString path = SavedTextPath();
    bool unreadable = false;
    m_form.Text1->setText(Module1::ReadWholeFile(path, &unreadable));
    if (unreadable)
        m_unreadableSavedText = path;
}
