#pragma once
// The positioning dialog's values as its controls hold them, and their place in
// the settings: the sub-key "\druck" of the program's key, one table for reading
// and writing.
#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "printing/slip_layout.h"

namespace kw {

class SettingsStore;

inline const QString kSlipTemplateFallback = QStringLiteral("schein.fr3");

struct SlipSettings {
    // "Zahlen Horizontal" and "unten Beginnen" of the number grid, then of the star grid.
    std::array<bool, 4> checkBoxes{true, false, true, false};
    // The geometry fields' texts (Edit17, Edit16, Edit1, Edit2, Edit3, Edit4).
    QString firstTop = QStringLiteral("5");
    QString firstLeft = QStringLiteral("5");
    QString fieldHeight = QStringLiteral("14");
    QString fieldWidth = QStringLiteral("14");
    QString blockTop = QStringLiteral("5");
    QString blockLeft = QStringLiteral("5");
    int starIndent = 0;                              // EuroLeft, UpDown12
    int starDistance = 14;                           // EuroTop, UpDown11
    int rowsPerBlock = 5;                            // BlockZeilen, UpDown1
    int numbersPerRow = 10;                          // BlockSpalten, UpDown2
    QString starFieldWidth = QStringLiteral("14");   // EuroBreit, Edit12
    QString starFieldHeight = QStringLiteral("14");  // EuroHoch, Edit11
    int starRows = 1;                                // EuroZeilen, UpDown7
    int starColumns = 10;                            // EuroSpalten, UpDown8
    int blockRows = 5;                               // Zeilen, UpDown5
    int blockColumns = 2;                            // Spalten, UpDown6
    QString templateName;                            // Reportvorlage
    QString picture;                                 // BackImage
    QString cross = QStringLiteral("x");             // Zeichen
    int fontSize = 10;
    // The paper of "Page1"; written only when the template has that page.
    std::optional<QString> paperSize;    // the paper code as decimal text
    std::optional<QString> paperHeight;  // millimetres, decimal text
    std::optional<QString> paperWidth;
    std::optional<int> paperOrientation;  // 1 portrait, 2 landscape
};

// An integer value's name and the range its up-down allows.
struct SlipIntegerRange {
    QString name;
    int minimum;
    int maximum;
};
const std::vector<SlipIntegerRange>& slipIntegerRanges();

// The settings key of the dialog below the caller's key.
QString slipSettingsKey(const QString& callerKey);

// Reads every value present into settings; the others keep what they hold. An
// integer is moved into its up-down's range; a present empty "Reportvorlage"
// means "schein.fr3". False when the key does not exist (nothing is read).
bool readSlipSettings(SettingsStore& store, const QString& callerKey, SlipSettings& settings);
// Creates the key when needed and writes every value (the paper values when set).
void writeSlipSettings(SettingsStore& store, const QString& callerKey,
                       const SlipSettings& settings);

// The geometry the fields give; nullopt with the message for the first field
// that is no decimal number.
std::optional<SlipGeometry> slipGeometry(const SlipSettings& settings, QString* error);

// The template for name: the file itself, else the file of that name in the program
// folder, else "schein.fr3" there; empty when none is found (the built-in report).
QString slipTemplatePath(const QString& name, const QString& programFolder);
// The picture for name, looked up the same way; empty when name is empty or no
// file is found (the page then goes without one).
QString slipPicturePath(const QString& name, const QString& programFolder);

}  // namespace kw
