#pragma once

#include "ui/ImageBox.h"
#include "ui/Label.h"
#include "ui/TwipsGeometry.h"

#include <QWidget>

// The help viewer's one window: no frame, no title bar, exactly the size of its picture.
// Dragging the picture moves it; the "X" over the top right corner, or Esc, closes it.
class Form1 : public QWidget, public TwipsGeometry
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);

    ImageBox *Im;
    Label *Label1;

protected:
    void showEvent(QShowEvent *event) override;
    // Esc closes the viewer as the "X" does.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void load();
    void refreshPicture();
    void imMouseDown();

    bool m_followsScreen = false;
};
