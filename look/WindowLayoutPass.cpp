#include "look/WindowLayoutPass.h"

#include "look/core/WindowLayout.h"
#include "shell/Bevels.h"
#include "shell/Form3.h"
#include "shell/Form3Texts.h"

#include <QScreen>
#include <QWindowStateChangeEvent>

namespace {

int twips(int pixels)
{
    return TwipsGeometry::toTwips(pixels);
}

// A size the controls cannot take is skipped, and the pass goes on with the next step.
template <class Control> void place(Control *control, const QRect &rect)
{
    if (rect.width() < 0 || rect.height() < 0)
        return;
    control->setGeometryTwips(rect.x(), rect.y(), rect.width(), rect.height());
}

// The screen's area for windows, in twips; an empty size before the window has a screen.
QSize availableTwips(const Form3 &form)
{
    const QScreen *screen = form.screen();
    if (!screen)
        return {};
    const QSize pixels = screen->availableGeometry().size();
    return {twips(pixels.width()), twips(pixels.height())};
}

// The window's minimum, as the platform sees it: the outer minimum less the frame it adds.
void keepMinimumSize(Form3 &form)
{
    const QSize frame = form.frameGeometry().size() - form.size();
    const QSize outer = pirtok::minimumOuterSize(availableTwips(form));
    const QSize minimum(TwipsGeometry::toPixels(outer.width()) - frame.width(),
                        TwipsGeometry::toPixels(outer.height()) - frame.height());
    if (form.minimumSize() != minimum)
        form.setMinimumSize(minimum);
}

void setToolCaptions(Form3 &form, bool full)
{
    using namespace Form3Texts;
    // Emptied first and then set again, so that every caption is drawn anew at the new size.
    form.Label6->setCaption(full ? QString::fromUtf16(ArabicTyping) : QString());
    form.UniLabel2->setCaption(full ? QString::fromUtf16(SizeCaption) : QString());
    form.UniLabel3->setCaption(full ? QString::fromUtf16(DirectionCaption) : form.LetterEe);
    form.UniLabel1->setCaption(full ? QString::fromUtf16(FontCaption) : form.LetterO);
    form.UniLabel4->setCaption(full ? QString::fromUtf16(Undo) : QString());
}

} // namespace

void LayOutWindow(Form3 &form)
{
    if (form.isMinimized())
        return;
    keepMinimumSize(form);

    pirtok::WindowSizes sizes;
    sizes.outerWidth = twips(form.frameGeometry().width());
    sizes.outerHeight = twips(form.frameGeometry().height());
    sizes.innerWidth = twips(form.width());
    sizes.innerHeight = twips(form.height());
    sizes.stripHeight = form.Image1->heightTwips();
    sizes.iconWidth = form.Image3->widthTwips();
    const QSize available = availableTwips(form);
    sizes.availableWidth = available.width();
    sizes.availableHeight = available.height();
    const pirtok::WindowLayout layout = pirtok::layOutWindow(sizes);
    // Where the platform let the window get smaller than the minimum, it snaps back; a
    // window larger than the screen comes in to fit it.
    if (layout.innerSize != QSize(sizes.innerWidth, sizes.innerHeight))
        form.resize(TwipsGeometry::toPixels(layout.innerSize.width()),
                    TwipsGeometry::toPixels(layout.innerSize.height()));

    setToolCaptions(form, false);
    form.Image3->setLeftTwips(layout.iconLeft);
    form.Label13->setLeftTwips(layout.titleLeft);
    place(form.Image1, layout.strip);
    const auto frames = form.frames();
    for (std::size_t i = 0; i < frames.size(); ++i)
        place(frames[i], layout.frames[i]);
    place(form.Text1, layout.text);
    const auto ridgeLines = form.ridgeLines();
    for (std::size_t i = 0; i < ridgeLines.size(); ++i) {
        const QLine &line = layout.ridgeLines[i];
        ridgeLines[i]->setPoints(line.x1(), line.y1(), line.x2(), line.y2());
    }
    form.Label2->setCaption(QStringLiteral("%0"));
    Bevels::paint(form, Bevels::KeyboardSwitch, form.Check1->value() == 1);
    form.Label3->setLeftTwips(layout.settingsLeft);
    form.Label4->setLeftTwips(layout.helpLeft);
    setToolCaptions(form, true);

    form.update();
    form.UniLabel9->update();
}

void CentreWindow(Form3 &form)
{
    const QScreen *screen = form.screen();
    if (!screen)
        return;
    form.move(pirtok::centredPosition(screen->geometry(), screen->availableGeometry(),
                                      form.frameGeometry().size()));
}

WindowLayoutPass::WindowLayoutPass(Form3 &form) : QObject(&form), m_form(form)
{
    form.installEventFilter(this);
    keepMinimumSize(form);
}

bool WindowLayoutPass::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &m_form)
        return false;
    if (event->type() == QEvent::Resize) {
        LayOutWindow(m_form);
    } else if (event->type() == QEvent::WindowStateChange) {
        // Restoring a minimized window brings no new size, but still a full pass.
        const auto *change = static_cast<QWindowStateChangeEvent *>(event);
        if ((change->oldState() & Qt::WindowMinimized) && !m_form.isMinimized())
            LayOutWindow(m_form);
    }
    return false;
}
