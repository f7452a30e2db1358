#include "shell/Form3.h"

#include "shell/Bevels.h"
#include "shell/Form3Texts.h"

#include <QIcon>
#include <type_traits>

// One row of the window's design: name, place in twips, caption and looks.
struct ControlDesign
{
    const char *name;
    QRect twips; // left, top, width, height; an empty rectangle is not placed here
    const char16_t *caption = nullptr;
    const char16_t *toolTip = nullptr;
    QColor back = {};
    QColor fore = {};
    bool visible = true;
    bool hand = false;
};

namespace {

constexpr bool Hidden = false;
constexpr bool Shown = true;
constexpr bool Hand = true;

const QColor White(255, 255, 255);
const QColor DarkGrey(64, 64, 64);
const QColor PlateGreen(180, 210, 57);
const QColor FrameCyan(0, 192, 192);
const QColor StripTeal(116, 173, 169);
const QColor BarFrame(215, 231, 150);
const QColor PanelGreen(128, 170, 0);
const QColor SymbolGreen(0, 255, 0);

template <class T, class = void> struct HasBackColor : std::false_type
{
};
template <class T>
struct HasBackColor<T, std::void_t<decltype(std::declval<T &>().setBackColor(QColor()))>> : std::true_type
{
};
template <class T, class = void> struct HasCaption : std::false_type
{
};
template <class T>
struct HasCaption<T, std::void_t<decltype(std::declval<T &>().setCaption(QString()))>> : std::true_type
{
};
template <class T, class = void> struct HasForeColor : std::false_type
{
};
template <class T>
struct HasForeColor<T, std::void_t<decltype(std::declval<T &>().setForeColor(QColor()))>> : std::true_type
{
};

QFont windowFont()
{
    QFont font(QStringLiteral("Microsoft Sans Serif"));
    font.setPointSizeF(8.25);
    return font;
}

} // namespace

namespace {

// The members that loops over a group of designed controls fill, in design order.
const std::array<Label * Form3::*, 4> RowWords = {&Form3::Label23, &Form3::Label24, &Form3::Label25,
                                                  &Form3::Label26};
const std::array<Label * Form3::*, 8> BoxFrames = {&Form3::Label15, &Form3::Label16, &Form3::Label17,
                                                   &Form3::Label18, &Form3::Label19, &Form3::Label20,
                                                   &Form3::Label21, &Form3::Label22};
const std::array<Line * Form3::*, 5> RidgeLines = {&Form3::Line1, &Form3::Line2, &Form3::Line3, &Form3::Line4,
                                                   &Form3::Line5};
const std::array<Shape * Form3::*, 5> Frames = {&Form3::Shape0, &Form3::Shape1, &Form3::Shape2,
                                                &Form3::Shape3, &Form3::Shape4};

} // namespace

template <class Control> Control *Form3::place(QWidget *parent, const ControlDesign &design)
{
    auto *control = new Control(parent);
    control->setObjectName(QLatin1String(design.name));
    if (!design.twips.isEmpty())
        control->setGeometryTwips(design.twips.x(), design.twips.y(), design.twips.width(),
                                  design.twips.height());
    if (design.caption) {
        const QString caption = QString::fromUtf16(design.caption);
        if constexpr (std::is_base_of_v<UniText, Control>)
            control->setText(caption);
        else if constexpr (HasCaption<Control>::value)
            control->setCaption(caption);
    }
    if (design.toolTip)
        control->setToolTip(QString::fromUtf16(design.toolTip));
    if constexpr (HasBackColor<Control>::value) {
        if (design.back.isValid())
            control->setBackColor(design.back);
    }
    if constexpr (HasForeColor<Control>::value) {
        if (design.fore.isValid())
            control->setForeColor(design.fore);
    }
    if (design.hand)
        control->setCursor(Qt::PointingHandCursor);
    control->setVisible(design.visible);
    // Rows come front to back: each new control goes behind those placed before it.
    control->lower();
    return control;
}

// The artwork is compiled into this library; a static library must register it itself.
static void initArtwork()
{
    Q_INIT_RESOURCE(art);
}

Form3::Form3(QWidget *parent) : QWidget(parent), TwipsGeometry(this)
{
    initArtwork();
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QString::fromUtf16(Form3Texts::WindowCaption));
    setWindowIcon(QIcon(QStringLiteral(":/pirtok/icon.png")));
    setFont(windowFont());
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(128, 128, 128));
    setPalette(p);
    resize(toPixels(DesignedClientWidth), toPixels(DesignedClientHeight));

    Timer1 = new Timer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer2 = new Timer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));

    createControls();
}

