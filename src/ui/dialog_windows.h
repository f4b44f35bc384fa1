#pragma once
// The dialogs of the main window. Each is created once at start, in this order,
// and lives as long as the main window; the Parts that use them fill them.
#include <QDialog>
#include <array>

#include "draws/draw_record.h"
#include "ui/number_selection_dialog.h"  // TForm6
#include "ui/portal_dialog.h"            // TForm5
#include "ui/script_chooser_dialog.h"    // TQKSForm
#include "ui/slip_dialog.h"              // TForm8
#include "ui/win_calculation_dialog.h"   // TForm9

class QDateEdit;
class QSpinBox;

namespace kw {

class Dialogs;

// Draw entry: the date and the five numbers; the sixth number and the two star
// numbers are there but not shown. Its messages go through dialogs.
class TForm3 : public QDialog {
    Q_OBJECT
public:
    TForm3(QWidget* parent, Dialogs& dialogs);

    QDateEdit* DateTimePicker1;
    QPushButton* BitBtn1;  // abort
    QPushButton* BitBtn2;  // OK
    // UpDown1..UpDown8 (their fields Edit1..Edit8).
    QSpinBox* upDown(int n) const { return m_upDowns.at(static_cast<std::size_t>(n)); }

    // The ranges (stars up to starMaximum), then the proposal's date and slots 1..8.
    void preset(const DrawRecord& proposal, int starMaximum);
    // The date and the eight positions as a record.
    DrawRecord entered() const;

public slots:
    // OK: a draw with a number twice is refused with a message; the dialog stays open.
    void BitBtn2Click();

private:
    Dialogs& m_dialogs;
    std::array<QSpinBox*, 9> m_upDowns{};  // 0 unused
};

}  // namespace kw
