#pragma once
// The dialogs of the main window. Each is created once at start, in this order,
// and lives as long as the main window; the Parts that use them fill them.
#include <QDialog>

#include "ui/number_selection_dialog.h"  // TForm6

namespace kw {

// Draw entry.
class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent);
};

// Transfer of the tip sheet to an online portal.
class TForm5 : public QDialog {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent);
    void setPortalName(const QString& portal);
};

// Positioning of the slip printout.
class TForm8 : public QDialog {
    Q_OBJECT
public:
    explicit TForm8(QWidget* parent);
};

// Evaluation and win calculation.
class TForm9 : public QDialog {
    Q_OBJECT
public:
    explicit TForm9(QWidget* parent);
};

// Choice of the click script.
class TQKSForm : public QDialog {
    Q_OBJECT
public:
    explicit TQKSForm(QWidget* parent);
};

}  // namespace kw
