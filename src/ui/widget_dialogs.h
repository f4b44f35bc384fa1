#pragma once
// The dialogs seam with Qt's message boxes, input box and file dialogs.
#include "platform/dialogs.h"

class QWidget;

namespace kw {

class WidgetDialogs : public Dialogs {
public:
    explicit WidgetDialogs(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }

    bool askYesNo(const QString& text, const QString& caption) override;
    void notify(const QString& text, const QString& caption = {}) override;
    void about(const QString& text, const QString& caption) override;
    std::optional<QString> inputText(const QString& title, const QString& prompt,
                                     const QString& defaultText) override;
    QString openFileName(const FileDialogRequest& request) override;
    QString saveFileName(const FileDialogRequest& request) override;
    void setBusy(bool busy) override;

private:
    QWidget* m_parent;
};

}  // namespace kw
