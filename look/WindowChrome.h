#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class Form3;
class Label;

// The window's chrome: a press with any button on the title Label13 lets the window follow
// the mouse, and a release over "?" starts the help viewer, one more for every release,
// without waiting for it.
class WindowChrome : public QObject
{
    Q_OBJECT

public:
    explicit WindowChrome(Form3 &form);

    void Label13MouseDown();
    void Label4MouseUp();

    // The places the viewer is looked for, in order: Help/ beside the program, then the
    // installed layout's libexec folder.
    static QStringList viewerPaths();

    // Seam for tests: the folder the program runs from (empty: the real one).
    static void setProgramFolder(const QString &folder);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void tellViewerFailed(const char16_t *what, const QString &where);

    Form3 &m_form;
    Label *const m_help; // "?"
};
