#pragma once

#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/ImageBox.h"
#include "ui/Label.h"
#include "ui/Line.h"
#include "ui/PictureBox.h"
#include "ui/Shape.h"
#include "ui/Timer.h"
#include "ui/TwipsGeometry.h"
#include "ui/UniButton.h"
#include "ui/UniCombo.h"
#include "ui/UniLabel.h"
#include "ui/UniText.h"

#include <QWidget>

#include <array>

struct ControlDesign;

// The main window: every control under its designed name, and the window-level state the
// handlers share. It has no behaviour of its own; the handlers attach to its controls.
class Form3 : public QWidget, public TwipsGeometry
{
    Q_OBJECT

public:
    static constexpr int DesignedClientWidth = 13920;
    static constexpr int DesignedClientHeight = 8445;
    static constexpr int TT1Count = 8;
    static constexpr int LiCount = 36;

    explicit Form3(QWidget *parent = nullptr);

    // Window-level state.
    int ActiveBox = 0; // 1 Text1, 2 Text2, 3 Text3; 0 before the user worked in any
    int SearchCount = 0;

    QString UndoText;
    int UndoSelStart = 0;
    QString UndoSelText;

    const QString LetterLl = QString(QChar(0x06B5));
    const QString LetterO = QString(QChar(0x06C6));
    const QString LetterRr = QString(QChar(0x0695));
    const QString LetterEe = QString(QChar(0x06CE));
    const QString LetterVe = QString(QChar(0x06A4));

    // Controls, front to back.
    UniButton *UniButton1;
    UniLabel *UniLabel9;
    PictureBox *Picture2;
    UniLabel *UniLabel8;
    std::array<UniText *, TT1Count> TT1;
    Label *Label23, *Label24, *Label25, *Label26; // "to" between the boxes of each pair row
    Label *Label15, *Label16, *Label17, *Label18; // frames behind the letter boxes, row by row,
    Label *Label19, *Label20, *Label21, *Label22; // the right-hand box's first
    UniText *Text1;
    CheckBox *Check5;
    CheckBox *Check3;
    CheckBox *Check2;
    CheckBox *Check4;
    Timer *Timer2;
    CheckBox *Check1;
    PictureBox *Picture1;
    ImageBox *Image2;
    ComboBox *Combo2;
    ComboBox *Combo1;
    Timer *Timer1;
    UniLabel *UniLabel1;
    UniLabel *UniLabel2;
    UniLabel *UniLabel3;
    UniCombo *Combo3;
    UniLabel *Label6;
    UniText *Text3;
    UniText *Text2;
    UniLabel *Label13;
    ImageBox *Image3;
    Label *Label12;
    Label *Label11;
    Label *Label10;
    Label *Label9;
    Label *Label8;
    Label *UniLabel4;
    Shape *Shape9;
    Label *UniLabel5;
    Label *UniLabel7;
    Label *UniLabel6;
    Label *Label4;
    Label *L;
    Label *Label2;
    Line *Line1, *Line2, *Line3, *Line4, *Line5;
    Label *Label3;
    Shape *Shape0, *Shape1, *Shape2, *Shape3, *Shape4;
    Shape *Shape5, *Shape6, *Shape7, *Shape8, *Shape10, *Shape11, *Shape12, *Shape13;
    ImageBox *Image1;
    Label *Label14;
    std::array<Line *, LiCount> Li;

    // The groups the layout and the looks walk through.
    std::array<Shape *, 5> frames() const { return {Shape0, Shape1, Shape2, Shape3, Shape4}; }
    std::array<Line *, 5> ridgeLines() const { return {Line1, Line2, Line3, Line4, Line5}; }
    std::array<Shape *, 8> plates() const
    {
        return {Shape5, Shape6, Shape7, Shape8, Shape10, Shape11, Shape12, Shape13};
    }
    // The labels that serve as buttons, for the mouse, the keyboard and screen readers.
    std::array<Label *, 11> buttonLabels() const
    {
        return {Label3,  Label4,    Label6,    Label10,   Label11,  Label12,
                Label14, UniLabel4, UniLabel5, UniLabel6, UniLabel7};
    }

private:
    template <class Control> Control *place(QWidget *parent, const ControlDesign &design);
    void createControls();
    void createPairPanel();
    void createDecorations();
    void createBevels();
    void restackDecorations();
    void setUpKeyboardAccess();
};
