#pragma once
// Message boxes, input box, file dialogs and the busy cursor, behind one seam
// so that tests answer them with a script.
#include <QString>
#include <optional>

namespace kw {

struct FileDialogRequest {
    QString title;
    QString initialFolder;
    QString filter;            // e.g. "Tippdateien (*.qlt);;Textdateien (*.txt)"
    QString defaultExtension;  // without dot; appended when the name has none
    QString proposedName;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Yes/No question; true for Yes.
    virtual bool askYesNo(const QString& text, const QString& caption) = 0;
    // Notice with an OK button.
    virtual void notify(const QString& text, const QString& caption = {}) = 0;
    // The program's about box (with its icon); a plain notice where there is none.
    virtual void about(const QString& text, const QString& caption) { notify(text, caption); }
    // Input box; nullopt when cancelled.
    virtual std::optional<QString> inputText(const QString& title, const QString& prompt,
                                             const QString& defaultText) = 0;
    // File names; the empty text when cancelled.
    virtual QString openFileName(const FileDialogRequest& request) = 0;
    virtual QString saveFileName(const FileDialogRequest& request) = 0;
    // Hourglass cursor on (nests) and off.
    virtual void setBusy(bool busy) = 0;
};

// Shows the hourglass for the lifetime of the object.
class BusyCursor {
public:
    explicit BusyCursor(Dialogs& dialogs) : m_dialogs(dialogs) { m_dialogs.setBusy(true); }
    ~BusyCursor() { m_dialogs.setBusy(false); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    Dialogs& m_dialogs;
};

}  // namespace kw