void Form3::createControls()
{
    using namespace Form3Texts;
    QWidget *w = this;

    // The design table, one control a row, front to back.
    // clang-format off

    UniButton1 = place<UniButton>(w, {"UniButton1", {10800, 840, 975, 285}, ReverseButton});
    UniLabel9 = place<UniLabel>(w, {"UniLabel9", {11760, 840, 2055, 255}, KeysHint});
    createPairPanel();
    Text1 = place<UniText>(w, {"Text1", {720, 2040, 8655, 3645}, MainTextInitial});
    Check5 = place<CheckBox>(w, {"Check5", {7005, 525, 705, 240}, LeftToRight, nullptr, PlateGreen});
    Check3 = place<CheckBox>(w, {"Check3", {8040, 120, 855, 255}, nullptr, nullptr, {}, {}, Hidden});
    Check2 = place<CheckBox>(w, {"Check2", {9000, 120, 975, 255}, nullptr, nullptr, {}, {}, Hidden});
    Check4 = place<CheckBox>(w, {"Check4", {3255, 525, 1185, 240}, BlackColour, nullptr, PlateGreen});
    Check1 = place<CheckBox>(w, {"Check1", {6720, 120, 1215, 225}, nullptr, nullptr, {}, {}, Hidden});
    Picture1 = place<PictureBox>(w, {"Picture1", {120, 510, 1200, 240}, nullptr, nullptr, BarFrame});
    Image2 = place<ImageBox>(Picture1, {"Image2", {0, 0, 1140, 240}});
    Combo2 = place<ComboBox>(w, {"Combo2", {8640, 480, 615, 315}, nullptr, nullptr, {}, {}, Shown, Hand});
    Combo1 = place<ComboBox>(w, {"Combo1", {9810, 480, 2055, 315}, nullptr, nullptr, {}, {}, Shown, Hand});
    UniLabel1 = place<UniLabel>(w, {"UniLabel1", {11790, 525, 480, 240}, FontCaption});
    UniLabel2 = place<UniLabel>(w, {"UniLabel2", {9150, 525, 600, 240}, SizeCaption});
    UniLabel3 = place<UniLabel>(w, {"UniLabel3", {6150, 525, 720, 240}, DirectionCaption});
    Combo3 = place<UniCombo>(w, {"Combo3", {4500, 480, 1695, 315}});
    Label6 = place<UniLabel>(w, {"Label6", {1905, 510, 1200, 240}, ArabicTyping, nullptr, PlateGreen});
    Text3 = place<UniText>(w, {"Text3", {4560, 840, 1695, 300}});
    Text2 = place<UniText>(w, {"Text2", {1800, 840, 1695, 300}});
    Label13 = place<UniLabel>(w, {"Label13", {1680, 60, 4335, 255}, Title, nullptr, {}, White});
    Image3 = place<ImageBox>(w, {"Image3", {60, 15, 315, 315}});
    Label12 = place<Label>(w, {"Label12", {180, 870, 1410, 240}, ReplaceAll, nullptr, PlateGreen, {}, Shown, Hand});
    Label11 = place<Label>(w, {"Label11", {3660, 870, 810, 240}, ReplaceOnce, nullptr, PlateGreen, {}, Shown, Hand});
    Label10 = place<Label>(w, {"Label10", {6420, 870, 810, 240}, Search, SearchTip, PlateGreen, {}, Shown, Hand});
    Label9 = place<Label>(w, {"Label9", {6960, 495, 780, 285}, nullptr, nullptr, StripTeal});
    Label8 = place<Label>(w, {"Label8", {3210, 495, 1260, 285}, nullptr, nullptr, StripTeal});
    UniLabel4 = place<Label>(w, {"UniLabel4", {12360, 510, 510, 255}, Undo, UndoTip, PlateGreen, {}, Shown, Hand});
    Shape9 = place<Shape>(w, {"Shape9", {12345, 495, 540, 285}});
    UniLabel5 = place<Label>(w, {"UniLabel5", {13020, 510, 690, 240}, Convert, nullptr, PlateGreen, {}, Shown, Hand});
    UniLabel7 = place<Label>(w, {"UniLabel7", {8205, 510, 240, 240}, Italic, nullptr, PlateGreen, {}, Shown, Hand});
    UniLabel6 = place<Label>(w, {"UniLabel6", {7845, 510, 240, 240}, Bold, nullptr, PlateGreen, {}, Shown, Hand});
    Label4 = place<Label>(w, {"Label4", {10230, 15, 165, 315}, Help, HelpTip, {}, SymbolGreen, Shown, Hand});
    L = place<Label>(w, {"L", {11040, 120, 375, 135}, nullptr, nullptr, {}, {}, Hidden});
    Label2 = place<Label>(w, {"Label2", {1365, 540, 405, 195}, Progress});
    createDecorations();
    Label14 = place<Label>(w, {"Label14", {9780, 870, 810, 870}, Pairs, nullptr, {}, {}, Shown, Hand});
    // clang-format on
    createBevels();
    restackDecorations();

    // Looks the table's columns do not carry.
    Text1->setMultiLine(true);
    Text1->setRightToLeft(true);
    Text1->setAlignment(1);
    for (UniText *box : {Text2, Text3}) {
        box->setMultiLine(false);
        box->setRightToLeft(true);
        box->setAlignment(1);
    }
    UniLabel9->setForeColor(White);
    Label8->setBorder(Label::Border::Single);
    Label9->setBorder(Label::Border::Single);
    Shape9->setBorderColor(White);
    for (Label *button : buttonLabels())
        if (button != Label3 && button != Label4)
            button->setAlignment(Qt::AlignCenter);
    Label14->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label4->setFont(QFont(QStringLiteral("Tahoma"), 14, QFont::Bold));
    Label3->setFont(QFont(QStringLiteral("Webdings"), 14));
    QFont bold = UniLabel6->font();
    bold.setBold(true);
    UniLabel6->setFont(bold);
    QFont italic = UniLabel7->font();
    italic.setItalic(true);
    UniLabel7->setFont(italic);
    Image1->setPicture(QPixmap(QStringLiteral(":/pirtok/strip.png")));
    Image2->setPicture(QPixmap(QStringLiteral(":/pirtok/bar.png")));
    Image3->setPicture(QPixmap(QStringLiteral(":/pirtok/icon.png")));
    setUpKeyboardAccess();
}

