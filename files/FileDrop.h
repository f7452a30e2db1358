#pragma once

#include <QObject>
#include <QStringList>

class FileCommands;
class Form3;
class QMimeData;

// Files dropped anywhere on the window, the text boxes included, open as Ctrl+O opens
// them, instead of the boxes inserting their addresses. Other drops, such as text dragged
// from a box, go on as before.
class FileDrop : public QObject
{
    Q_OBJECT

public:
    FileDrop(Form3 &form, FileCommands &commands);

    // The local files a drop carries; empty when it carries anything else as well.
    static QStringList localFiles(const QMimeData *data);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FileCommands &m_commands;
};
