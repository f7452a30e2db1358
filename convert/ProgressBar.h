#pragma once

#include <QObject>

class Form3;

// Stretches the progress bar to the percentage that the progress caption shows.
class ProgressBar : public QObject
{
    Q_OBJECT

public:
    explicit ProgressBar(Form3 &form);

private:
    void Label2Change();

    Form3 &m_form;
};
