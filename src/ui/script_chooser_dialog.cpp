#include "ui/script_chooser_dialog.h"

#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "online/click_export.h"
#include "platform/dialogs.h"
#include "state/main_state.h"
#include "ui/control_list.h"
#include "ui/controls.h"

namespace kw {

TQKSForm::TQKSForm(QWidget* parent, const MainState& state, Dialogs& dialogs, HttpClient* http)
    : QDialog(parent),
      m_state(state),
      m_dialogs(dialogs),
      m_http(http),
      m_update(new ScriptTemplateUpdate(this))
{
    setObjectName(QStringLiteral("TQKSForm"));
    new ControlList(this);
    setWindowTitle(QStringLiteral("Script für Zahlenübergabe auswählen!"));
    setModal(true);
    auto* root = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    auto* scriptRow = new QHBoxLayout;
    LabeledEdit1 = named(new QComboBox(this), "LabeledEdit1");
    LabeledEdit1->setEditable(true);
    LabeledEdit1->setMinimumContentsLength(40);
    BitBtn1 = makeButton(this, "BitBtn1", QStringLiteral("..."));
    scriptRow->addWidget(LabeledEdit1, 1);
    scriptRow->addWidget(BitBtn1);
    form->addRow(makeLabel(this, "Label1", QStringLiteral("Quendels Click-Script File")),
                 scriptRow);
    LabeledEdit2 = named(new QLineEdit(this), "LabeledEdit2");
    form->addRow(makeLabel(this, "Label2", QStringLiteral("ZAHL1")), LabeledEdit2);
    LabeledEdit4 = named(new QLineEdit(this), "LabeledEdit4");
    form->addRow(makeLabel(this, "Label4", QStringLiteral("TEXT1")), LabeledEdit4);
    LabeledEdit3 = named(new QLineEdit(this), "LabeledEdit3");
    form->addRow(makeLabel(this, "Label3", QStringLiteral("ZAHL2")), LabeledEdit3);
    LabeledEdit5 = named(new QLineEdit(this), "LabeledEdit5");
    form->addRow(makeLabel(this, "Label5", QStringLiteral("TEXT2")), LabeledEdit5);
    root->addLayout(form);

    auto* buttons = new QHBoxLayout;
    BitBtn2 = makeButton(this, "BitBtn2", QStringLiteral("&OK"));
    BitBtn3 = makeButton(this, "BitBtn3", QStringLiteral("&Abbrechen"));
    BitBtn2->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(BitBtn2);
    buttons->addWidget(BitBtn3);
    root->addLayout(buttons);

    connect(BitBtn1, &QPushButton::clicked, this, &TQKSForm::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TQKSForm::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_update, &ScriptTemplateUpdate::finished, this, [this] {
        // Only an OK waits for the update; a cancel has ended the dialog already.
        if (isVisible() && !BitBtn2->isEnabled()) accept();
    });
}

void TQKSForm::setParameters(const RobotParameters& parameters)
{
    LabeledEdit1->setCurrentText(parameters.script);
    LabeledEdit2->setText(parameters.zahl1);
    LabeledEdit4->setText(parameters.text1);
    LabeledEdit3->setText(parameters.zahl2);
    LabeledEdit5->setText(parameters.text2);
}

RobotParameters TQKSForm::parameters() const
{
    RobotParameters parameters;
    parameters.script = LabeledEdit1->currentText();
    parameters.zahl1 = LabeledEdit2->text();
    parameters.text1 = LabeledEdit4->text();
    parameters.zahl2 = LabeledEdit3->text();
    parameters.text2 = LabeledEdit5->text();
    return parameters;
}

void TQKSForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TQKSForm::FormShow()
{
    for (QWidget* w : {static_cast<QWidget*>(BitBtn1), static_cast<QWidget*>(BitBtn2),
                       static_cast<QWidget*>(LabeledEdit1)})
        w->setEnabled(true);
    const QString remembered = LabeledEdit1->currentText();
    const QDir folder(scriptFolder(m_state.ProgramFolder));
    QStringList files;
    for (const QString& name :
         folder.entryList({QStringLiteral("*.qks")}, QDir::Files, QDir::Name | QDir::IgnoreCase))
        files << folder.filePath(name);
    LabeledEdit1->clear();
    LabeledEdit1->addItems(files);
    LabeledEdit1->setCurrentText(remembered.isEmpty() && !files.isEmpty() ? files.last()
                                                                          : remembered);
}

void TQKSForm::BitBtn1Click()
{
    FileDialogRequest request;
    request.initialFolder = scriptFolder(m_state.ProgramFolder);
    request.filter = QStringLiteral("Quendels Click Script (*.qks)");
    request.defaultExtension = QStringLiteral("qks");
    request.proposedName = LabeledEdit1->currentText();
    const QString chosen = m_dialogs.openFileName(request);
    if (!chosen.isEmpty()) LabeledEdit1->setCurrentText(chosen);
}

void TQKSForm::BitBtn2Click()
{
    // While the server is asked, only the cancel button is left to the user.
    for (QWidget* w : {static_cast<QWidget*>(BitBtn1), static_cast<QWidget*>(BitBtn2),
                       static_cast<QWidget*>(LabeledEdit1)})
        w->setEnabled(false);
    m_update->start(m_http, m_state.ScriptServer, LabeledEdit1->currentText());
}

void TQKSForm::FormClose()
{
    if (LabeledEdit2->text().isEmpty()) LabeledEdit2->setText(QStringLiteral("0"));
    if (LabeledEdit3->text().isEmpty()) LabeledEdit3->setText(QStringLiteral("0"));
}

void TQKSForm::done(int result)
{
    BitBtn2->setEnabled(true);  // a late answer of the update closes nothing
    m_update->cancel();
    FormClose();
    QDialog::done(result);
}

}  // namespace kw
