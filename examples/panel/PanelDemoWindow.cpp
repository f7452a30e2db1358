#include "examples/panel/PanelDemoWindow.h"

#include "panel/Form_TaskBar.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstdio>

using pirtok::PanelEvent;

namespace {

// The log line holds as many of the newest events as fit; the count says how many came in all.
constexpr int RecentEvents = 12;

} // namespace

PanelDemoWindow::PanelDemoWindow(QWidget *parent)
    : QFrame(parent, Qt::FramelessWindowHint), m_taskBar(new Form_TaskBar(this)), m_log(new QLabel(this))
{
    setWindowTitle(QStringLiteral("PanelDemo"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);
    setFixedSize(560, 72);

    auto *title = new QLabel(QStringLiteral("<b>Sliding panel</b> — activate me or point at me"), this);
    auto *close = new QPushButton(QStringLiteral("Close"), this);
    connect(close, &QPushButton::clicked, qApp, &QApplication::quit);
    m_log->setText(QStringLiteral("No events yet"));
    m_log->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    auto *top = new QHBoxLayout;
    top->addWidget(title, 1);
    top->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_log);

    connectEvents();
}

void PanelDemoWindow::connectEvents()
{
    Form_TaskBar *bar = m_taskBar;
    connect(bar, &Form_TaskBar::AppGotFocus, this, [this] { log(PanelEvent::AppGotFocus); });
    connect(bar, &Form_TaskBar::AppLostFocus, this, [this] { log(PanelEvent::AppLostFocus); });
    connect(bar, &Form_TaskBar::EndOpenUp, this, [this] { log(PanelEvent::EndOpenUp); });
    connect(bar, &Form_TaskBar::EndCloseUp, this, [this] { log(PanelEvent::EndCloseUp); });
    connect(bar, &Form_TaskBar::StartOpenUp, this, [this] { log(PanelEvent::StartOpenUp); });
    connect(bar, &Form_TaskBar::StartCloseUp, this, [this] { log(PanelEvent::StartCloseUp); });
    connect(bar, &Form_TaskBar::ChangeCloseUp, this, [this] { log(PanelEvent::ChangeCloseUp); });
    connect(bar, &Form_TaskBar::ChangeOpenUp, this, [this] { log(PanelEvent::ChangeOpenUp); });
    connect(bar, &Form_TaskBar::MouseOver, this, [this] { log(PanelEvent::MouseOver); });
    connect(bar, &Form_TaskBar::MouseLeft, this, [this] { log(PanelEvent::MouseLeft); });
}

void PanelDemoWindow::log(PanelEvent event)
{
    const QString name = QString::fromLatin1(pirtok::panelEventName(event));
    m_recent << name;
    if (m_recent.size() > RecentEvents)
        m_recent.removeFirst();
    ++m_count;
    const QString count = QStringLiteral("%1: ").arg(m_count);
    const QFontMetrics metrics = m_log->fontMetrics();
    const int room = m_log->width() - metrics.horizontalAdvance(count);
    m_log->setText(count + metrics.elidedText(m_recent.join(QStringLiteral(" → ")), Qt::ElideLeft, room));
    // Also on standard output, whole, for a log longer than the line.
    std::printf("%d %s\n", m_count, qPrintable(name));
    std::fflush(stdout);
}
