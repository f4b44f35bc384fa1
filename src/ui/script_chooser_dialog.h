#pragma once
// TQKSForm, "Script für Zahlenübergabe auswählen!": the click-script template (the
// ".qks" files of the program folder's "Script", or one browsed for) and the four
// values the robot receives; OK first brings the template up to date from the
// script server.
#include <QDialog>

#include "online/click_script.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace kw {

class Dialogs;
class HttpClient;
class MainState;
class ScriptTemplateUpdate;

class TQKSForm : public QDialog {
    Q_OBJECT
public:
    // The program folder and the script server are read from state when used; http
    // may be nullptr (no update).
    TQKSForm(QWidget* parent, const MainState& state, Dialogs& dialogs, HttpClient* http);

    void setParameters(const RobotParameters& parameters);
    RobotParameters parameters() const;
    ScriptTemplateUpdate* templateUpdate() const { return m_update; }

    QComboBox* LabeledEdit1;  // "Quendels Click-Script File"
    QLineEdit* LabeledEdit2;  // "ZAHL1"
    QLineEdit* LabeledEdit3;  // "ZAHL2"
    QLineEdit* LabeledEdit4;  // "TEXT1"
    QLineEdit* LabeledEdit5;  // "TEXT2"
    QPushButton* BitBtn1;     // browse
    QPushButton* BitBtn2;     // OK
    QPushButton* BitBtn3;     // cancel

public slots:
    void FormShow();
    void BitBtn1Click();
    void BitBtn2Click();
    void FormClose();

public:
    // Every way of closing runs FormClose; a template update under way is abandoned.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    const MainState& m_state;
    Dialogs& m_dialogs;
    HttpClient* m_http;
    ScriptTemplateUpdate* m_update;
};

}  // namespace kw
