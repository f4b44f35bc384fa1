#include "ui/dialog_windows.h"

namespace kw {

namespace {

void setUp(QDialog* dialog, const char* name, const QString& caption)
{
    dialog->setObjectName(QLatin1String(name));
    dialog->setWindowTitle(caption);
    dialog->setModal(true);
}

}  // namespace

TForm3::TForm3(QWidget* parent) : QDialog(parent)
{
    setUp(this, "TForm3", QStringLiteral("Zahlen der Ziehung eingeben"));
}

TForm5::TForm5(QWidget* parent) : QDialog(parent)
{
    setUp(this, "TForm5", QString());
    setPortalName(QStringLiteral("Lottoland"));
}

void TForm5::setPortalName(const QString& portal)
{
    setWindowTitle(QStringLiteral("Übergabe des Tippscheins direkt an ") + portal);
}

TForm8::TForm8(QWidget* parent) : QDialog(parent)
{
    setUp(this, "TForm8", QStringLiteral("Positionierung des Scheindruckes"));
}

TForm9::TForm9(QWidget* parent) : QDialog(parent)
{
    setUp(this, "TForm9", QStringLiteral("Auswertung und Gewinnberechnung"));
}

TQKSForm::TQKSForm(QWidget* parent) : QDialog(parent)
{
    setUp(this, "TQKSForm", QStringLiteral("Script für Zahlenübergabe auswählen!"));
}

}  // namespace kw
