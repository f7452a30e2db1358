#include "shell/Form4.h"

#include "ui/Label.h"

namespace {

// "Are you sure, shall the words be converted?", with a zero-width non-joiner after each
// heh that must not join the next letter.
constexpr char16_t Question[] = u"\u0626\u0627\u064A\u0647\u200C \u062F\u06B5\u0646\u064A\u0627\u064A\u062A, "
                                u"\u0647\u0647\u200C\u06B5\u062F\u0647\u200C\u0633\u062A\u06CE\u062A "
                                u"\u0628\u0647\u200C \u0648\u0695\u06AF\u06CE\u0631\u0627\u0646\u0649 "
                                u"\u0648\u0648\u0634\u0647\u200C\u0643\u0627\u0646";

} // namespace

Form4::Form4(Label &answer, QWidget *parent) : QDialog(parent), TwipsGeometry(this), m_answer(answer)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Kurdish KeyBoard"));
    setModal(true);
    setFixedSize(toPixels(ClientWidth), toPixels(ClientHeight));

    UniLabel5 = new UniLabel(this);
    UniLabel5->setObjectName(QStringLiteral("UniLabel5"));
    UniLabel5->setGeometryTwips(0, 240, 4095, 495);
    UniLabel5->setFont(QFont(QStringLiteral("Tahoma"), 9));
    UniLabel5->setAlignment(Qt::AlignCenter);
    UniLabel5->setWordWrap(true);
    UniLabel5->setCaption(QString::fromUtf16(Question));

    Command2 = new CommandButton(this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setGeometryTwips(480, 960, 1275, 390);
    Command2->setCaption(QStringLiteral("Yes"));

    Command1 = new CommandButton(this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometryTwips(2280, 960, 1275, 390);
    Command1->setCaption(QStringLiteral("No"));

    connect(Command2, &CommandButton::click, this, &Form4::Command2Click);
    connect(Command1, &CommandButton::click, this, &Form4::Command1Click);

    // Every asking starts from "No": closing the dialog any other way answers no.
    m_answer.setCaption(QStringLiteral("No"));
}

void Form4::Command2Click()
{
    m_answer.setCaption(QStringLiteral("Yes"));
    accept();
}

void Form4::Command1Click()
{
    m_answer.setCaption(QStringLiteral("No"));
    reject();
}
