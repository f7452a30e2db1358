// The window's keyboard and screen-reader access: which labels are buttons, the Tab order
// and the names of the controls that carry no caption of their own.
#include "shell/Form3.h"

#include "shell/Form3Texts.h"

#include <QStringList>

#include <algorithm>
#include <vector>

namespace {

// Controls whose tops lie this close share a row of the tool area (the plates, combo boxes
// and check boxes of one row differ by a pixel or two).
constexpr int RowTolerance = 150;

QRect designedPlace(QWidget *control)
{
    auto *placed = dynamic_cast<TwipsGeometry *>(control);
    return placed ? placed->geometryTwips() : QRect();
}

// Top row first, and within a row from the right edge to the left, as the window reads.
std::vector<QWidget *> readingOrder(std::vector<QWidget *> controls)
{
    std::sort(controls.begin(), controls.end(),
              [](QWidget *a, QWidget *b) { return designedPlace(a).top() < designedPlace(b).top(); });
    std::vector<QWidget *> ordered;
    auto rowStart = controls.begin();
    while (rowStart != controls.end()) {
        const int rowTop = designedPlace(*rowStart).top();
        const auto rowEnd = std::find_if(rowStart, controls.end(), [rowTop](QWidget *control) {
            return designedPlace(control).top() > rowTop + RowTolerance;
        });
        std::vector<QWidget *> row(rowStart, rowEnd);
        std::sort(row.begin(), row.end(),
                  [](QWidget *a, QWidget *b) { return designedPlace(a).right() > designedPlace(b).right(); });
        ordered.insert(ordered.end(), row.begin(), row.end());
        rowStart = rowEnd;
    }
    return ordered;
}

std::vector<QWidget *> tabStopsIn(QWidget *parent)
{
    std::vector<QWidget *> stops;
    for (QWidget *child : parent->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        if (child->focusPolicy() & Qt::TabFocus)
            stops.push_back(child);
    return stops;
}

} // namespace

void Form3::setUpKeyboardAccess()
{
    using namespace Form3Texts;
    for (Label *button : buttonLabels())
        button->setButtonLike(true);
    // The two symbols read as their tool tips: "@" is a picture in its symbol font.
    Label3->setAccessibleName(QString::fromUtf16(SettingsTip).trimmed());
    Label4->setAccessibleName(QString::fromUtf16(HelpTip));

    Combo1->setAccessibleName(QString::fromUtf16(FontCaption));
    Combo2->setAccessibleName(QString::fromUtf16(SizeCaption));
    Combo3->setAccessibleName(QString::fromUtf16(DirectionCaption));
    Text1->setAccessibleName(QString::fromUtf16(MainTextInitial).trimmed());
    Text3->setAccessibleName(QString::fromUtf16(Search));
    Text2->setAccessibleName(QString::fromUtf16(ReplaceOnce));
    // The letter boxes by their panel's title: its first line for the Kurdish-font letter of
    // a row, its second ("to another letter") for the Unicode one, and the row's number.
    const QStringList title = QString::fromUtf16(PairsTitle).split(QLatin1Char('\n'));
    for (int i = 0; i < TT1Count; ++i)
        TT1[i]->setAccessibleName(title.value(i % 2) + QLatin1Char(' ') + QString::number(i / 2 + 1));

    // The letter boxes open under their switch, so Tab goes there next while they show.
    std::vector<QWidget *> order = readingOrder(tabStopsIn(this));
    const std::vector<QWidget *> letterBoxes = readingOrder(tabStopsIn(Picture2));
    order.insert(std::find(order.begin(), order.end(), Label14) + 1, letterBoxes.begin(), letterBoxes.end());
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}