void Form3::createPairPanel()
{
    using namespace Form3Texts;
    Picture2 = place<PictureBox>(
        this, {"Picture2", {7320, 840, 2295, 2220}, nullptr, nullptr, PanelGreen, {}, Hidden});
    UniLabel8 = place<UniLabel>(Picture2, {"UniLabel8", {90, 60, 2070, 630}, PairsTitle});
    UniLabel8->setAlignment(Qt::AlignCenter);

    static const std::array<int, 4> rowTops = {750, 1110, 1470, 1830};
    static const std::array<const char *, TT1Count> boxNames = {"TT1(0)", "TT1(1)", "TT1(2)", "TT1(3)",
                                                                "TT1(4)", "TT1(5)", "TT1(6)", "TT1(7)"};
    // Even boxes (right) hold the Kurdish-font letter of a row, odd boxes (left) the Unicode one.
    for (int i = 0; i < TT1Count; ++i) {
        const int left = i % 2 == 0 ? 1470 : 150;
        TT1[i] = place<UniText>(Picture2, {boxNames[i], {left, rowTops[i / 2], 615, 290}});
        TT1[i]->setMultiLine(false);
        TT1[i]->setRightToLeft(true);
        TT1[i]->setAlignment(1);
    }
    static const std::array<const char *, 4> wordNames = {"Label23", "Label24", "Label25", "Label26"};
    for (int row = 0; row < 4; ++row) {
        Label *&word = this->*RowWords[row];
        word = place<Label>(Picture2, {wordNames[row], {840, rowTops[row] - 30, 570, 330}, PairWordTo});
        word->setAlignment(Qt::AlignCenter);
    }
    static const std::array<const char *, 8> frameNames = {"Label15", "Label16", "Label17", "Label18",
                                                           "Label19", "Label20", "Label21", "Label22"};
    for (int i = 0; i < 8; ++i) {
        const int left = i % 2 == 0 ? 1440 : 120;
        this->*BoxFrames[i] = place<Label>(
            Picture2, {frameNames[i], {left, rowTops[i / 2] - 30, 690, 330}, nullptr, nullptr, FrameCyan});
    }
}

