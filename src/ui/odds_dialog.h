#pragma once
// "Chancen Ihrer Tipps": the odds of the shown tips beside those of as many random
// tips, in a small table, with the notes that explain it.
#include <QDialog>

#include "evaluation/odds.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace kw {

class OddsDialog : public QDialog {
    Q_OBJECT
public:
    explicit OddsDialog(QWidget* parent);

    void fill(const OddsFigures& tips, const OddsFigures& random, const QStringList& noteLines,
              const QString& savedNote, const MessageTable& messages);

    QLabel* heading;
    QTableWidget* table;
    QLabel* notes;
    QLabel* saved;
    QPushButton* closeButton;
};

}  // namespace kw
