#include "ui/widget_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>

namespace kw {

namespace {

QString withExtension(const QString& name, const QString& extension)
{
    if (name.isEmpty() || extension.isEmpty() || !QFileInfo(name).suffix().isEmpty()) return name;
    return name + QLatin1Char('.') + extension;
}

QString startPath(const FileDialogRequest& request)
{
    if (request.proposedName.isEmpty()) return request.initialFolder;
    return QDir(request.initialFolder).filePath(request.proposedName);
}

// Message texts may come from outside (a server's answer, a line of a file): they
// are shown as they are, never taken for rich text.
int showMessage(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                const QString& text, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, caption, QString(), buttons, parent);
    box.setTextFormat(Qt::PlainText);  // before the text, which is never laid out as HTML
    box.setText(text);
    return box.exec();
}

}  // namespace

bool WidgetDialogs::askYesNo(const QString& text, const QString& caption)
{
    return showMessage(m_parent, QMessageBox::Question, caption, text,
                       QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void WidgetDialogs::notify(const QString& text, const QString& caption)
{
    showMessage(m_parent, QMessageBox::Information,
                caption.isEmpty() ? qApp->applicationName() : caption, text, QMessageBox::Ok);
}

void WidgetDialogs::about(const QString& text, const QString& caption)
{
    QMessageBox::about(m_parent, caption, text);
}

std::optional<QString> WidgetDialogs::inputText(const QString& title, const QString& prompt,
                                                const QString& defaultText)
{
    bool ok = false;
    const QString text =
        QInputDialog::getText(m_parent, title, prompt, QLineEdit::Normal, defaultText, &ok);
    if (!ok) return std::nullopt;
    return text;
}

QString WidgetDialogs::openFileName(const FileDialogRequest& request)
{
    return QFileDialog::getOpenFileName(m_parent, request.title, startPath(request),
                                        request.filter);
}

QString WidgetDialogs::saveFileName(const FileDialogRequest& request)
{
    QFileDialog dialog(m_parent, request.title, request.initialFolder, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(request.defaultExtension);
    if (!request.proposedName.isEmpty()) dialog.selectFile(request.proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return withExtension(dialog.selectedFiles().first(), request.defaultExtension);
}

void WidgetDialogs::setBusy(bool busy)
{
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

}  // namespace kw
