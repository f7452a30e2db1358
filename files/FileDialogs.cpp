#include "files/FileDialogs.h"

#include "files/core/FileTexts.h"

#include <QFileDialog>

#include <array>

using pirtok::files::SaveEncoding;

namespace FileDialogs {

namespace {

OpenFunction &openFunction()
{
    static OpenFunction function;
    return function;
}

SaveFunction &saveFunction()
{
    static SaveFunction function;
    return function;
}

constexpr std::array<SaveEncoding, 3> SaveEncodings = {SaveEncoding::Utf8, SaveEncoding::Utf16Le,
                                                       SaveEncoding::Cp1256};

// Every file matches each filter: the filter only says how the text is written.
QString filterOf(SaveEncoding encoding)
{
    return pirtok::files::encodingName(encoding) + QStringLiteral(" (*)");
}

} // namespace

QString askOpen(QWidget *parent)
{
    return openFunction() ? openFunction()(parent) : showRealOpenDialog(parent);
}

std::optional<SaveChoice> askSave(QWidget *parent, const QString &suggested, SaveEncoding current)
{
    return saveFunction() ? saveFunction()(parent, suggested, current)
                          : showRealSaveDialog(parent, suggested, current);
}

void setOpenFunction(OpenFunction function)
{
    openFunction() = std::move(function);
}

void setSaveFunction(SaveFunction function)
{
    saveFunction() = std::move(function);
}

QString showRealOpenDialog(QWidget *parent)
{
    const QString filters = QString::fromUtf16(FileTexts::TextFiles) + QStringLiteral(" (*.txt *.text);;") +
                            QString::fromUtf16(FileTexts::AllFiles) + QStringLiteral(" (*)");
    return QFileDialog::getOpenFileName(parent, QString::fromUtf16(FileTexts::OpenTitle), QString(), filters);
}

std::optional<SaveChoice> showRealSaveDialog(QWidget *parent, const QString &suggested, SaveEncoding current)
{
    QFileDialog dialog(parent, QString::fromUtf16(FileTexts::SaveTitle));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    QStringList filters;
    for (const SaveEncoding encoding : SaveEncodings)
        filters << filterOf(encoding);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filterOf(current));
    if (!suggested.isEmpty())
        dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const qsizetype chosen = filters.indexOf(dialog.selectedNameFilter());
    return SaveChoice{dialog.selectedFiles().constFirst(),
                      chosen >= 0 ? SaveEncodings[std::size_t(chosen)] : current};
}

} // namespace FileDialogs