void Form3::createDecorations()
{
    // Ridge lines under the tool area, dark, green, light green, green, dark.
    static const std::array<int, 5> lineTops = {1800, 1680, 1560, 1440, 1320};
    static const std::array<QColor, 5> ridge = {QColor(Qt::black), QColor(0, 192, 0), QColor(128, 255, 128),
                                                QColor(0, 192, 0), QColor(Qt::black)};
    for (int i = 0; i < 5; ++i) {
        Line *&line = this->*RidgeLines[i];
        line = new Line(this);
        line->setObjectName(QStringLiteral("Line%1").arg(i + 1));
        line->setPoints(0, lineTops[i], 9120, lineTops[i]);
        line->setBorderColor(ridge[i]);
        line->lower();
    }

    Label3 = place<Label>(this, {"Label3",
                                 {10440, 30, 315, 390},
                                 Form3Texts::Settings,
                                 Form3Texts::SettingsTip,
                                 {},
                                 SymbolGreen,
                                 Shown,
                                 Hand});

    // The raised green border around the window, one pixel per step from the outside in.
    const int T = 375;
    const int W = DesignedClientWidth;
    const int H = DesignedClientHeight;
    static const std::array<const char *, 5> frameNames = {"Shape0", "Shape1", "Shape2", "Shape3", "Shape4"};
    for (int i = 0; i < 5; ++i) {
        const int inset = 15 * i;
        const QRect twips =
            i == 0 ? QRect(0, 0, W, H) : QRect(inset, T + inset, W - 2 * inset, H - 2 * inset - T);
        Shape *&frame = this->*Frames[i];
        frame = place<Shape>(this, {frameNames[i], twips});
        frame->setBorderColor(ridge[i]);
    }

    struct Plate
    {
        Shape *Form3::*member;
        const char *name;
        QRect twips;
    };
    // clang-format off
    static const std::array<Plate, 8> plates = {{{&Form3::Shape5, "Shape5", {1860, 480, 1290, 300}},
                                                 {&Form3::Shape6, "Shape6", {12960, 480, 810, 300}},
                                                 {&Form3::Shape7, "Shape7", {7800, 480, 330, 300}},
                                                 {&Form3::Shape8, "Shape8", {8160, 480, 330, 300}},
                                                 {&Form3::Shape10, "Shape10", {6360, 840, 930, 300}},
                                                 {&Form3::Shape11, "Shape11", {3600, 840, 930, 300}},
                                                 {&Form3::Shape12, "Shape12", {120, 840, 1530, 300}},
                                                 {&Form3::Shape13, "Shape13", {9720, 840, 930, 300}}}};
    // clang-format on
    for (std::size_t i = 0; i < plates.size(); ++i) {
        Shape *&plate = this->*plates[i].member;
        plate = place<Shape>(this, {plates[i].name, plates[i].twips});
        plate->setFillColor(PlateGreen);
        plate->setBorderColor(QColor(255, 0, 0));
    }

    Image1 = place<ImageBox>(this, {"Image1", {0, 0, W, T}});
}

void Form3::createBevels()
{
    // Four lines one pixel outside each button-like label, drawn raised.
    struct Bevel
    {
        QRect label; // the label's raised place, in twips
        BevelLines lines;
    };
    // Label14 is designed taller than the plate it sits on; its frame follows the plate's row.
    const std::array<Bevel, 8> bevels = {{{Label6->geometryTwips(), Bevels::KeyboardSwitch},
                                          {UniLabel5->geometryTwips(), Bevels::Convert},
                                          {UniLabel6->geometryTwips(), Bevels::Bold},
                                          {UniLabel7->geometryTwips(), Bevels::Italic},
                                          {Label10->geometryTwips(), Bevels::Search},
                                          {Label11->geometryTwips(), Bevels::ReplaceOnce},
                                          {Label12->geometryTwips(), Bevels::ReplaceAll},
                                          {QRect(9780, 870, 810, 240), Bevels::Pairs}}};
    for (int i = 0; i < LiCount; ++i) {
        Li[i] = new Line(i < 32 ? static_cast<QWidget *>(this) : Picture2);
        Li[i]->setObjectName(QStringLiteral("Li(%1)").arg(i));
    }
    for (const Bevel &b : bevels) {
        const QRect &r = b.label;
        const int x0 = r.left() - 15, y0 = r.top() - 15, x1 = r.left() + r.width(), y1 = r.top() + r.height();
        Li[b.lines.top]->setPoints(x0, y0, x1, y0);
        Li[b.lines.right]->setPoints(x1, y0, x1, y1);
        Li[b.lines.bottom]->setPoints(x0, y1, x1, y1);
        Li[b.lines.left]->setPoints(x0, y0, x0, y1);
        Bevels::paint(*this, b.lines, false);
    }
    // A fixed raised frame around the letter-pair panel: left 32, right 33, bottom 34, top 35.
    const int pw = 2295 - 15, ph = 2220 - 15;
    Li[32]->setPoints(0, 0, 0, ph);
    Li[33]->setPoints(pw, 0, pw, ph);
    Li[34]->setPoints(0, ph, pw, ph);
    Li[35]->setPoints(0, 0, pw, 0);
    for (int i : {32, 35})
        Li[i]->setBorderColor(White);
    for (int i : {33, 34})
        Li[i]->setBorderColor(DarkGrey);
    for (Line *line : Li)
        line->show();
}

void Form3::restackDecorations()
{
    // Painted back to front: the top strip, the window frame, the plates, then the bevels,
    // so that every button-like label sits on its plate inside its bevel.
    for (Line *line : Li)
        line->lower();
    for (Shape *plate : plates())
        plate->lower();
    for (Shape *frame : frames())
        frame->lower();
    Image1->lower();
}
