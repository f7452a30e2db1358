#pragma once

#include "ui/TwipsGeometry.h"

#include <QCheckBox>

// A check box whose state is a value 0 (clear) or 1 (ticked). click() is raised whenever
// the value changes, by the user or by the program.
class CheckBox : public QCheckBox, public TwipsGeometry
{
    Q_OBJECT

public:
    explicit CheckBox(QWidget *parent = nullptr);

    int value() const { return isChecked() ? 1 : 0; }
    // Refuses anything but 0 and 1.
    bool setValue(int value);

    QString caption() const { return text(); }
    void setCaption(const QString &caption) { setText(caption); }
    void setBackColor(const QColor &color);

Q_SIGNALS:
    void click();
};
